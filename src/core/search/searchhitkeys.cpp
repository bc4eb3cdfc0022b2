#include "core/search/searchhitkeys.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {
namespace {

// Hosts are at least nine characters: the separator is searched from character 10.
constexpr std::size_t kShortestHost = kSeparatorSearchStart - 1;
constexpr std::size_t kFilterBits = std::size_t{1} << 23;

// FNV-1a, one byte at a time, so that every beginning of a text gets its hash in one pass.
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;
constexpr std::uint64_t NextHash(std::uint64_t hash, char c)
{
    return (hash ^ static_cast<unsigned char>(c)) * kFnvPrime;
}

std::uint64_t HashOf(std::string_view text)
{
    std::uint64_t hash = kFnvOffset;
    for (const char c : text)
        hash = NextHash(hash, c);
    return hash;
}

// Two bits of the filter per hash.
std::pair<std::size_t, std::size_t> FilterBits(std::uint64_t hash)
{
    return {static_cast<std::size_t>(hash % kFilterBits), static_cast<std::size_t>((hash >> 32) % kFilterBits)};
}

} // namespace

SearchHitKeys::SearchHitKeys(std::int64_t splitTime) : splitTime_(splitTime) {}

void SearchHitKeys::insertMinute(Minutes& minutes, std::int64_t minute)
{
    // Reports run forward in time, so this is nearly always an append.
    if (minutes.empty() || minutes.back() <= minute)
        minutes.push_back(minute);
    else
        minutes.insert(std::upper_bound(minutes.begin(), minutes.end(), minute), minute);
}

SearchHitKeys::Key SearchHitKeys::read(std::string_view key)
{
    const auto time = KeyDateTime(key);
    return {HostOfKey(key), time.wholeMinutes(), time.isDate()};
}

bool SearchHitKeys::withinWindow(const Minutes& minutes, std::int64_t minute) const
{
    // Some earlier minute x with -splitTime < minute - x < splitTime.
    const auto it = std::upper_bound(minutes.begin(), minutes.end(), minute - splitTime_);
    return it != minutes.end() && *it < minute + splitTime_;
}

void SearchHitKeys::markExtendedPrefixes(std::string_view host)
{
    if (extendedPrefixes_.empty())
        extendedPrefixes_.assign(kFilterBits / 64, 0); // only once some host is seen
    std::uint64_t hash = kFnvOffset;
    for (std::size_t length = 1; length < host.size(); ++length) {
        hash = NextHash(hash, host[length - 1]);
        if (length < kShortestHost)
            continue;
        const auto [a, b] = FilterBits(hash);
        extendedPrefixes_[a / 64] |= std::uint64_t{1} << (a % 64);
        extendedPrefixes_[b / 64] |= std::uint64_t{1} << (b % 64);
    }
}

bool SearchHitKeys::mayBeExtended(std::string_view host) const
{
    if (extendedPrefixes_.empty())
        return false;
    const auto [a, b] = FilterBits(HashOf(host));
    return (extendedPrefixes_[a / 64] >> (a % 64) & 1) != 0 && (extendedPrefixes_[b / 64] >> (b % 64) & 1) != 0;
}

bool SearchHitKeys::repeats(const Key& parts) const
{
    const auto host = parts.host;
    if (host.empty() || !parts.dated || splitTime_ <= 0)
        return false;
    const auto minute = parts.minute;

    // An earlier key begins with the host when its own host is the same...
    if (const auto same = byHost_.find(host); same != byHost_.end() && withinWindow(same->second, minute))
        return true;
    // ...or a longer one that begins with it...
    if (mayBeExtended(host)) {
        if (const auto sharing = byBeginning_.find(host.substr(0, kShortestHost)); sharing != byBeginning_.end()) {
            for (const auto* group : sharing->second) {
                if (group->first.size() > host.size() && group->first.starts_with(host) &&
                    withinWindow(group->second, minute))
                    return true;
            }
        }
    }
    // ...or, on odd lines, when the host is an earlier host followed by the start of the
    // separator (an earlier host is never followed by the whole separator)...
    for (std::size_t cut = 1; cut < kSeparator.size() && cut < host.size(); ++cut) {
        if (!host.ends_with(kSeparator.substr(0, cut)))
            continue;
        const auto group = byHost_.find(host.substr(0, host.size() - cut));
        if (group != byHost_.end() && withinWindow(group->second, minute))
            return true;
    }
    // ...or when an earlier key without a host begins with it.
    if (!withoutHost_.empty() && (blankFreeKeysWithoutHost_ > 0 || host.find(' ') != std::string_view::npos)) {
        for (auto it = withoutHost_.lower_bound(host); it != withoutHost_.end() && it->first.starts_with(host); ++it) {
            if (withinWindow(it->second, minute))
                return true;
        }
    }
    return false;
}

void SearchHitKeys::insert(std::string_view key, const Key& parts)
{
    if (!parts.dated)
        return;
    if (parts.host.empty()) {
        auto group = withoutHost_.find(key);
        if (group == withoutHost_.end()) {
            group = withoutHost_.try_emplace(std::pmr::string(key, &arena_)).first;
            if (key.substr(0, kShortestHost).find(' ') == std::string_view::npos)
                ++blankFreeKeysWithoutHost_;
        }
        insertMinute(group->second, parts.minute);
        return;
    }
    auto group = byHost_.find(parts.host);
    if (group == byHost_.end()) {
        group = byHost_.try_emplace(std::pmr::string(parts.host, &arena_)).first;
        byBeginning_[std::string_view(group->first).substr(0, kShortestHost)].push_back(&*group);
        markExtendedPrefixes(parts.host);
    }
    insertMinute(group->second, parts.minute);
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
    const bool repeated = repeats(parts);
    insert(key, parts);
    return repeated;
}

} // namespace tallywick
