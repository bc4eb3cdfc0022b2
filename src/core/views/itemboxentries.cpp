#include "core/views/itemboxentries.h"

#include <algorithm>

namespace tallywick {

ItemBoxEntries MakeItemBoxEntries(const std::vector<std::string>& trackedItems,
                                  const std::optional<std::string>& shownItem)
{
    ItemBoxEntries entries;
    entries.items = trackedItems;
    entries.captions = trackedItems;
    if (!shownItem) {
        if (!trackedItems.empty())
            entries.selected = 0;
        return entries;
    }
    const auto found = std::find(trackedItems.begin(), trackedItems.end(), *shownItem);
    if (found != trackedItems.end()) {
        entries.selected = static_cast<std::size_t>(found - trackedItems.begin());
        return entries;
    }
    entries.selected = entries.items.size();
    entries.items.push_back(*shownItem);
    entries.captions.push_back(*shownItem + std::string(kNoLongerTrackedMark));
    return entries;
}

} // namespace tallywick
