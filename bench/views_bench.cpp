// The history views over a long history: each must stay one pass over the records.

#include "core/views/dailytext.h"
#include "core/views/downloadsources.h"
#include "core/views/filechart.h"
#include "core/views/historytext.h"
#include "core/views/monthlychart.h"
#include "core/views/periodcomparison.h"
#include "core/views/weekdaychart.h"
#include "core/views/zerocountdays.h"

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;
using namespace tallywick;

constexpr sys_days kToday{2004y / December / 5};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const std::vector<std::string> kTracked = {"/quarnel/shareware/pelmor.exe", "/quarnel/shareware/pelmor.zip",
                                           "/quarnel/docs/manual.pdf"};

// A year of downloads ending today, in ascending date order, spread evenly over the days; a
// record in fifty is of an item that is no longer tracked. Referrers come from some thirty
// sites (a fifth of them none), user agents from seven programs.
const std::vector<std::string>& History(std::size_t records)
{
    static std::vector<std::string> history;
    if (history.size() == records)
        return history;
    history.clear();
    history.reserve(records);
    const sys_days first = kToday - days{364};
    for (std::size_t i = 0; i < records; ++i) {
        const year_month_day date{first + days{static_cast<int>(i * 365 / records)}};
        const auto path = i % 50 == 0 ? std::string("/quarnel/old/pelmor.lzh") : kTracked[i % kTracked.size()];
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%02u/%s/%04d:%02zu:%02zu:%02zu", static_cast<unsigned>(date.day()),
                      kMonths[static_cast<unsigned>(date.month()) - 1], static_cast<int>(date.year()), i % 24, i % 60,
                      i % 59);
        const auto referrer =
            i % 5 == 0 ? std::string("-")
                       : "https://www.site" + std::to_string(i % 31) + ".example/page?i=" + std::to_string(i);
        history.push_back("198.51.100." + std::to_string(i % 250) + " - - [" + stamp + " -0800] \"GET " + path +
                          " HTTP/1.1\" 200 48213 \"" + referrer + "\" \"Agent/" + std::to_string(i % 7) + ".0\"");
    }
    return history;
}

void BM_HistoryText(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(HistoryText(history, kTracked[1]));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_DailyText(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DailyText(history, kTracked, 1, kToday - days{1}));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ZeroCountDays(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    // An item never downloaded: every record is examined, the longest walk there is.
    const std::vector<std::string> untouched = {"/never/downloaded.zip"};
    for (auto _ : state)
        benchmark::DoNotOptimize(FindZeroCountDays(history, untouched, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_MonthlyChart(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(MonthlyChart(history, kTracked, 1, 24, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WeekdayChart(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(WeekdayChart(history, kTracked, 1, WeekdayMeasure::Average, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FileChart(benchmark::State& state)
{
    const auto& history = History(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FileChart(history, kTracked, TimeSpan::Year, kToday, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

std::vector<std::string_view> Views(const std::vector<std::string>& records)
{
    return {records.begin(), records.end()};
}

// This year against the last: nearly every record falls in one of the two.
void BM_ComparePeriods(benchmark::State& state)
{
    const auto records = Views(History(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(ComparePeriods(records, kTracked, ComparedSpan::Year, kToday));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Every download of the year, whatever the item.
void BM_DownloadSources(benchmark::State& state)
{
    const auto records = Views(History(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(DownloadSources(records, std::nullopt, {kToday - days{364}, kToday}));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_HistoryText)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DailyText)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZeroCountDays)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthlyChart)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeekdayChart)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileChart)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComparePeriods)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DownloadSources)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
