#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace tallywick {

// Whether a window that takes the focus is one of the program's own windows (the main window, a
// history view, an option dialog, the About box, the help) rather than a passing message box,
// file or input dialog, menu, tip or notification-area icon.
bool IsProgramWindow(const QWidget* window);

// Tells when a window becomes the program's active window, and when it stops being it, the way
// the program's windows take turns among themselves: the window is activated when the focus
// comes to it from another of the program's windows, and deactivated when the focus goes to
// another of them. The focus leaving for another application and coming back, or a message box
// coming and going, changes nothing.
class ActivationWatcher : public QObject {
    Q_OBJECT

public:
    explicit ActivationWatcher(QWidget* window);

    // The window counts as the active one from now on without a signal (its first showing, whose
    // activation its owner runs itself).
    void markActive();
    bool isActive() const;

    // What the application reports when the focus moves to another window (or to none).
    void focusWindowChanged(QWindow* focus);

signals:
    void activated();
    void deactivated();

private:
    QWidget* window_;
    QPointer<QWidget> activeWindow_; // the program window that had the focus last
};

} // namespace tallywick
