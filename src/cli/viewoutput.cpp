#include "cli/viewoutput.h"

#include "cli/labels.h"
#include "core/views/dateformat.h"

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
        for (const auto& total : *view.totals)
            items.push(Json::object()
                           .set("item", Json::text(total.item))
                           .set("total", total.total)
                           .set("first", MonthOrNull(total.first))
                           .set("last", MonthOrNull(total.last)));
        json.set("items", std::move(items));
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
    if (view.text)
        out << '\n' << *view.text;
}

} // namespace tallywick::cli
