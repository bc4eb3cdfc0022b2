#include "core/views/period.h"

namespace tallywick {

std::optional<DayRange> ClosedPeriod(const Period& period, const std::optional<DayRange>& recordSpan)
{
    if ((!period.from || !period.to) && !recordSpan)
        return std::nullopt;
    return DayRange{period.from.value_or(recordSpan ? recordSpan->first : std::chrono::sys_days{}),
                    period.to.value_or(recordSpan ? recordSpan->last : std::chrono::sys_days{})};
}

} // namespace tallywick
