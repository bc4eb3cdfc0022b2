#pragma once

#include "core/history/reportcoverage.h"

#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace tallywick {

// A zero-count day as the list shows it: "11/21/2004", followed by "no downloads" when a report
// covered the day or "no log" when none did.
QString ZeroDayEntry(std::chrono::sys_days day, std::optional<bool> covered);

} // namespace tallywick
