#include "core/views/historyspan.h"

#include "core/views/recordrules.h"

namespace tallywick {
namespace {

template <class Iterator>
std::optional<std::chrono::sys_days> FirstDay(Iterator begin, Iterator end)
{
    for (auto it = begin; it != end; ++it) {
        if (const auto day = RecordDay(*it))
            return day;
    }
    return std::nullopt;
}

} // namespace

std::optional<DayRange> HistorySpan(const std::vector<std::string>& history)
{
    const auto first = FirstDay(history.begin(), history.end());
    if (!first)
        return std::nullopt;
    return DayRange{*first, *FirstDay(history.rbegin(), history.rend())};
}

} // namespace tallywick
