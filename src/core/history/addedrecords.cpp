#include "core/history/addedrecords.h"

#include <string_view>
#include <unordered_set>

namespace tallywick {

AddedRecordsFate FateOfAddedRecords(const CollectedHits& collected, const std::vector<std::size_t>& appended,
                                    const std::vector<std::string>& savedHistory,
                                    const std::vector<std::string>& newlyArchived)
{
    AddedRecordsFate fate;
    const std::unordered_set<std::string_view> saved(savedHistory.begin(), savedHistory.end());
    const std::unordered_set<std::string_view> archived(newlyArchived.begin(), newlyArchived.end());
    for (const auto i : appended) {
        const std::string_view line = collected[i];
        if (saved.contains(line))
            fate.kept.push_back(i);
        else if (archived.contains(line))
            ++fate.expired;
    }
    return fate;
}

} // namespace tallywick
