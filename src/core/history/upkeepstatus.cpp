#include "core/history/upkeepstatus.h"

namespace tallywick {

std::string RemovedStatusText(std::int64_t count)
{
    return "Removed " + std::to_string(count) + " duplicate items from history.";
}

} // namespace tallywick
