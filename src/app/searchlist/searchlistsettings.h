#pragma once

#include "core/searchlist/searchlist.h"

#include <string>
#include <vector>

namespace tallywick {

class SettingsStore;

// The designed text of search panel 0 or 1, the default of its slot 0.
std::string DesignedSearchText(int panel);

// The ten stored slots of one panel (keys from SearchSlotKey).
StoredSearchSlots ReadSearchSlots(const SettingsStore& settings, int panel);

// The panel's current text as stored in slot 0, or its designed text.
std::string StoredSearchText(const SettingsStore& settings, int panel);

// LoadSearchList from the settings.
void LoadSearchList(SearchPanelState& state, const SettingsStore& settings, int panel);

// The main window's load for one panel: a box showing its designed text, LoadSearchList, then
// RefillSearchList with the list's first entry.
SearchPanelState LoadSearchPanel(const SettingsStore& settings, int panel);

// SaveSearchList into the settings.
void SaveSearchList(const SearchPanelState& state, SettingsStore& settings, int panel);

// Every stored search string, panel 0 then panel 1, slots 0 to 9 (empty where none is stored):
// what the tracking dialog offers items from.
std::vector<std::string> StoredSearchStrings(const SettingsStore& settings);

// FillAvailableList from the settings.
std::vector<std::string> FillAvailableList(const SettingsStore& settings, const std::vector<std::string>& trackedItems);

} // namespace tallywick
