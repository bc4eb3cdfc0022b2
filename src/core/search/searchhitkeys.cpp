#include "core/search/searchhitkeys.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {
namespace {

// Hosts are at least nine characters: the separator is searched from character 10.
constexpr std::size_t kShortestHost = kSeparatorSearchStart - 1;

// A polynomial hash, so that the hashes of all prefixes of a host come in one pass.
constexpr std::uint64_t kHashBase = 0x100000001B3ull;

constexpr std::uint64_t Extend(std::uint64_t hash, char c)
{
    return hash * kHashBase + static_cast<unsigned char>(c) + 1;
}

// Spreads the bits for the table, whose slot is taken from the low ones.
constexpr std::uint64_t Mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

std::uint64_t HashOf(std::string_view text)
{
    std::uint64_t hash = 0;
    for (const char c : text)
        hash = Extend(hash, c);
    return Mix(hash);
}

// Four neighbouring buckets of an owner share a hash but for its lowest bits, so they lie in
// neighbouring slots: a key's own bucket and the two beside it are mostly one look at memory,
// not three.
constexpr std::uint64_t kBucketsTogether = 4;

std::uint64_t BucketHash(std::uint32_t owner, std::int64_t index)
{
    const auto at = static_cast<std::uint64_t>(index);
    const std::uint64_t group = Mix((std::uint64_t{owner} << 40) ^ (at / kBucketsTogether));
    return (group & ~(kBucketsTogether - 1)) | (at % kBucketsTogether);
}

} // namespace

struct SearchHitKeys::Key {
    std::string_view host; // empty when the separator is not found from character 10
    std::uint64_t hostHash = 0;
    std::int64_t minute = 0;
    bool dated = false;
};

SearchHitKeys::SearchHitKeys(std::int64_t splitTime) : splitTime_(std::min(splitTime, kUnlimited)) {}

SearchHitKeys::Key SearchHitKeys::read(std::string_view key) const
{
    const auto time = KeyDateTime(key);
    const auto host = HostOfKey(key);
    return {host, host.empty() ? 0 : HashOf(host), time.wholeMinutes(), time.isDate()};
}

const std::uint32_t* SearchHitKeys::findHost(std::string_view host, std::uint64_t hash) const
{
    return hosts_.find(hash, host);
}

bool SearchHitKeys::ownerWithin(std::uint32_t owner, std::int64_t minute) const
{
    // Minutes of one time frame's bucket are all within the frame of each other; of the
    // neighbouring buckets only the nearest minute can be, and no other bucket can.
    const std::int64_t index = minute / splitTime_;
    return spans_.find(BucketHash(owner, index), Bucket{owner, index}) || neighbourWithin(owner, minute);
}

bool SearchHitKeys::neighbourWithin(std::uint32_t owner, std::int64_t minute) const
{
    const std::int64_t index = minute / splitTime_;
    if (const Span* before = spans_.find(BucketHash(owner, index - 1), Bucket{owner, index - 1});
        before && before->last > minute - splitTime_)
        return true;
    const Span* after = spans_.find(BucketHash(owner, index + 1), Bucket{owner, index + 1});
    return after && after->first < minute + splitTime_;
}

bool SearchHitKeys::anyExtensionWithin(std::string_view host, std::int64_t minute) const
{
    for (auto it = hostOrder_.upper_bound(host); it != hostOrder_.end() && it->starts_with(host); ++it) {
        if (ownerWithin(*findHost(*it, HashOf(*it)), minute))
            return true;
    }
    return false;
}

bool SearchHitKeys::anyKeyWithoutHostWithin(std::string_view host, std::int64_t minute) const
{
    for (auto it = withoutHost_.lower_bound(host); it != withoutHost_.end() && it->first.starts_with(host); ++it) {
        if (ownerWithin(it->second, minute))
            return true;
    }
    return false;
}

bool SearchHitKeys::repeats(const Key& key, bool ownBucketHoldsOnlyThis) const
{
    const auto host = key.host;
    if (host.empty() || !key.dated || splitTime_ <= 0)
        return false;
    const auto minute = key.minute;

    // An earlier key begins with the host when its own host does...
    if (const auto* owner = findHost(host, key.hostHash)) {
        const bool own = ownBucketHoldsOnlyThis ? neighbourWithin(*owner, minute) : ownerWithin(*owner, minute);
        if (own || (extended_[*owner] && anyExtensionWithin(host, minute)))
            return true;
    } else if (anyExtensionWithin(host, minute)) {
        return true;
    }
    // ...or, on odd lines, when the host is an earlier host followed by the start of the
    // separator (an earlier host is never followed by the whole separator)...
    if (host.back() == ' ' || host.back() == '-') {
        for (std::size_t cut = 1; cut < kSeparator.size() && host.size() - cut >= kShortestHost; ++cut) {
            if (!host.ends_with(kSeparator.substr(0, cut)))
                continue;
            const auto earlier = host.substr(0, host.size() - cut);
            if (const auto* owner = findHost(earlier, HashOf(earlier)); owner && ownerWithin(*owner, minute))
                return true;
        }
    }
    // ...or when an earlier key without a host begins with it.
    if (!withoutHost_.empty() && (blankFreeKeysWithoutHost_ > 0 || host.find(' ') != std::string_view::npos))
        return anyKeyWithoutHostWithin(host, minute);
    return false;
}

std::uint32_t SearchHitKeys::hostOwner(const Key& key)
{
    if (const auto* owner = findHost(key.host, key.hostHash))
        return *owner;
    const std::string_view host = hostNames_.push_back(key.host);
    const auto owner = static_cast<std::uint32_t>(extended_.size());
    extended_.push_back(false);
    hosts_.findOrInsert(key.hostHash, host, owner);

    const auto placed = hostOrder_.insert(host).first;
    const auto next = std::next(placed);
    extended_[owner] = next != hostOrder_.end() && next->starts_with(host);
    // The earlier hosts that this one begins with have an extension now.
    std::uint64_t hash = 0;
    for (std::size_t length = 1; length < host.size(); ++length) {
        hash = Extend(hash, host[length - 1]);
        if (length < kShortestHost)
            continue;
        if (const auto* shorter = hosts_.find(Mix(hash), host.substr(0, length)))
            extended_[*shorter] = true;
    }
    return owner;
}

SearchHitKeys::Span* SearchHitKeys::insert(std::string_view key, const Key& parts)
{
    if (!parts.dated || splitTime_ <= 0)
        return nullptr;
    std::uint32_t owner = 0;
    if (parts.host.empty()) {
        const auto [entry, added] =
            withoutHost_.try_emplace(std::string(key), static_cast<std::uint32_t>(extended_.size()));
        if (added) {
            extended_.push_back(false);
            if (key.substr(0, kShortestHost).find(' ') == std::string_view::npos)
                ++blankFreeKeysWithoutHost_;
        }
        owner = entry->second;
    } else {
        owner = hostOwner(parts);
    }
    return addMinute(owner, parts.minute).first;
}

std::pair<SearchHitKeys::Span*, bool> SearchHitKeys::addMinute(std::uint32_t owner, std::int64_t minute)
{
    const std::int64_t index = minute / splitTime_;
    const auto [span, added] =
        spans_.findOrInsert(BucketHash(owner, index), Bucket{owner, index}, Span{minute, minute});
    if (!added) {
        span->first = std::min(span->first, minute);
        span->last = std::max(span->last, minute);
    }
    return {span, added};
}

bool SearchHitKeys::IsSplitDownload(std::string_view key) const
{
    return repeats(read(key));
}

void SearchHitKeys::add(std::string_view key)
{
    insert(key, read(key));
}

bool SearchHitKeys::addAndCheck(std::string_view key)
{
    const Key parts = read(key);
    if (parts.host.empty() || !parts.dated || splitTime_ <= 0) {
        insert(key, parts);
        return false;
    }
    // The host's own bucket answers most hits at once: an earlier minute there is a repeat.
    if (!addMinute(hostOwner(parts), parts.minute).second)
        return true;
    return repeats(parts, true);
}

namespace {

template <class Seen>
void KeepEarlier(std::optional<Seen>& best, const std::optional<Seen>& other)
{
    if (other && (!best || other->order < best->order))
        best = other;
}

} // namespace

std::optional<SearchHitKeys::Seen> SearchHitKeys::earliestWithin(std::uint32_t owner, std::int64_t minute) const
{
    std::optional<Seen> best;
    const std::int64_t index = minute / splitTime_;
    if (const Span* own = spans_.find(BucketHash(owner, index), Bucket{owner, index}); own && own->lines > 0)
        best = bucketLines_[own->lines - 1].first.seen;
    if (const Span* before = spans_.find(BucketHash(owner, index - 1), Bucket{owner, index - 1});
        before && before->lines > 0 && before->last > minute - splitTime_) {
        const auto& lines = bucketLines_[before->lines - 1];
        const auto tooEarly = [&](const MinuteSeen& entry) { return entry.minute <= minute - splitTime_; };
        if (!tooEarly(lines.first)) {
            KeepEarlier(best, std::optional<Seen>(lines.first.seen));
        } else if (const auto first = std::partition_point(lines.rising.begin(), lines.rising.end(), tooEarly);
                   first != lines.rising.end()) {
            KeepEarlier(best, std::optional<Seen>(first->seen));
        }
    }
    if (const Span* after = spans_.find(BucketHash(owner, index + 1), Bucket{owner, index + 1});
        after && after->lines > 0 && after->first < minute + splitTime_) {
        const auto& lines = bucketLines_[after->lines - 1];
        const auto tooLate = [&](const MinuteSeen& entry) { return entry.minute >= minute + splitTime_; };
        if (!tooLate(lines.first)) {
            KeepEarlier(best, std::optional<Seen>(lines.first.seen));
        } else if (const auto first = std::partition_point(lines.falling.begin(), lines.falling.end(), tooLate);
                   first != lines.falling.end()) {
            KeepEarlier(best, std::optional<Seen>(first->seen));
        }
    }
    return best;
}

void SearchHitKeys::earliestOfExtensions(std::string_view host, std::int64_t minute, std::optional<Seen>& best) const
{
    for (auto it = hostOrder_.upper_bound(host); it != hostOrder_.end() && it->starts_with(host); ++it)
        KeepEarlier(best, earliestWithin(*findHost(*it, HashOf(*it)), minute));
}

// The same candidates as repeats(), all of them, for the earliest.
std::optional<SearchHitKeys::Seen> SearchHitKeys::earliestMatch(const Key& key, const std::uint32_t* owner,
                                                                bool newOwner) const
{
    const auto host = key.host;
    if (host.empty() || !key.dated || splitTime_ <= 0)
        return std::nullopt;
    const auto minute = key.minute;
    std::optional<Seen> best;
    if (owner == nullptr)
        owner = findHost(host, key.hostHash);
    if (owner != nullptr) {
        if (!newOwner)
            best = earliestWithin(*owner, minute);
        if (extended_[*owner])
            earliestOfExtensions(host, minute, best);
    } else {
        earliestOfExtensions(host, minute, best);
    }
    if (host.back() == ' ' || host.back() == '-') {
        for (std::size_t cut = 1; cut < kSeparator.size() && host.size() - cut >= kShortestHost; ++cut) {
            if (!host.ends_with(kSeparator.substr(0, cut)))
                continue;
            const auto earlier = host.substr(0, host.size() - cut);
            if (const auto* shorter = findHost(earlier, HashOf(earlier)))
                KeepEarlier(best, earliestWithin(*shorter, minute));
        }
    }
    if (!withoutHost_.empty() && (blankFreeKeysWithoutHost_ > 0 || host.find(' ') != std::string_view::npos)) {
        for (auto it = withoutHost_.lower_bound(host); it != withoutHost_.end() && it->first.starts_with(host); ++it)
            KeepEarlier(best, earliestWithin(it->second, minute));
    }
    return best;
}

void SearchHitKeys::attribute(Span& span, std::int64_t minute, Seen seen)
{
    const MinuteSeen entry{minute, seen};
    if (span.lines == 0) {
        bucketLines_.push_back({entry, {}, {}});
        span.lines = static_cast<std::uint32_t>(bucketLines_.size());
        return;
    }
    BucketLines& lines = bucketLines_[span.lines - 1];
    if (minute > (lines.rising.empty() ? lines.first : lines.rising.back()).minute)
        lines.rising.push_back(entry);
    if (minute < (lines.falling.empty() ? lines.first : lines.falling.back()).minute)
        lines.falling.push_back(entry);
}

std::optional<std::uint32_t> SearchHitKeys::addAndAttribute(std::string_view key, std::uint32_t newDownload)
{
    const auto match = addAndMatch(key, newDownload);
    if (!match)
        return std::nullopt;
    return match->download;
}

std::optional<SearchHitKeys::Match> SearchHitKeys::addAndMatch(std::string_view key, std::uint32_t newDownload)
{
    const Key parts = read(key);
    std::optional<Seen> earlier;
    Span* span = nullptr;
    if (!parts.host.empty() && parts.dated && splitTime_ > 0) {
        // The host is made an owner first, before its minute is added: a new host is then looked
        // up among the others once, and it has no key yet that the match could find.
        const auto owners = extended_.size();
        const std::uint32_t owner = hostOwner(parts);
        earlier = earliestMatch(parts, &owner, extended_.size() > owners);
        span = addMinute(owner, parts.minute).first;
    } else {
        earlier = earliestMatch(parts, nullptr);
        span = insert(key, parts);
    }
    const std::uint32_t download = earlier ? earlier->download : newDownload;
    const Seen seen{added_++, download};
    if (span != nullptr)
        attribute(*span, parts.minute, seen);
    if (!earlier)
        return std::nullopt;
    return Match{earlier->order, download};
}

} // namespace tallywick
