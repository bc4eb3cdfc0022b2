#include "core/views/viewlabels.h"

#include "core/views/dateformat.h"

namespace tallywick {

std::string HitLabel(std::int64_t hits)
{
    return std::to_string(hits) + " Hits";
}

std::string FromLabel(std::optional<std::chrono::sys_days> day)
{
    return day ? "From: " + FormatDate(*day) : "From:";
}

std::string ToLabel(std::optional<std::chrono::sys_days> day)
{
    return day ? "To: " + FormatDate(*day) : "To:";
}

std::string TodayLabel(std::chrono::sys_days today)
{
    return "Today is " + LongDate(today);
}

} // namespace tallywick
