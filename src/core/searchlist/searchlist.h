#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tallywick {

// Slots per search panel in the settings: slot 0 the current text, slots 1 to 9 earlier ones.
inline constexpr int kSearchSlots = 10;

// The stored values of one panel's slots; nothing where a key was never written.
using StoredSearchSlots = std::array<std::optional<std::string>, kSearchSlots>;

// One slot to write at exit, in the order they are written.
using SlotWrite = std::pair<int, std::string>;

// One search panel's remembered texts and what its drop-down box shows; the main window mirrors
// boxText and boxList into its combo box.
struct SearchPanelState {
    std::vector<std::string> SearchLists; // no duplicates; grows while the program runs
    std::string SavedSearchText;          // slot 0 as read at load
    std::string LastSearchText;           // what RefillSearchList last put into the box
    bool SearchListChanged = false;       // SearchLists has an entry the box does not list yet
    std::string boxText;                  // the box's current text
    std::vector<std::string> boxList;     // the entries of the box's list
};

// Rebuilds the list from the stored slots: slot 0 (the box's current text when it was never
// written), then every non-empty earlier text not listed yet.
void LoadSearchList(SearchPanelState& panel, const StoredSearchSlots& stored);

// Shows the list in the box and puts text into it.
void RefillSearchList(SearchPanelState& panel, const std::string& text);

// After a search that the user started with a new text: remembers the box's text when it is
// not empty and not what the box was last given.
void CheckSearchString(SearchPanelState& panel);

// Appends the box's text to the list unless it is listed; the box lists it after the next refill.
void AddSearchString(SearchPanelState& panel);

// The slots to write at exit: the current text to slot 0, the text current at load to slot 1
// when the user ended with another one, then the box's other entries in list order, at most nine
// earlier texts in all. Slots not written keep their stored values.
std::vector<SlotWrite> SaveSearchList(const SearchPanelState& panel);

} // namespace tallywick
