#pragma once

#include <string>
#include <vector>

namespace tallywick {

// The items the tracking dialog offers: each non-empty stored search string (both panels,
// slots 0 to 9, in that order), cut from its first "/" unless that is its first character,
// skipping items already offered or already tracked. Comparisons are exact.
std::vector<std::string> FillAvailableList(const std::vector<std::string>& storedSearchStrings,
                                           const std::vector<std::string>& trackedItems);

} // namespace tallywick
