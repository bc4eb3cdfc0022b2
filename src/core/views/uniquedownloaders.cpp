#include "core/views/uniquedownloaders.h"

#include "core/log/logfields.h"
#include "core/views/recordrules.h"

#include <functional>

namespace tallywick {

void DailyDownloaders::add(std::chrono::sys_days day, std::string_view record)
{
    const auto fields = ReadLogFields(record);
    seen_.insert({day.time_since_epoch().count(), fields.client, fields.userAgent.value_or(std::string_view())});
}

std::size_t DailyDownloaders::Hash::operator()(const Downloader& downloader) const
{
    const std::hash<std::string_view> text;
    std::size_t hash = std::hash<std::int64_t>{}(downloader.day);
    hash = hash * 31 + text(downloader.client);
    return hash * 31 + text(downloader.agent);
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
    for (const auto& perItem : downloaders)
        counts.push_back(perItem.count());
    return counts;
}

} // namespace tallywick
