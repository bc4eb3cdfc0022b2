// Throughput of the search engine alone, on reports held in memory: no file reading, no output.
// The reports come from generate-log (seed 1), or from bench/data/access-<N>.log when
// TALLYWICK_BENCH_DATA names that folder.

#include "core/log/lines.h"
#include "core/log/logfields.h"
#include "core/search/reportsearch.h"
#include "core/search/textfinder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tallywick;

constexpr std::size_t kChunkSize = 1 << 20;

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string text(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    return in ? text : std::string{};
}

std::string Generate(std::int64_t lines)
{
    const std::string command = std::string(TALLYWICK_GENERATE_LOG) + " --seed 1 --lines " + std::to_string(lines);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    std::string text;
    char buffer[1 << 16];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        text.append(buffer, got);
    return text;
}

// The report of that many lines, made once per run.
const std::string& Report(std::int64_t lines)
{
    static std::map<std::int64_t, std::string> reports;
    auto& report = reports[lines];
    if (report.empty()) {
        if (const char* folder = std::getenv("TALLYWICK_BENCH_DATA"))
            report = ReadFile(std::string(folder) + "/access-" + std::to_string(lines) + ".log");
        if (report.empty())
            report = Generate(lines);
    }
    return report;
}

void Count(benchmark::State& state, std::string_view report, std::int64_t lines)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(report.size()));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * lines);
}

const std::vector<std::string> kTracked = {"/quarnel/shareware/pelmor.exe", "/quarnel/shareware/pelmor.zip"};

// The whole search of a report in memory, as the main window runs it (No duplicates on).
void BM_SearchReport(benchmark::State& state)
{
    const auto& report = Report(state.range(0));
    for (auto _ : state) {
        auto outcome = SearchReport(report, SearchRequest{}, kTracked, CollectedHits{});
        benchmark::DoNotOptimize(outcome);
    }
    Count(state, report, state.range(0));
}

// The same search with the counts beside "Found", file sizes given and the IPv6 option on.
void BM_SearchReportCountingDownloads(benchmark::State& state)
{
    const auto& report = Report(state.range(0));
    SearchRequest request;
    request.countDownloads = true;
    request.ipv6Network64 = true;
    request.givenSizes = {{"/quarnel/shareware/pelmor.exe", 1'000'000}, {"/quarnel/shareware/pelmor.zip", 60'000}};
    for (auto _ : state) {
        auto outcome = SearchReport(report, request, kTracked, CollectedHits{});
        benchmark::DoNotOptimize(outcome);
    }
    Count(state, report, state.range(0));
}

// Every line read as fields up to its bytes, as the file sizes are found.
void BM_ReadLogFields(benchmark::State& state)
{
    const auto& report = Report(state.range(0));
    for (auto _ : state) {
        std::int64_t status200 = 0;
        ForEachLine(report, [&](std::string_view line) { status200 += ReadLogResponse(line).status == 200; });
        benchmark::DoNotOptimize(status200);
    }
    Count(state, report, state.range(0));
}

// The same search fed in 1 MB chunks, as a file is read.
void BM_ReportSearchChunks(benchmark::State& state)
{
    const std::string_view report = Report(state.range(0));
    for (auto _ : state) {
        const SearchRequest request;
        ResultTextSink texts(request.moreFlags);
        ReportSearch search(request, texts);
        for (std::size_t at = 0; at < report.size(); at += kChunkSize)
            search.feed(report.substr(at, kChunkSize));
        auto result = std::move(texts).finish(std::move(search).finish());
        benchmark::DoNotOptimize(result);
    }
    Count(state, report, state.range(0));
}

// The parts: counting lines, and finding one text over the whole report.
void BM_CountLines(benchmark::State& state)
{
    const auto& report = Report(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLines(report));
    Count(state, report, state.range(0));
}

void BM_TextFinder(benchmark::State& state)
{
    const std::string_view report = Report(state.range(0));
    const TextFinder finder{std::string(kDesignedSearchText0)};
    for (auto _ : state) {
        std::size_t found = 0;
        for (auto at = finder.find(report, 0); at != std::string_view::npos; at = finder.find(report, at + 1))
            ++found;
        benchmark::DoNotOptimize(found);
    }
    Count(state, report, state.range(0));
}

BENCHMARK(BM_SearchReport)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchReportCountingDownloads)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLogFields)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportSearchChunks)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLines)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextFinder)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
