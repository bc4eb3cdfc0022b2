#include "core/search/searchhitkeys.h"

#include "core/log/logline.h"

namespace tallywick {

bool SearchHitKeys::withinWindow(const Minutes& minutes, std::int64_t minute) const
{
    // Some earlier minute x with -splitTime < minute - x < splitTime.
    const auto it = minutes.upper_bound(minute - splitTime_);
    return it != minutes.end() && *it < minute + splitTime_;
}

bool SearchHitKeys::IsSplitDownload(std::string_view key) const
{
    const auto host = HostOfKey(key);
    if (host.empty() || splitTime_ <= 0)
        return false;
    const auto time = KeyDateTime(key);
    if (!time.isDate())
        return false;
    const auto minute = time.wholeMinutes();

    const auto anyWithPrefix = [&](const std::map<std::string, Minutes, std::less<>>& groups) {
        for (auto it = groups.lower_bound(host); it != groups.end() && it->first.starts_with(host); ++it) {
            if (withinWindow(it->second, minute))
                return true;
        }
        return false;
    };
    // An earlier key begins with the host when its own host does...
    if (anyWithPrefix(byHost_) || anyWithPrefix(withoutHost_))
        return true;
    // ...or when the current host is an earlier host followed by the start of the separator
    // (only odd lines have such hosts; an earlier host is never followed by the whole separator).
    for (std::size_t cut = 1; cut < kSeparator.size() && cut < host.size(); ++cut) {
        if (!host.ends_with(kSeparator.substr(0, cut)))
            continue;
        const auto group = byHost_.find(host.substr(0, host.size() - cut));
        if (group != byHost_.end() && withinWindow(group->second, minute))
            return true;
    }
    return false;
}

void SearchHitKeys::add(std::string_view key)
{
    const auto time = KeyDateTime(key);
    if (!time.isDate())
        return;
    const auto host = HostOfKey(key);
    auto& groups = host.empty() ? withoutHost_ : byHost_;
    const auto index = host.empty() ? key : host;
    auto group = groups.find(index);
    if (group == groups.end())
        group = groups.emplace(std::string(index), Minutes{}).first;
    group->second.insert(time.wholeMinutes());
}

} // namespace tallywick
