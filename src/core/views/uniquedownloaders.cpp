#include "core/views/uniquedownloaders.h"

#include "core/log/logfields.h"
#include "core/views/recordrules.h"

#include <algorithm>

namespace tallywick {

std::uint32_t DailyDownloaders::numberOf(std::unordered_map<std::string_view, std::uint32_t>& numbers,
                                         std::string_view text)
{
    return numbers.try_emplace(text, static_cast<std::uint32_t>(numbers.size())).first->second;
}

void DailyDownloaders::add(std::chrono::sys_days day, std::string_view record)
{
    const auto fields = ReadLogFields(record, LogFieldsWanted::AllButTime);
    seen_.push_back({day.time_since_epoch().count(), numberOf(clients_, fields.client),
                     numberOf(agents_, fields.userAgent.value_or(std::string_view()))});
}

std::int64_t DailyDownloaders::count()
{
    if (unique_ != seen_.size()) {
        std::sort(seen_.begin(), seen_.end());
        seen_.erase(std::unique(seen_.begin(), seen_.end()), seen_.end());
        unique_ = seen_.size();
    }
    return static_cast<std::int64_t>(unique_);
}

std::vector<std::int64_t> UniquePerDay(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& items, const Period& period)
{
    std::vector<DailyDownloaders> downloaders(items.size());
    for (const auto record : records) {
        const auto requestStart = RequestPartStart(record);
        std::optional<std::chrono::sys_days> day;
        bool dated = false;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (record.empty() || FindText(requestStart, record, items[i]) == 0)
                continue;
            if (!dated) {
                dated = true;
                day = RecordDay(record);
            }
            if (day && period.contains(*day))
                downloaders[i].add(*day, record);
        }
    }
    std::vector<std::int64_t> counts;
    counts.reserve(items.size());
    for (auto& perItem : downloaders)
        counts.push_back(perItem.count());
    return counts;
}

} // namespace tallywick
