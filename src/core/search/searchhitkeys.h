#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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
    explicit SearchHitKeys(std::int64_t splitTime);
    SearchHitKeys(SearchHitKeys&&) = delete; // the containers keep pointers into the arena

    // True when key repeats a key added before.
    bool IsSplitDownload(std::string_view key) const;
    // Remembers the key of an accepted hit.
    void add(std::string_view key);
    // Both, reading the key once: whether it repeats an earlier key, which it then joins.
    bool addAndCheck(std::string_view key);

private:
    // One host's minutes, in ascending order.
    using Minutes = std::pmr::vector<std::int64_t>;
    // Hosts in order, so that the hosts beginning with a host follow it.
    using Hosts = std::pmr::map<std::pmr::string, Minutes, std::less<>>;
    // A host's first nine characters: every host that begins with it shares them, since a host
    // is at least that long.
    struct Beginning {
        std::uint64_t first8;
        unsigned char ninth;
        bool operator==(const Beginning&) const = default;
    };
    struct BeginningHash {
        std::size_t operator()(const Beginning& beginning) const noexcept;
    };
    struct Key {
        std::string_view host; // empty when the separator is not found from character 10
        std::int64_t minute = 0;
        bool dated = false;
    };

    static Key read(std::string_view key);
    static Beginning BeginningOf(std::string_view host);
    static void insertMinute(Minutes& minutes, std::int64_t minute);
    bool repeats(const Key& parts) const;
    bool withinWindow(const Minutes& minutes, std::int64_t minute) const;
    bool anyWithin(const Hosts& hosts, std::string_view prefix, std::int64_t minute) const;
    const Hosts* hostsBeginningLike(std::string_view host) const;
    void insert(std::string_view key, const Key& parts);

    std::int64_t splitTime_;
    // Everything below lives as long as one search and is let go at once: allocations are a
    // pointer bump, and neighbours in time are neighbours in memory.
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::unordered_map<Beginning, Hosts, BeginningHash> byBeginning_{&arena_};
    // Keys without a host found from character 10, by the whole key (short hosts, odd lines).
    Hosts withoutHost_{&arena_};
    // How many of those have no blank in their first nine characters: only such a key, or a host
    // holding a blank, can make one of them begin with a host.
    std::size_t blankFreeKeysWithoutHost_ = 0;
};

} // namespace tallywick
