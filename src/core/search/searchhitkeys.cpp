#include "core/search/searchhitkeys.h"

#include "core/log/logline.h"

#include <algorithm>
#include <cstring>

namespace tallywick {
namespace {

// Hosts are at least nine characters: the separator is searched from character 10.
constexpr std::size_t kShortestHost = kSeparatorSearchStart - 1;

} // namespace

SearchHitKeys::SearchHitKeys(std::int64_t splitTime) : splitTime_(splitTime) {}

std::size_t SearchHitKeys::BeginningHash::operator()(const Beginning& beginning) const noexcept
{
    const std::uint64_t mixed = (beginning.first8 ^ (std::uint64_t{beginning.ninth} << 29)) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed ^ (mixed >> 32));
}

SearchHitKeys::Beginning SearchHitKeys::BeginningOf(std::string_view host)
{
    Beginning beginning{};
    std::memcpy(&beginning.first8, host.data(), sizeof beginning.first8);
    beginning.ninth = static_cast<unsigned char>(host[8]);
    return beginning;
}

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

bool SearchHitKeys::anyWithin(const Hosts& hosts, std::string_view prefix, std::int64_t minute) const
{
    for (auto it = hosts.lower_bound(prefix); it != hosts.end() && it->first.starts_with(prefix); ++it) {
        if (withinWindow(it->second, minute))
            return true;
    }
    return false;
}

const SearchHitKeys::Hosts* SearchHitKeys::hostsBeginningLike(std::string_view host) const
{
    const auto found = byBeginning_.find(BeginningOf(host));
    return found == byBeginning_.end() ? nullptr : &found->second;
}

bool SearchHitKeys::repeats(const Key& parts) const
{
    const auto host = parts.host;
    if (host.empty() || !parts.dated || splitTime_ <= 0)
        return false;
    const auto minute = parts.minute;

    // An earlier key begins with the host when its own host does...
    if (const Hosts* hosts = hostsBeginningLike(host); hosts && anyWithin(*hosts, host, minute))
        return true;
    // ...or, on odd lines, when the host is an earlier host followed by the start of the
    // separator (an earlier host is never followed by the whole separator)...
    for (std::size_t cut = 1; cut < kSeparator.size() && host.size() - cut >= kShortestHost; ++cut) {
        if (!host.ends_with(kSeparator.substr(0, cut)))
            continue;
        const auto earlier = host.substr(0, host.size() - cut);
        if (const Hosts* hosts = hostsBeginningLike(earlier)) {
            const auto group = hosts->find(earlier);
            if (group != hosts->end() && withinWindow(group->second, minute))
                return true;
        }
    }
    // ...or when an earlier key without a host begins with it.
    if (!withoutHost_.empty() && (blankFreeKeysWithoutHost_ > 0 || host.find(' ') != std::string_view::npos))
        return anyWithin(withoutHost_, host, minute);
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
    Hosts& hosts = byBeginning_.try_emplace(BeginningOf(parts.host)).first->second;
    auto group = hosts.find(parts.host);
    if (group == hosts.end())
        group = hosts.try_emplace(std::pmr::string(parts.host, &arena_)).first;
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
