#include "core/search/collectedhits.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {

CollectedHits::CollectedHits(const CollectedHits& other)
{
    for (const auto& line : other.lines_)
        append(line);
}

CollectedHits& CollectedHits::operator=(const CollectedHits& other)
{
    if (this != &other) {
        CollectedHits copy(other);
        *this = std::move(copy);
    }
    return *this;
}

bool CollectedHits::append(std::string_view line)
{
    if (contains(line))
        return false;
    index_.insert(lines_.emplace_back(line));
    return true;
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
