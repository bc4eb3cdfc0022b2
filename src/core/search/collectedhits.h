#pragma once

#include "core/search/flatmap.h"
#include "core/search/linelist.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// New tracked downloads of this run, in the order they were found, each line once. They wait
// here until they are merged into the history.
class CollectedHits {
public:
    bool contains(std::string_view line) const;
    // Appends the line unless it is already held; true when it was appended.
    bool append(std::string_view line);

    std::size_t size() const { return lines_.size(); }
    bool empty() const { return lines_.empty(); }
    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }
    std::string_view operator[](std::size_t i) const { return lines_[i]; }

private:
    struct Held {};
    LineList lines_;
    FlatMap<std::size_t, Held> index_; // which line of lines_, by the line's hash
};

// Moves the lines of reportHits that contain a tracked item (at or after character 38) into
// collected, unless collected already holds them. True when a line was added, which is when the
// history has unmerged downloads.
bool AddTrackedHits(const LineList& reportHits, const std::vector<std::string>& trackedItems, CollectedHits& collected);
bool AddTrackedHits(const std::vector<std::string>& reportHits, const std::vector<std::string>& trackedItems,
                    CollectedHits& collected);
// The same for one line.
bool AddTrackedHit(std::string_view line, const std::vector<std::string>& trackedItems, CollectedHits& collected);

} // namespace tallywick
