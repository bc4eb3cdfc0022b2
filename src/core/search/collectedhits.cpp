#include "core/search/collectedhits.h"

#include "core/log/logline.h"

#include <algorithm>
#include <functional>

namespace tallywick {

bool CollectedHits::contains(std::string_view line) const
{
    return index_.findIf(std::hash<std::string_view>{}(line), [&](std::size_t held) { return lines_[held] == line; }) !=
           nullptr;
}

bool CollectedHits::append(std::string_view line)
{
    const auto added = index_
                           .findOrInsertIf(
                               std::hash<std::string_view>{}(line), lines_.size(),
                               [&](std::size_t held) { return lines_[held] == line; }, Held{})
                           .second;
    if (added)
        lines_.push_back(line);
    return added;
}

bool AddTrackedHit(std::string_view line, const std::vector<std::string>& trackedItems, CollectedHits& collected)
{
    const bool tracked = std::any_of(trackedItems.begin(), trackedItems.end(),
                                     [&](const std::string& item) { return MatchPosition(line, item) > 0; });
    return tracked && collected.append(line);
}

bool AddTrackedHits(const LineList& reportHits, const std::vector<std::string>& trackedItems, CollectedHits& collected)
{
    bool added = false;
    for (const auto line : reportHits)
        added = AddTrackedHit(line, trackedItems, collected) || added;
    return added;
}

bool AddTrackedHits(const std::vector<std::string>& reportHits, const std::vector<std::string>& trackedItems,
                    CollectedHits& collected)
{
    bool added = false;
    for (const auto& line : reportHits)
        added = AddTrackedHit(line, trackedItems, collected) || added;
    return added;
}

} // namespace tallywick
