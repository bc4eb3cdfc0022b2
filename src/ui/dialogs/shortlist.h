#pragma once

class QComboBox;

namespace tallywick {

// Drops the list down as a scrolling list of twelve entries at most. Some styles otherwise show
// every entry of a long list, as high as the screen.
void ShowTwelveAtMost(QComboBox* box);

} // namespace tallywick
