#pragma once

#include "core/history/upkeepstatus.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tallywick {

// True when two partial downloads (status 206) of History share a duplicate key (PartialKey:
// host, day and client part; a missing client part is empty).
bool HasDuplicatePartials(const std::vector<std::string>& History);

// Drops every partial download whose key an earlier one already had, and every empty record;
// everything else keeps its place. Returns the number of partial downloads dropped (empty
// records are not counted) and announces how many it removed.
std::int64_t RemoveDuplicatePartials(std::vector<std::string>& History, const UpkeepStatus& status = {});

} // namespace tallywick
