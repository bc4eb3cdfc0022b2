#include "core/history/duplicatepartials.h"

#include "core/log/logline.h"

#include <unordered_set>

namespace tallywick {

bool HasDuplicatePartials(const std::vector<std::string>& History)
{
    std::unordered_set<std::string> keys;
    for (const auto& record : History) {
        if (!record.empty() && IsPartialDownload(record) && !keys.insert(PartialKey(record)).second)
            return true;
    }
    return false;
}

std::int64_t RemoveDuplicatePartials(std::vector<std::string>& History, const UpkeepStatus& status)
{
    if (History.empty())
        return 0;
    Announce(status, {.kind = UpkeepNotice::Kind::Trimming});
    std::unordered_set<std::string> keys;
    std::int64_t removed = 0;
    std::size_t kept = 0;
    for (auto& record : History) {
        if (record.empty())
            continue;
        if (IsPartialDownload(record) && !keys.insert(PartialKey(record)).second) {
            ++removed;
            continue;
        }
        if (&History[kept] != &record)
            History[kept] = std::move(record);
        ++kept;
    }
    History.resize(kept);
    Announce(status, {.kind = UpkeepNotice::Kind::Removed, .removed = static_cast<std::size_t>(removed)});
    return removed;
}

} // namespace tallywick
