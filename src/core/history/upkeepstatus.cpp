#include "core/history/upkeepstatus.h"

namespace tallywick {

std::string RemovedStatusText(std::int64_t count)
{
    return "Removed " + std::to_string(count) + " duplicate items from history.";
}

std::string SortedStatusText(std::size_t kept, std::size_t removed)
{
    std::string text = "History sorted: " + std::to_string(kept) + " records kept";
    if (removed > 0)
        text += ", " + std::to_string(removed) + " removed";
    return text + ".";
}

} // namespace tallywick
