#include "core/history/alltimerecords.h"

#include "core/history/historydate.h"
#include "core/views/recordrules.h"

#include <algorithm>
#include <unordered_set>

namespace tallywick {

using namespace std::chrono;

std::vector<std::string_view> AllTimeRecords(const std::vector<std::string>& archived,
                                             const std::vector<std::string>& history,
                                             const std::vector<std::string>& removedForAge)
{
    std::vector<std::string_view> records;
    records.reserve(archived.size() + history.size() + removedForAge.size());
    std::unordered_set<std::string_view> held;
    for (const auto* list : {&history, &removedForAge}) {
        for (const auto& record : *list) {
            if (record.empty())
                continue;
            records.push_back(record);
            held.insert(record);
        }
    }
    for (const auto& record : archived) {
        if (!record.empty() && !held.contains(record))
            records.push_back(record);
    }
    return records;
}

std::vector<AllTimeTotal> AllTimeTotals(const std::vector<std::string_view>& records,
                                        const std::vector<std::string>& trackedItems)
{
    std::vector<AllTimeTotal> totals;
    for (const auto& item : trackedItems) {
        if (std::none_of(totals.begin(), totals.end(), [&](const AllTimeTotal& t) { return t.item == item; }))
            totals.push_back({item, 0, {}, {}});
    }
    if (totals.empty())
        return totals;
    for (const auto record : records) {
        const auto requestStart = RequestPartStart(record);
        std::optional<year_month> month;
        bool dated = false;
        for (auto& total : totals) {
            if (FindText(requestStart, record, total.item) == 0)
                continue;
            ++total.total;
            if (!dated) {
                dated = true;
                if (const auto day = RecordDay(record)) {
                    const year_month_day date{*day};
                    month = date.year() / date.month();
                }
            }
            if (month) {
                total.first = total.first ? std::min(*total.first, *month) : *month;
                total.last = total.last ? std::max(*total.last, *month) : *month;
            }
        }
    }
    return totals;
}

std::int64_t AllTimeCount(const std::vector<std::string_view>& records, std::optional<std::string_view> item)
{
    if (!item)
        return static_cast<std::int64_t>(records.size());
    return std::count_if(records.begin(), records.end(),
                         [&](std::string_view record) { return HoldsItemInRequestPart(record, *item); });
}

} // namespace tallywick
