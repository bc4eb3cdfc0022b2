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

bool AddTrackedHits(const std::vector<std::string>& reportHits, const std::vector<std::string>& trackedItems,
                    CollectedHits& collected)
{
    bool added = false;
    for (const auto& line : reportHits) {
        const bool tracked = std::any_of(trackedItems.begin(), trackedItems.end(),
                                         [&](const std::string& item) { return MatchPosition(line, item) > 0; });
        if (tracked && collected.append(line))
            added = true;
    }
    return added;
}

} // namespace tallywick
