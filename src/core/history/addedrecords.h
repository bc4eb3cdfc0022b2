#pragma once

#include "core/search/collectedhits.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallywick {

// What became of the records a run appended to the history, once it was saved.
struct AddedRecordsFate {
    std::vector<std::size_t> kept; // positions in collected of those in the history as saved
    std::int64_t expired = 0;      // those this save wrote to the archive as new, for age
};

// appended: positions in collected of the lines the merge appended; kept: those of them the saved
// history holds; newlyArchived: the records the save added to the archive. An appended record that
// the archive held already (an old report recorded again) is neither kept nor expired: nothing of
// it is new. Nor is one dropped as a duplicate partial download.
AddedRecordsFate FateOfAddedRecords(const CollectedHits& collected, const std::vector<std::size_t>& appended,
                                    std::vector<std::size_t> kept, const std::vector<std::string>& newlyArchived);

} // namespace tallywick
