#include "core/views/calendar.h"

#include <algorithm>

namespace tallywick {

using namespace std::chrono;

sys_days AddMonths(sys_days day, int months)
{
    const year_month_day date{day};
    const year_month target = date.year() / date.month() + std::chrono::months{months};
    const auto lastDay = (target / last).day();
    return sys_days{target / std::min(date.day(), lastDay)};
}

} // namespace tallywick
