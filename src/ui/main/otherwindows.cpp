#include "ui/main/otherwindows.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace tallywick {
namespace {

// The notification-area icon is drawn by a window of its own on some desktops; it is no window
// of the program's but the program's way back.
bool IsNotificationIcon(const QWidget* window)
{
    return window->inherits("QSystemTrayIconSys") || window->windowFlags().testFlag(Qt::BypassWindowManagerHint);
}

} // namespace

void CloseOtherWindows(const QWidget* keep)
{
    QList<QPointer<QWidget>> open;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != keep && window->isVisible() && !IsNotificationIcon(window))
            open.append(window);
    }
    // A window's closing may close or delete others on the list.
    for (const auto& window : open) {
        if (window && window->isVisible())
            window->close();
    }
}

} // namespace tallywick
