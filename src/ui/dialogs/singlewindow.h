#pragma once

#include <QPointer>
#include <QWidget>

namespace tallywick {

// At most one window of each kind is open: makes the window with `make` when `slot` holds none
// (it is deleted when closed), otherwise brings the open one forward.
template <typename Window, typename Make>
Window* ShowSingleWindow(QPointer<Window>& slot, Make make)
{
    if (!slot) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}

} // namespace tallywick
