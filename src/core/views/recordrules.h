#pragma once

#include "core/history/historydate.h"
#include "core/log/logline.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// How the history views read a record. Its day is RecordDay: a record whose date cannot be
// read has none, and every view passes over it wherever a date decides.

// The item occurs at or after character 38.
constexpr bool HoldsItemAtMatchStart(std::string_view record, std::string_view item)
{
    return MatchPosition(record, item) > 0;
}

// Where the request part begins: just after the first "]" from character 38, or at the first
// character when there is none.
constexpr std::size_t RequestPartStart(std::string_view record)
{
    return FindText(kMatchStart, record, "]") + 1;
}

// The item occurs in the request part (at or after RequestPartStart).
constexpr bool HoldsItemInRequestPart(std::string_view record, std::string_view item)
{
    return FindText(RequestPartStart(record), record, item) > 0;
}

// The selected entry of a list of tracked items; nothing when the index is out of range.
inline std::optional<std::string_view> SelectedItem(const std::vector<std::string>& trackedItems, std::size_t selected)
{
    if (selected >= trackedItems.size())
        return std::nullopt;
    return std::string_view(trackedItems[selected]);
}

} // namespace tallywick
