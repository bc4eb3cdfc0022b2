#include "core/history/pasttimelimit.h"

namespace tallywick {

std::string PastTimeLimitStatusText(std::size_t count, int TimeLimit)
{
    const bool one = count == 1;
    return std::to_string(count) + (one ? " download is" : " downloads are") + " older than the history time limit (" +
           std::to_string(TimeLimit) + " months) and " + (one ? "leaves" : "leave") + " the history at the next save";
}

std::string TimeLimitRemovalText(std::size_t count)
{
    if (count == 0)
        return "No download in the history is older than this.";
    return std::to_string(count) + (count == 1 ? " download leaves" : " downloads leave") +
           " the history at the next save.";
}

} // namespace tallywick
