#include "core/search/reportorder.h"

#include "core/log/lines.h"
#include "core/log/logline.h"

#include <algorithm>
#include <numeric>

namespace tallywick {

std::optional<DateValue> FirstLineDate(std::string_view text)
{
    std::optional<DateValue> first;
    std::size_t begin = 0;
    while (!first && begin < text.size()) {
        const auto end = FindLineBreak(text, begin);
        const auto line = text.substr(begin, end - begin);
        if (RecordDate(line).isDate()) // a time alone is no date
            first = KeyDateTime(TimeKey(line));
        begin = SkipLineBreak(text, end);
    }
    return first;
}

std::vector<std::size_t> OldestFirst(const std::vector<std::optional<DateValue>>& firstDates)
{
    std::vector<std::size_t> order(firstDates.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto& left = firstDates[a];
        const auto& right = firstDates[b];
        if (left && right)
            return *left < *right;
        return left.has_value() && !right.has_value();
    });
    return order;
}

} // namespace tallywick
