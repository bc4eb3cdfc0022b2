#include "core/history/reportcoverage.h"

#include "core/history/historydate.h"
#include "core/log/lines.h"
#include "core/log/logline.h"
#include "core/views/calendar.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tallywick {

using namespace std::chrono;

namespace {

void SortUnique(std::vector<sys_days>& days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
}

// The time stamp's date text, cut as RecordDate cuts it.
std::string_view DateText(std::string_view line)
{
    const auto dateStart = FindText(kSeparatorSearchStart, line, "[") + 1;
    const auto colon = FindText(dateStart, line, ":");
    if (colon <= dateStart)
        return {};
    return Mid(line, dateStart, colon - dateStart);
}

} // namespace

DayCoverage CoverageOf(const ReportCoverage& coverage, sys_days day)
{
    if (std::binary_search(coverage.days.begin(), coverage.days.end(), day))
        return DayCoverage::Covered;
    return day >= coverage.knownFrom ? DayCoverage::NoLog : DayCoverage::Unknown;
}

void ReportDays::addLine(std::string_view line)
{
    const auto text = DateText(line);
    if (text.empty() || text == lastDateText_)
        return;
    lastDateText_.assign(text);
    if (const auto day = RecordDay(line)) {
        if (days_.empty() || days_.back() != *day)
            days_.push_back(*day);
    }
}

void ReportDays::addLines(std::string_view lines)
{
    ForEachLine(lines, [this](std::string_view line) { addLine(line); });
}

void ReportDays::addDays(const std::vector<sys_days>& days)
{
    days_.insert(days_.end(), days.begin(), days.end());
}

std::vector<sys_days> ReportDays::days() const
{
    auto days = days_;
    SortUnique(days);
    return days;
}

void AddCoveredDays(ReportCoverage& coverage, const std::vector<sys_days>& days)
{
    coverage.days.insert(coverage.days.end(), days.begin(), days.end());
    SortUnique(coverage.days);
}

void TrimCoverage(ReportCoverage& coverage, sys_days today, int TimeLimit)
{
    std::erase_if(coverage.days, [&](sys_days day) { return !WithinTimeLimit(day, today, TimeLimit); });
}

sys_days NewCoverageStart(bool historyWasEmpty, sys_days today, int TimeLimit)
{
    if (!historyWasEmpty)
        return today;
    const year_month_day date{today};
    return sys_days{(date.year() / date.month() - months{ValidTimeLimit(TimeLimit) - 1}) / 1};
}

std::optional<ReportCoverage> ParseCoverage(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return std::nullopt;
    // An editor may have saved the file with a byte-order mark; the dates are the same.
    std::string_view first = lines.front();
    if (first.starts_with("\xEF\xBB\xBF"))
        first.remove_prefix(3);
    const auto start = ParseIsoDay(first);
    if (!start)
        return std::nullopt;
    ReportCoverage coverage{*start, {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (const auto day = ParseIsoDay(lines[i]))
            coverage.days.push_back(*day);
    }
    SortUnique(coverage.days);
    return coverage;
}

std::vector<std::string> CoverageLines(const ReportCoverage& coverage)
{
    std::vector<std::string> lines;
    lines.reserve(coverage.days.size() + 1);
    lines.push_back(IsoDate(coverage.knownFrom));
    for (const auto day : coverage.days)
        lines.push_back(IsoDate(day));
    return lines;
}

std::string IsoDate(sys_days day)
{
    const year_month_day date{day};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

std::optional<sys_days> ParseIsoDay(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t length) -> std::optional<unsigned> {
        unsigned value = 0;
        const auto* first = text.data() + from;
        const auto* end = first + length;
        const auto [ptr, error] = std::from_chars(first, end, value);
        if (error != std::errc{} || ptr != end)
            return std::nullopt;
        return value;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day date{year{static_cast<int>(*y)}, month{*m}, day{*d}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date};
}

} // namespace tallywick
