#pragma once

#include "core/history/upkeepstatus.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tallywick {

// Days after today that the sort still keeps: a server whose clock or time zone runs ahead of
// the user's writes such dates, and dropping them would lose downloads.
inline constexpr int kFutureDaysKept = 1;

// True when some record is dated earlier than the datable record before it. Empty records and
// records whose date cannot be read are passed over.
bool IsHistoryOutOfOrder(const std::vector<std::string>& History);

// Rebuilds History in day order within the time window: records of one day keep their order
// (times of day are not compared); empty records, undatable ones, those TimeLimit or more
// calendar months back and those dated more than kFutureDaysKept days after today are dropped.
// Returns the number of records dropped; those dropped for age are moved to removedForAge when
// it is given, for the archive.
std::size_t SortHistory(std::vector<std::string>& History, std::chrono::sys_days today, int TimeLimit,
                        const UpkeepStatus& status = {}, std::vector<std::string>* removedForAge = nullptr);

} // namespace tallywick
