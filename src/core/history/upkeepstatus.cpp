#include "core/history/upkeepstatus.h"

namespace tallywick {

std::string RemovedStatusText(std::int64_t count)
{
    return "Removed " + std::to_string(count) + " duplicate items from history.";
}

std::string UpkeepNoticeText(const UpkeepNotice& notice)
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

} // namespace tallywick
