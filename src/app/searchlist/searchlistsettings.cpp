#include "app/searchlist/searchlistsettings.h"

#include "app/settings/settingsstore.h"
#include "core/search/reportsearch.h"
#include "core/searchlist/availableitems.h"

namespace tallywick {
namespace {

std::string Bytes(const QString& text)
{
    return text.toStdString();
}

} // namespace

std::string DesignedSearchText(int panel)
{
    return std::string(panel == 0 ? kDesignedSearchText0 : kDesignedSearchText1);
}

StoredSearchSlots ReadSearchSlots(const SettingsStore& settings, int panel)
{
    StoredSearchSlots stored;
    for (int k = 0; k < kSearchSlots; ++k) {
        if (const auto value = settings.find(SearchSlotKey(panel, k)))
            stored[k] = Bytes(*value);
    }
    return stored;
}

std::string StoredSearchText(const SettingsStore& settings, int panel)
{
    const auto value = settings.find(SearchSlotKey(panel, 0));
    return value ? Bytes(*value) : DesignedSearchText(panel);
}

void LoadSearchList(SearchPanelState& state, const SettingsStore& settings, int panel)
{
    LoadSearchList(state, ReadSearchSlots(settings, panel));
}

SearchPanelState LoadSearchPanel(const SettingsStore& settings, int panel)
{
    SearchPanelState state;
    state.boxText = DesignedSearchText(panel);
    LoadSearchList(state, settings, panel);
    RefillSearchList(state, state.SearchLists.front());
    return state;
}

void SaveSearchList(const SearchPanelState& state, SettingsStore& settings, int panel)
{
    for (const auto& [slot, text] : SaveSearchList(state))
        settings.write(SearchSlotKey(panel, slot), QString::fromStdString(text));
}

std::vector<std::string> StoredSearchStrings(const SettingsStore& settings)
{
    std::vector<std::string> values;
    for (int panel = 0; panel < kPanelCount; ++panel) {
        for (const auto& slot : ReadSearchSlots(settings, panel))
            values.push_back(slot.value_or(std::string()));
    }
    return values;
}

std::vector<std::string> FillAvailableList(const SettingsStore& settings, const std::vector<std::string>& trackedItems)
{
    return FillAvailableList(StoredSearchStrings(settings), trackedItems);
}

} // namespace tallywick
