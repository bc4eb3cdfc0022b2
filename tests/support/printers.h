#pragma once

#include "core/log/datevalue.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace tallywick {

// Readable failure messages for the engine's date values.
inline void PrintTo(const DateValue& value, std::ostream* out)
{
    const std::chrono::year_month_day date(value.day());
    const auto seconds = value.seconds() - value.dayNumber() * DateValue::kSecondsPerDay;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02lld:%02lld:%02lld", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    *out << text << " (" << value.seconds() << " s)";
}

} // namespace tallywick
