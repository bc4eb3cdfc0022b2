#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace tallywick {

// What the history's upkeep announces: work under way, then its outcome.
struct UpkeepNotice {
    enum class Kind {
        Sorting,  // "Please wait while sorting history."
        Sorted,   // "History sorted: 812 records kept." with ", 4 removed" when some were dropped and
                  // " (2 dated after today)" when some are
        Trimming, // "Please wait while trimming history."
        Removed,  // "Removed 3 duplicate items from history."
    };
    Kind kind = Kind::Sorting;
    std::size_t kept = 0;    // Sorted
    std::size_t removed = 0; // Sorted, Removed
    std::size_t future = 0;  // Sorted: records kept that are dated after today
    bool operator==(const UpkeepNotice&) const = default;
};

// Where the upkeep announces what it does (the main window's status bar); may be empty. The
// windows word a notice in the user's language.
using UpkeepStatus = std::function<void(const UpkeepNotice& notice)>;

inline void Announce(const UpkeepStatus& status, const UpkeepNotice& notice)
{
    if (status)
        status(notice);
}

} // namespace tallywick
