#pragma once

#include "app/history/historysteps.h"
#include "core/search/linelist.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// After the tracked list changed: the loaded report's hits for the items tracked now go into
// the history at once, so that the views show them without another search. The merge adds no
// repeats. The status text says how many were added; nothing when none were.
std::optional<QString> CollectForNewlyTracked(HistorySession& session, const LineList& reportHits,
                                              const std::vector<std::string>& trackedItems, std::chrono::sys_days today,
                                              int TimeLimit);

// The same in two steps around a merge that may run elsewhere: the hits join the collected
// ones (true, with HistoryChanged set, when one was new); once merged, the text for the records
// the merge added.
bool CollectNewlyTracked(HistorySession& session, const LineList& reportHits,
                         const std::vector<std::string>& trackedItems);
std::optional<QString> NewlyTrackedText(std::size_t added);

} // namespace tallywick
