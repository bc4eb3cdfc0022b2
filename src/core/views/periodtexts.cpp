#include "core/views/periodtexts.h"

#include "core/views/dateformat.h"

#include <cstdio>

namespace tallywick {
namespace {

std::string SignedText(std::int64_t value)
{
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

std::string Padded(std::string text, std::size_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

std::string RangeText(const DayRange& range)
{
    return FormatDate(range.first) + " - " + FormatDate(range.last);
}

} // namespace

std::string PercentText(const std::optional<double>& percent)
{
    if (!percent)
        return "new";
    char text[48];
    std::snprintf(text, sizeof text, "%+.1f %%", *percent);
    std::string shown = text;
    if (const auto point = shown.find(".0 "); point != std::string::npos)
        shown.erase(point, 2);
    return shown == "+0 %" || shown == "-0 %" ? "0 %" : shown;
}

std::vector<std::string> ComparisonLines(const PeriodComparison& comparison)
{
    std::vector<std::string> lines = {"This period:   " + RangeText(comparison.periods.current),
                                      "Period before: " + RangeText(comparison.periods.previous), "",
                                      "      Now   Before   Change   Change %   Unique now   Unique before  Item"};
    for (const auto& item : comparison.items)
        lines.push_back(Padded(std::to_string(item.current), 9) + Padded(std::to_string(item.previous), 9) +
                        Padded(SignedText(item.change), 9) + Padded(PercentText(item.changePercent), 11) +
                        Padded(std::to_string(item.currentUnique), 13) +
                        Padded(std::to_string(item.previousUnique), 16) + "  " + item.item);
    return lines;
}

std::vector<std::string> SourcesLines(const DownloadSourcesResult& sources)
{
    std::vector<std::string> lines;
    for (const auto& source : sources.sources) {
        char share[48];
        std::snprintf(share, sizeof share, "%.1f %%", source.percent);
        lines.push_back(Padded(std::to_string(source.downloads), 9) + Padded(share, 9) + "  " + source.host);
    }
    lines.push_back(Padded(std::to_string(sources.total), 9) + "           downloads in all");
    return lines;
}

std::string MonthComparisonLine(std::int64_t thisMonth, std::int64_t lastMonth)
{
    const auto percent = ChangePercent(thisMonth, lastMonth);
    return "This month: " + std::to_string(thisMonth) + " (last month: " + std::to_string(lastMonth) +
           (percent ? ", " + PercentText(percent) : std::string()) + ")";
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineEnd)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

} // namespace tallywick
