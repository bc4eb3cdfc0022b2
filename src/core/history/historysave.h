#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tallywick {

// What a save of History writes, decided without touching the file.
struct HistorySavePlan {
    std::vector<std::size_t> records; // positions in History, in History order
    bool NeedSort = false;            // a written record is dated earlier than the one before it
};

// Leaves out empty records and those TimeLimit or more calendar months back; records dated
// after today stay. A record whose date cannot be read is written and takes no part in the
// order check.
HistorySavePlan PlanHistorySave(const std::vector<std::string>& History, std::chrono::sys_days today, int TimeLimit);

} // namespace tallywick
