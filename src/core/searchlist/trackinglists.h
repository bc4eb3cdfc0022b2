#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The tracking dialog's two lists and its four move buttons: the items that could be tracked
// (available) and those tracked now (selected), both in the order items were added. Items
// are compared exactly.
struct TrackingLists {
    std::vector<std::string> available;
    std::vector<std::string> selected;

    // ">": the available item moves over, unless it is empty text or already selected.
    void addOne(std::optional<std::size_t> index);
    // ">>": every available item moves over, in order, without a duplicate check.
    void addAll();
    // "<": the selected item goes back to the available ones; an empty one just goes.
    void removeOne(std::optional<std::size_t> index);
    // "<<": every selected item goes back, in order, without a duplicate check.
    void removeAll();
};

} // namespace tallywick
