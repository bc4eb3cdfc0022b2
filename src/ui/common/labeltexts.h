#pragma once

#include "core/history/upkeepstatus.h"
#include "core/search/downloadcounts.h"
#include "core/search/leaveout.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tallywick {

// The counts and labels the windows show, in the user's language. In English they read exactly
// as the command line prints them.

// Bytes of a report or of the history as text, read as UTF-8 (a byte that is not UTF-8 shows as
// U+FFFD).
QString FromBytes(std::string_view bytes);

// Counts of seven digits fit beside their caption without moving anything; longer ones widen it.
inline constexpr std::int64_t kWidestCount = 8888888;

// "Found: 12"
QString FoundText(std::int64_t found);
// "All Found: 774 of 10000"
QString AllFoundText(std::int64_t allFound, std::int64_t lines);
// "(left out: 3 robots, 13 failed)"
QString LeftOutText(const LeftOutCounts& leftOut);
// "(left out: 2 robots, 3 download tools, 1 failed)"
QString LeftOutWithToolsText(const LeftOutCounts& leftOut);
// Said under the left-out counts when no hit line had a user agent to tell robots by.
QString NoAgentsText();
// The line under a panel's "Found: N": "31 complete · 24 unique a day", and what it means.
QString DownloadCountsText(const PanelDownloads& panel);
QString DownloadCountsToolTip(const PanelDownloads& panel);
// "12 Hits"
QString HitsText(std::int64_t hits);
// "From: 09/01/2004" and "To: 12/05/2004"; "From:" and "To:" without a day.
QString FromText(std::optional<std::chrono::sys_days> day);
QString ToText(std::optional<std::chrono::sys_days> day);
// "Today is Sunday, December 05, 2004"
QString TodayText(std::chrono::sys_days today);
// "3 downloads are older than the history time limit (12 months) and leave the history at the
// next save"
QString PastTimeLimitText(std::size_t count, int timeLimit);
// What the history's upkeep announces in the status bar ("Please wait while sorting history.").
QString UpkeepText(const UpkeepNotice& notice);
// What the History Time Limit dialog says of the chosen limit before OK: "2 downloads leave the
// history at the next save."
QString TimeLimitRemovalText(std::size_t count);

} // namespace tallywick
