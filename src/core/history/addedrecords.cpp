#include "core/history/addedrecords.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace tallywick {

AddedRecordsFate FateOfAddedRecords(const CollectedHits& collected, const std::vector<std::size_t>& appended,
                                    std::vector<std::size_t> kept, const std::vector<std::string>& newlyArchived)
{
    AddedRecordsFate fate{std::move(kept), 0};
    const std::unordered_set<std::size_t> held(fate.kept.begin(), fate.kept.end());
    const std::unordered_set<std::string_view> archived(newlyArchived.begin(), newlyArchived.end());
    fate.expired = std::count_if(appended.begin(), appended.end(),
                                 [&](std::size_t i) { return !held.contains(i) && archived.contains(collected[i]); });
    return fate;
}

} // namespace tallywick
