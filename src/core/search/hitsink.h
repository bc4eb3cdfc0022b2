#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tallywick {

// One counted hit, as the search hands it on. The line is valid during the call only.
struct SearchHit {
    int panel = 0;
    std::string_view line;
    std::size_t requestEnd = 0; // the blank after the match (1-based), 0 when there is none
    bool repeated = false;      // repeats a split download: it never goes towards the history
    std::uint64_t offset = 0;   // where the line begins, in bytes from the start of all that was fed
};

// What to do with the hits is the caller's: build the result boxes, collect downloads, count.
// Hits arrive in report order; a line that both panels hit comes for panel 0 first. A repeat
// arrives only when it is counted (No duplicates off).
class HitSink {
public:
    virtual void take(const SearchHit& hit) = 0;

protected:
    ~HitSink() = default;
};

} // namespace tallywick
