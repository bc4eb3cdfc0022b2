#pragma once

#include "core/search/collectedhits.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallywick {

// What became of the records a run appended to the history, once it was saved.
struct AddedRecordsFate {
    std::int64_t kept = 0;    // in the history as saved
    std::int64_t expired = 0; // dropped as TimeLimit or more calendar months old
};

// appended: positions in collected of the lines the merge appended; savedHistory: History as
// the save saw it (the save leaves out only records too old to keep), or empty when nothing was
// saved. An appended record neither kept nor expired was dropped for another reason (a
// duplicate partial download, a date too far ahead).
AddedRecordsFate FateOfAddedRecords(const CollectedHits& collected, const std::vector<std::size_t>& appended,
                                    const std::vector<std::string>& savedHistory, std::chrono::sys_days today,
                                    int TimeLimit);

} // namespace tallywick
