#include "core/searchlist/availableitems.h"

#include <string_view>
#include <unordered_set>

namespace tallywick {

std::vector<std::string> FillAvailableList(const std::vector<std::string>& storedSearchStrings,
                                           const std::vector<std::string>& trackedItems)
{
    std::vector<std::string> available;
    std::unordered_set<std::string> listed(trackedItems.begin(), trackedItems.end());
    for (const auto& value : storedSearchStrings) {
        if (value.empty())
            continue;
        std::string_view item = value;
        const auto slash = item.find('/');
        if (slash != std::string_view::npos && slash > 0)
            item.remove_prefix(slash);
        std::string text(item);
        if (listed.insert(text).second)
            available.push_back(std::move(text));
    }
    return available;
}

} // namespace tallywick
