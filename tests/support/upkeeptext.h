#pragma once

// The notices of the history's upkeep as the window words them in English, for tests that read
// what was announced.

#include "core/history/upkeepstatus.h"

#include <string>

namespace tallywick::testing {

inline std::string RemovedStatusText(std::int64_t count)
{
    return "Removed " + std::to_string(count) + " duplicate items from history.";
}

inline std::string UpkeepNoticeText(const UpkeepNotice& notice)
{
    switch (notice.kind) {
    case UpkeepNotice::Kind::Sorting:
        return "Please wait while sorting history.";
    case UpkeepNotice::Kind::Trimming:
        return "Please wait while trimming history.";
    case UpkeepNotice::Kind::Removed:
        return RemovedStatusText(static_cast<std::int64_t>(notice.removed));
    case UpkeepNotice::Kind::Sorted:
        break;
    }
    std::string text = "History sorted: " + std::to_string(notice.kept) + " records kept";
    if (notice.removed > 0)
        text += ", " + std::to_string(notice.removed) + " removed";
    if (notice.future > 0)
        text += " (" + std::to_string(notice.future) + " dated after today)";
    return text + ".";
}

} // namespace tallywick::testing
