#pragma once

#include "core/search/downloadcounts.h"
#include "core/search/leaveout.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick::cli {

// What the command line prints of the engine's numbers. The windows say the same in the user's
// language (ui/common/labeltexts).

// "All Found: 3 of 120"
std::string AllFoundLabel(std::int64_t allFound, std::int64_t lines);
// "Found: 2"
std::string FoundLabel(std::int64_t found);
// "Lines too long to search: 1"
std::string OverlongLinesLabel(std::int64_t lines);
// "Left out: 2 robots, 1 failed"; with download tools left out too,
// "Left out: 2 robots, 3 download tools, 1 failed".
std::string LeftOutLabel(const LeftOutCounts& leftOut, bool downloadTools = false);
// Said beside the left-out counts when robots or download tools are left out and no hit line had
// a user agent to tell them by.
inline constexpr std::string_view kNoAgentsNote =
    "No hit line has a user agent (the Common log format has none): no robot or download tool could be told.";
// "Complete: 31, incomplete: 4, size unknown: 0"
std::string CompleteLabel(const PanelDownloads& panel);
// "Unique a day: 24, an hour: 26"
std::string UniqueLabel(const PanelDownloads& panel);
// "Removed 3 duplicate items from history."
std::string RemovedStatusText(std::int64_t count);

// "12 Hits", "0 Hits"
std::string HitLabel(std::int64_t hits);
// "From: 09/01/2004"; just "From:" when there is no date to show.
std::string FromLabel(std::optional<std::chrono::sys_days> day);
// "To: 12/05/2004"; just "To:" when there is no date to show.
std::string ToLabel(std::optional<std::chrono::sys_days> day);
// "Today is Sunday, December 05, 2004"
std::string TodayLabel(std::chrono::sys_days today);

} // namespace tallywick::cli
