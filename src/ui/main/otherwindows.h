#pragma once

class QWidget;

namespace tallywick {

// Closes every open window of the program except `keep` (which may be null) and the
// notification-area icon, each with its own closing steps, one after another.
void CloseOtherWindows(const QWidget* keep);

} // namespace tallywick
