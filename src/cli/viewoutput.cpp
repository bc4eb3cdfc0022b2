#include "cli/viewoutput.h"

#include "cli/labels.h"
#include "core/views/dateformat.h"
#include "core/views/periodtexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tallywick::cli {
namespace {

constexpr int kBarWidth = 40;

Json DateOrNull(const std::optional<std::chrono::sys_days>& day)
{
    return day ? Json::text(FormatDate(*day)) : Json();
}

// "05/2015"
std::string MonthText(std::chrono::year_month month)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%04d", unsigned(month.month()), int(month.year()));
    return text;
}

Json MonthOrNull(const std::optional<std::chrono::year_month>& month)
{
    return month ? Json::text(MonthText(*month)) : Json();
}

Json CoveredJson(std::optional<bool> covered)
{
    return covered ? Json(*covered) : Json();
}

// What the zero-count list shows beside a day.
std::string CoveredText(std::optional<bool> covered)
{
    if (!covered)
        return "";
    return *covered ? "  no downloads" : "  no log";
}

// Whole numbers as such; other values with up to seven significant digits.
std::string ValueText(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return std::to_string(static_cast<std::int64_t>(value));
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", value);
    return text;
}

Json ValueJson(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return Json(static_cast<std::int64_t>(value));
    return Json(value);
}

Json RangeJson(const DayRange& range)
{
    return Json::object()
        .set("from", Json::text(FormatDate(range.first)))
        .set("to", Json::text(FormatDate(range.last)));
}

Json PercentJson(const std::optional<double>& percent)
{
    return percent ? Json(*percent) : Json();
}

Json ComparisonJson(const std::string& span, const PeriodComparison& comparison)
{
    Json items = Json::array();
    for (const auto& item : comparison.items)
        items.push(Json::object()
                       .set("item", Json::text(item.item))
                       .set("current", item.current)
                       .set("previous", item.previous)
                       .set("change", item.change)
                       .set("change_percent", PercentJson(item.changePercent))
                       .set("current_unique_per_day", item.currentUnique)
                       .set("previous_unique_per_day", item.previousUnique));
    return Json::object()
        .set("period", Json::text(span))
        .set("current", RangeJson(comparison.periods.current))
        .set("previous", RangeJson(comparison.periods.previous))
        .set("items", std::move(items));
}

} // namespace

std::string ChartRow(const ChartCategory& category, double largest, std::size_t labelWidth)
{
    // Whole blocks, then one of the eighth blocks for the rest.
    static constexpr std::array<const char*, 8> kEighths = {"", "▏", "▎", "▍", "▌", "▋", "▊", "▉"};
    std::string row = category.label;
    row.append(labelWidth > row.size() ? labelWidth - row.size() : 0, ' ');
    row += "  ";
    const long eighths = largest > 0 ? std::lround(std::max(category.value, 0.0) / largest * kBarWidth * 8) : 0;
    for (long i = 0; i < eighths / 8; ++i)
        row += "█";
    row += kEighths[static_cast<std::size_t>(eighths % 8)];
    row += ' ' + ValueText(category.value);
    return row;
}

Json ToJson(const ViewOutput& view)
{
    if (!view.computed)
        return Json::object().set("computed", false);
    Json json = Json::object();
    if (view.text)
        json.set("text", Json::text(*view.text));
    if (view.hits)
        json.set("hits", *view.hits);
    if (view.hasRange) {
        json.set("from", DateOrNull(view.from));
        json.set("to", DateOrNull(view.to));
    }
    if (view.today)
        json.set("today", Json::text(TodayLabel(*view.today)));
    if (view.categories) {
        Json categories = Json::array();
        for (const auto& category : *view.categories)
            categories.push(
                Json::object().set("label", Json::text(category.label)).set("value", ValueJson(category.value)));
        json.set("categories", std::move(categories));
    }
    if (view.total)
        json.set("total", *view.total);
    if (view.days) {
        Json days = Json::array();
        for (const auto day : *view.days)
            days.push(Json::text(FormatDate(day)));
        json.set("days", std::move(days));
    }
    if (view.covered) {
        Json covered = Json::array();
        for (const auto mark : *view.covered)
            covered.push(CoveredJson(mark));
        json.set("covered", std::move(covered));
    }
    if (view.totals) {
        Json items = Json::array();
        for (std::size_t i = 0; i < view.totals->size(); ++i) {
            const auto& total = (*view.totals)[i];
            auto item = Json::object()
                            .set("item", Json::text(total.item))
                            .set("total", total.total)
                            .set("first", MonthOrNull(total.first))
                            .set("last", MonthOrNull(total.last));
            if (view.uniquePerDay && i < view.uniquePerDay->size())
                item.set("unique_per_day", (*view.uniquePerDay)[i]);
            items.push(std::move(item));
        }
        json.set("items", std::move(items));
    }
    if (view.comparison)
        json = ComparisonJson(view.comparedSpan.value_or(""), *view.comparison);
    if (view.sources) {
        Json sources = Json::array();
        for (const auto& source : view.sources->sources)
            sources.push(Json::object()
                             .set("host", Json::text(source.host))
                             .set("downloads", source.downloads)
                             .set("share_percent", source.percent));
        json.set("total", view.sources->total);
        json.set("sources", std::move(sources));
    }
    return json;
}

void WriteText(const ViewOutput& view, std::ostream& out)
{
    if (!view.computed) {
        out << view.notComputedReason << '\n';
        return;
    }
    for (const auto& caption : view.captions)
        out << caption << '\n';
    if (view.hasRange)
        out << FromLabel(view.from) << '\n' << ToLabel(view.to) << '\n';
    if (view.categories) {
        std::size_t labelWidth = 0;
        double largest = 0;
        for (const auto& category : *view.categories) {
            labelWidth = std::max(labelWidth, category.label.size());
            largest = std::max(largest, category.value);
        }
        out << '\n';
        for (const auto& category : *view.categories)
            out << ChartRow(category, largest, labelWidth) << '\n';
        out << '\n';
    }
    if (view.hits)
        out << HitLabel(*view.hits) << '\n';
    if (view.today)
        out << TodayLabel(*view.today) << '\n';
    if (view.days) {
        for (std::size_t i = 0; i < view.days->size(); ++i)
            out << FormatDate((*view.days)[i])
                << (view.covered && i < view.covered->size() ? CoveredText((*view.covered)[i]) : "") << '\n';
    }
    if (view.totals) {
        for (const auto& total : *view.totals) {
            out << total.total << "  ";
            if (total.first && total.last)
                out << MonthText(*total.first) << " - " << MonthText(*total.last);
            else
                out << "no dated download";
            out << "  " << total.item << '\n';
        }
    }
    if (view.comparison)
        out << JoinLines(ComparisonLines(*view.comparison), "\n");
    if (view.sources)
        out << '\n' << JoinLines(SourcesLines(*view.sources), "\n");
    if (view.text)
        out << '\n' << *view.text;
}

} // namespace tallywick::cli
