#pragma once

#include "core/history/upkeepstatus.h"
#include "core/search/collectedhits.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace tallywick {

struct MergeResult {
    // Which collected lines were appended to History (their positions in the collected hits).
    std::vector<std::size_t> appended;
    bool sorted = false;
    std::vector<std::string> removedForAge; // records the sort dropped for age, for the archive
};

// Appends every collected line that History does not hold yet, in collected order, then sorts
// History (SortHistory) when that left it out of order. Merging the same lines again adds
// nothing.
MergeResult MergeCollectedHits(std::vector<std::string>& History, const CollectedHits& collected,
                               std::chrono::sys_days today, int TimeLimit, const UpkeepStatus& status = {});

} // namespace tallywick
