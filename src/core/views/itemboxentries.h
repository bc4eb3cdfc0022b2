#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

inline constexpr std::string_view kNoLongerTrackedMark = " (no longer tracked)";

// A view's item box: the items it counts by, the captions it shows, and which entry is picked.
struct ItemBoxEntries {
    std::vector<std::string> items;
    std::vector<std::string> captions;
    std::optional<std::size_t> selected;
};

// The box's entries for the tracked items. The item the box shows keeps its place as the pick:
// when it is no longer tracked it stays, after the tracked ones and marked so, because the
// history still holds its records and the view keeps counting them.
ItemBoxEntries MakeItemBoxEntries(const std::vector<std::string>& trackedItems,
                                  const std::optional<std::string>& shownItem = std::nullopt);

} // namespace tallywick
