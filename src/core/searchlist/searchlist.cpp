#include "core/searchlist/searchlist.h"

#include <algorithm>

namespace tallywick {
namespace {

bool Holds(const std::vector<std::string>& list, const std::string& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

} // namespace

void LoadSearchList(SearchPanelState& panel, const StoredSearchSlots& stored)
{
    panel.SearchLists.clear();
    panel.SavedSearchText = stored[0].value_or(panel.boxText);
    panel.SearchLists.push_back(panel.SavedSearchText);
    for (int k = 1; k < kSearchSlots; ++k) {
        const auto& text = stored[k];
        if (text && !text->empty() && !Holds(panel.SearchLists, *text))
            panel.SearchLists.push_back(*text);
    }
}

void RefillSearchList(SearchPanelState& panel, const std::string& text)
{
    panel.boxList = panel.SearchLists;
    panel.boxText = text;
    panel.LastSearchText = text;
    panel.SearchListChanged = false;
}

void CheckSearchString(SearchPanelState& panel)
{
    if (!panel.boxText.empty() && panel.boxText != panel.LastSearchText)
        AddSearchString(panel);
}

void AddSearchString(SearchPanelState& panel)
{
    if (Holds(panel.SearchLists, panel.boxText))
        return;
    panel.SearchLists.push_back(panel.boxText);
    panel.SearchListChanged = true;
}

std::vector<SlotWrite> SaveSearchList(const SearchPanelState& panel)
{
    constexpr int kLastSlot = kSearchSlots - 1;
    const std::string& current = panel.boxText;
    std::vector<SlotWrite> writes{{0, current}};
    int n = 0;
    const std::string* lastWritten = &current;
    if (current != panel.SavedSearchText) {
        writes.emplace_back(1, panel.SavedSearchText);
        n = 1;
        lastWritten = &panel.SavedSearchText;
    }
    for (const auto& entry : panel.boxList) {
        if (entry.empty() || entry == current || entry == *lastWritten)
            continue;
        if (++n > kLastSlot)
            break;
        writes.emplace_back(n, entry);
        lastWritten = &entry;
    }
    return writes;
}

} // namespace tallywick
