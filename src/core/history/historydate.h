#pragma once

#include "core/log/datevalue.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The calendar day of a history record, or nothing when its date text cannot be read.
std::optional<std::chrono::sys_days> RecordDay(std::string_view record);

// The date of entry index (1-based) of History; 0 for an index outside the list or a record
// whose date cannot be read.
DateValue HistoryItemDate(const std::vector<std::string>& History, std::size_t index);

// Calendar months from day to today: the day of the month plays no part, and a day after
// today gives a negative count.
std::int64_t MonthsBefore(std::chrono::sys_days day, std::chrono::sys_days today);

// A record of that day is kept by the time limit: fewer than TimeLimit calendar months back.
bool WithinTimeLimit(std::chrono::sys_days day, std::chrono::sys_days today, int TimeLimit);

// The records dated after today: kept like any other, but worth a word (a clock set back).
std::size_t CountDatedAfter(const std::vector<std::string>& records, std::chrono::sys_days today);

} // namespace tallywick
