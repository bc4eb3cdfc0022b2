#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

namespace tallywick {

// Shows a window, restored when minimized, in front of the others.
void BringForward(QWidget* window);

// The program's windows that exist at most once each (the option dialogs, the About box, the
// help): opening one that is open brings it forward instead of making another. The registry
// outlives every window it holds and deletes those still open when it goes.
class WindowRegistry {
public:
    WindowRegistry() = default;
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // Makes the window with `make` when none of its kind is open (it is deleted when closed),
    // then shows it and brings it to the front.
    template <typename Window, typename Make>
    Window* show(Make make)
    {
        QPointer<QWidget>& slot = windows_[&Window::staticMetaObject];
        // A closed window waits for its deletion; it is no longer the open one.
        if (!slot || !slot->isVisible()) {
            slot = make();
            slot->setAttribute(Qt::WA_DeleteOnClose);
        }
        BringForward(slot);
        return static_cast<Window*>(slot.data());
    }

    // The open window of that kind, or null.
    template <typename Window>
    Window* find() const
    {
        const auto at = windows_.find(&Window::staticMetaObject);
        if (at == windows_.end() || !at->second || !at->second->isVisible())
            return nullptr;
        return static_cast<Window*>(at->second.data());
    }

private:
    std::map<const QMetaObject*, QPointer<QWidget>> windows_;
};

} // namespace tallywick
