#pragma once

#include "core/history/upkeepstatus.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tallywick {

// True when some record is dated earlier than the datable record before it. Empty records and
// records whose date cannot be read are passed over.
bool IsHistoryOutOfOrder(const std::vector<std::string>& History);

// Rebuilds History in day order from the time limit on: records of one day keep their order
// (times of day are not compared); empty records, undatable ones and those TimeLimit or more
// calendar months back are dropped. Records dated after today stay, however far ahead: a server
// whose clock runs ahead, or a computer whose clock was set back, writes such dates, and dropping
// them would lose downloads for good. Returns the number of records dropped; those dropped for
// age are moved to removedForAge when it is given, for the archive.
std::size_t SortHistory(std::vector<std::string>& History, std::chrono::sys_days today, int TimeLimit,
                        const UpkeepStatus& status = {}, std::vector<std::string>* removedForAge = nullptr);

} // namespace tallywick
