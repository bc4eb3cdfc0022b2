#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tallywick {

// Where the upkeep announces what it does (the main window's status bar); may be empty.
using UpkeepStatus = std::function<void(std::string_view text)>;

inline constexpr std::string_view kSortingStatusText = "Please wait while sorting history.";
inline constexpr std::string_view kTrimmingStatusText = "Please wait while trimming history.";

// "Removed 3 duplicate items from history."
std::string RemovedStatusText(std::int64_t count);

// What replaces the sorting notice once the sort is done, so that the status bar never says it
// is still at work: "History sorted: 812 records kept." with ", 4 removed" when some were
// undatable, past the time limit or too far ahead.
std::string SortedStatusText(std::size_t kept, std::size_t removed);

inline void Announce(const UpkeepStatus& status, std::string_view text)
{
    if (status)
        status(text);
}

} // namespace tallywick
