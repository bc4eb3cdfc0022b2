#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace tallywick {

// The time keys of one panel's accepted hits in the current report, indexed so that telling a
// split download costs a few look-ups instead of a walk over every earlier key.
//
// The rule it answers: a hit repeats an earlier one when the earlier key begins with the current
// key's host (a prefix test: "192.168.1.1" also takes "192.168.1.10") and their times, cut to
// the whole minute, lie less than splitTime minutes apart in either direction. Keys whose
// date-time is 0 or below take no part.
class SearchHitKeys {
public:
    explicit SearchHitKeys(std::int64_t splitTime) : splitTime_(splitTime) {}

    // True when key repeats a key added before.
    bool IsSplitDownload(std::string_view key) const;

    // Remembers the key of an accepted hit.
    void add(std::string_view key);

private:
    using Minutes = std::set<std::int64_t>;
    bool withinWindow(const Minutes& minutes, std::int64_t minute) const;

    std::int64_t splitTime_;
    // Keys grouped by their host.
    std::map<std::string, Minutes, std::less<>> byHost_;
    // Keys without a host found from character 10, by the whole key (rare: short hosts, odd lines).
    std::map<std::string, Minutes, std::less<>> withoutHost_;
};

} // namespace tallywick
