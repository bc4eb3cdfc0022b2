#pragma once

#include "core/views/calendar.h"
#include "ui/common/labeltexts.h"

#include <QDate>
#include <QString>

#include <chrono>
#include <optional>
#include <string_view>

namespace tallywick {

// Records and labels are bytes; the windows show them decoded as UTF-8.
inline QString ViewText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "From: 09/01/2004" and "To: 12/05/2004" for a period; "From:" and "To:" without one.
inline QString FromText(const std::optional<DayRange>& period)
{
    return FromText(period ? std::optional(period->first) : std::nullopt);
}

inline QString ToText(const std::optional<DayRange>& period)
{
    return ToText(period ? std::optional(period->last) : std::nullopt);
}

// 1 January 1970, the first of the system clock's days.
inline constexpr qint64 kUnixEpochJulianDay = 2440588;

inline QDate ToQDate(std::chrono::sys_days day)
{
    return QDate::fromJulianDay(day.time_since_epoch().count() + kUnixEpochJulianDay);
}

inline std::chrono::sys_days ToSysDays(const QDate& date)
{
    return std::chrono::sys_days{std::chrono::days{date.toJulianDay() - kUnixEpochJulianDay}};
}

} // namespace tallywick
