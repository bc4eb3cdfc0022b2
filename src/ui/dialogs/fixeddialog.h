#pragma once

#include <Qt>

namespace tallywick {

// A dialog frame of fixed size: a title and a close box, no minimise or maximise button. The
// window manager shows only what is asked for once the frame is customised.
inline constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

} // namespace tallywick
