#pragma once

#include "core/search/flatmap.h"
#include "core/search/largeblocks.h"
#include "core/search/linelist.h"

#include <cstdint>
#include <map>
#include <memory_resource>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The time keys of one panel's accepted hits in the current report, indexed so that telling a
// split download costs a few hash look-ups whatever the order of the report.
//
// The rule it answers: a hit repeats an earlier one when the earlier key begins with the current
// key's host (a prefix test: "192.168.1.1" also takes "192.168.1.10") and their times, cut to
// the whole minute, lie less than splitTime minutes apart in either direction. Keys whose
// date-time is 0 or below take no part.
class SearchHitKeys {
public:
    explicit SearchHitKeys(std::int64_t splitTime);

    // True when key repeats a key added before.
    bool IsSplitDownload(std::string_view key) const;
    // Remembers the key of an accepted hit.
    void add(std::string_view key);
    // Both, reading the key once: whether it repeats an earlier key, which it then joins.
    bool addAndCheck(std::string_view key);

    // For counts by download, where each key belongs to a download told by its number: adds the
    // key as addAndCheck does, and returns the download of the earliest key added before (in the
    // order added) that it repeats; it then belongs to that download too. Nothing when it
    // repeats none: it then belongs to newDownload. An object adds its keys either this way or
    // the others, not both.
    std::optional<std::uint32_t> addAndAttribute(std::string_view key, std::uint32_t newDownload);

    // The earlier key a key repeats: its place among the keys added (from 0), and its download.
    struct Match {
        std::uint64_t key = 0;
        std::uint32_t download = 0;
    };
    // As addAndAttribute, telling also which key it was matched to.
    std::optional<Match> addAndMatch(std::string_view key, std::uint32_t newDownload);

    // A time frame this long takes in every pair of readable keys; longer ones are cut to it so
    // that the arithmetic never overflows.
    static constexpr std::int64_t kUnlimited = std::int64_t{1} << 40;

private:
    // A small search keeps to small blocks; a large one's reach a large page after some thousands
    // of hosts.
    static constexpr std::size_t kFirstNodeBlock = std::size_t{64} * 1024;

    struct Key;
    struct Bucket {
        std::uint32_t owner = 0;
        std::int64_t index = 0;
        bool operator==(const Bucket&) const = default;
    };
    // The earliest and latest minute one owner had within one time frame's worth of minutes.
    struct Span {
        std::int64_t first = 0;
        std::int64_t last = 0;
        std::uint32_t lines = 0; // 1 + its entry in bucketLines_, 0 for none (keys not attributed)
    };
    // A key's place among those added, and its download.
    struct Seen {
        std::uint64_t order = 0;
        std::uint32_t download = 0;
    };
    struct MinuteSeen {
        std::int64_t minute = 0;
        Seen seen;
    };
    // What a bucket's keys tell about the earliest of them within a time frame: the earliest of
    // all, and two staircases of the keys that came with a minute later (rising) or earlier
    // (falling) than every key before them. Any other key has an earlier one at a minute as late
    // (as early), which is within whatever frame it is within.
    // The first key begins both staircases; the vectors hold the rest, so that a bucket of one key
    // (most of them) takes no memory of its own.
    struct BucketLines {
        MinuteSeen first;
        std::vector<MinuteSeen> rising;
        std::vector<MinuteSeen> falling;
    };

    Key read(std::string_view key) const;
    // ownBucketHoldsOnlyThis: the key was just added, alone in its host's bucket.
    bool repeats(const Key& key, bool ownBucketHoldsOnlyThis = false) const;
    bool ownerWithin(std::uint32_t owner, std::int64_t minute) const;
    bool neighbourWithin(std::uint32_t owner, std::int64_t minute) const;
    bool anyExtensionWithin(std::string_view host, std::int64_t minute) const;
    bool anyKeyWithoutHostWithin(std::string_view host, std::int64_t minute) const;
    // The key's bucket; nothing for a key that takes no part.
    Span* insert(std::string_view key, const Key& parts);
    // Widens the owner's bucket of the minute to take it; true when the bucket is new.
    std::pair<Span*, bool> addMinute(std::uint32_t owner, std::int64_t minute);
    std::uint32_t hostOwner(const Key& key);

    const std::uint32_t* findHost(std::string_view host, std::uint64_t hash) const;

    // owner: the key's host's, when it is known to be there already; newOwner: made just now, so
    // that it holds no key yet.
    std::optional<Seen> earliestMatch(const Key& key, const std::uint32_t* owner, bool newOwner = false) const;
    std::optional<Seen> earliestWithin(std::uint32_t owner, std::int64_t minute) const;
    void earliestOfExtensions(std::string_view host, std::int64_t minute, std::optional<Seen>& best) const;
    void attribute(Span& span, std::int64_t minute, Seen seen);

    std::int64_t splitTime_;
    LineList hostNames_; // never moved: the views stay valid
    // Per owner (a host, or a key without a host; owners are numbered as they come): whether
    // another host begins with it.
    std::vector<bool> extended_;
    FlatMap<std::string_view, std::uint32_t> hosts_; // host -> owner
    // Before the containers that take their memory from it: it outlives them.
    std::pmr::monotonic_buffer_resource hostNodes_{kFirstNodeBlock, LargeBlockResource()};
    std::pmr::set<std::string_view> hostOrder_{&hostNodes_}; // the hosts that begin with a host follow it
    FlatMap<Bucket, Span> spans_;
    // Keys without a host found from character 10 (short hosts, odd lines), by the whole key.
    std::map<std::string, std::uint32_t, std::less<>> withoutHost_;
    // How many of those have no blank in their first nine characters: only such a key, or a host
    // holding a blank, can make one of them begin with a host.
    std::size_t blankFreeKeysWithoutHost_ = 0;
    std::vector<BucketLines, LargeBlockAllocator<BucketLines>> bucketLines_;
    std::uint64_t added_ = 0; // keys attributed so far
};

} // namespace tallywick
