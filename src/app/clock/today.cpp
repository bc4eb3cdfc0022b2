#include "app/clock/today.h"

#include <QDate>

namespace tallywick {

std::chrono::sys_days Today()
{
    const QDate date = QDate::currentDate();
    return std::chrono::sys_days{std::chrono::year{date.year()} / date.month() / date.day()};
}

std::chrono::sys_days TodayOr(const std::optional<std::chrono::sys_days>& fixed)
{
    return fixed ? *fixed : Today();
}

} // namespace tallywick
