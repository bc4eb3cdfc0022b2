#pragma once

#include <QStringList>

namespace tallywick {

// The split-download time frames offered in the Advanced Options window: one entry per minute
// from 15 to 60; entry i stands for 15 + i minutes.
inline constexpr int kShortestTimeFrame = 15;
inline constexpr int kLongestTimeFrame = 60;
inline constexpr int kDefaultTimeFrame = 30;

// "15 Minutes", "16 Minutes", ..., "60 Minutes".
QStringList TimeFrameEntries();
// The entry to select for a time frame; one outside the list selects "30 Minutes".
int TimeFrameIndex(int splitTime);
// The minutes that an entry stands for.
int TimeFrameMinutes(int index);

} // namespace tallywick
