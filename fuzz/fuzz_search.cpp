// libFuzzer target for the report search and the line cuts it stands on.
//
// Input: up to 8 control bytes, then the report. The control bytes choose the two search texts
// (a designed text, the empty text, or a piece of the report), the switches, the split time and
// the chunk sizes; the report is every byte after them. Checked on every input:
//   - every cut of an access-log line, on the report as one line and as a time key, stays
//     within its text and keeps the shape it promises (a prefix, a suffix, a position);
//   - date and time texts read as whole days and as times within one day;
//   - the split-download index agrees with walking every earlier key;
//   - the line assembler passes every byte on once, in whole lines;
//   - the search fed in random chunks, the search of the whole report and the plain reading
//     of the rules give the same counts, texts and hits; the line count is the count by the
//     CR / LF / CR LF rule; all hits are the sum of the panels' hits.
//   - the text finder finds what std::string_view::find finds.
// Sanitizers (address, undefined) catch what the checks do not.
//
// Every byte scan runs at the vector level that TALLYWICK_FUZZ_SIMD names ("scalar", "sse2",
// "avx2"; the widest this processor has when unset), so that each path is fuzzed on its own.

#include "core/log/datevalue.h"
#include "core/log/lines.h"
#include "core/log/logline.h"
#include "core/search/collectedhits.h"
#include "core/search/reportsearch.h"
#include "core/search/searchhitkeys.h"
#include "core/search/textfinder.h"

#include "support/chunkedsearch.h"
#include "support/plainsearch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace tallywick;

SimdLevel gLevel = BestSimdLevel();

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// Small, seeded and the same everywhere: chunk sizes follow the input.
class Chunker {
public:
    explicit Chunker(std::uint32_t seed) : state_(seed | 1U) {}
    std::size_t next(std::size_t limit)
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return 1 + state_ % limit;
    }

private:
    std::uint32_t state_;
};

struct Controls {
    std::array<std::uint8_t, 3> text0{};
    std::array<std::uint8_t, 3> text1{};
    std::uint8_t switches = 0;
    std::uint8_t chunkSeed = 0;
};

std::string ChooseText(const std::array<std::uint8_t, 3>& control, std::string_view report, int panel)
{
    const std::size_t length = control[2] % 48;
    switch (control[0] % 4) {
    case 0:
        return std::string(panel == 0 ? kDesignedSearchText0 : kDesignedSearchText1);
    case 1:
        return {};
    case 2: // any piece of the report
        return report.empty() ? std::string() : std::string(Mid(report, 1 + control[1] * 97 % report.size(), length));
    default: // a piece of the first line from character 38 on, where hits are
        return std::string(
            Mid(report.substr(0, FindLineBreak(report, 0, gLevel)), kMatchStart + control[1] % 64, length));
    }
}

// The rule itself, one byte at a time.
std::size_t CountLinesByTheRule(std::string_view text)
{
    std::size_t lines = 0;
    ForEachLine(
        text, [&](std::string_view) { ++lines; }, gLevel);
    std::size_t byBytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++byBytes;
    }
    if (!text.empty() && !IsLineBreak(text.back()))
        ++byBytes;
    Check(lines == byBytes, "ForEachLine and the byte rule count alike");
    return byBytes;
}

// A cut is a view into the text it was cut from (an empty cut may point anywhere).
bool IsPrefix(std::string_view part, std::string_view whole)
{
    return part.empty() || (part.data() == whole.data() && part.size() <= whole.size());
}

bool IsSuffix(std::string_view part, std::string_view whole)
{
    return part.empty() || (part.data() + part.size() == whole.data() + whole.size() && part.size() <= whole.size());
}

void CheckDateTexts(std::string_view text)
{
    const auto date = DateValueOf(text);
    // Years before 1900 read as days below 0, which count as no date where dates are compared.
    Check(date.seconds() % DateValue::kSecondsPerDay == 0, "a date text reads as a whole day");
    const auto time = TimeValueOf(text);
    Check(time.seconds() >= 0 && time.seconds() < DateValue::kSecondsPerDay, "a time text reads within one day");
    if (const auto day = DayOf(date))
        Check(DateValue::fromDay(*day) == date, "a date value's day gives the value back");
}

void CheckCuts(std::string_view line, std::string_view text)
{
    const auto match = MatchPosition(line, text);
    Check(match == 0 || (match >= kMatchStart && line.substr(match - 1).starts_with(text)),
          "a match lies at or after character 38 and holds the text");
    if (match > 0) {
        const auto end = RequestEnd(line, match, text);
        Check(end == 0 || (end >= match + text.size() && line[end - 1] == ' '),
              "the request ends at a blank after the match");
        const auto status = StatusPart(line, end);
        Check(IsSuffix(status, line), "the status part is the end of the line");
    }
    const auto from = StatusFrom(line);
    Check(from == kStatusOffset || (from > kProtocolSearchStart && from <= line.size() + kStatusOffset),
          "the status search starts after HTTP/ or at 8");
    const bool accepted = StatusAccepted(line);
    Check(accepted == (HoldsStatus(line, kStatus200) || HoldsStatus(line, kStatus206) || HoldsStatus(line, kStatus304)),
          "an accepted status is one of the three");
    Check(IsPartialDownload(line) == HoldsStatus(line, kStatus206), "a partial download holds 206");

    const auto colon = DateColon(line);
    Check(colon == 0 || line[colon - 1] == ':', "the date colon is a colon");
    const auto key = TimeKey(line);
    Check(IsPrefix(key, line), "the time key begins the line");
    for (const auto cut : {line, key}) {
        const auto host = HostOfKey(cut);
        Check(IsPrefix(host, cut), "the host begins its key");
        Check(host.empty() || cut.substr(host.size()).starts_with(kSeparator), "the separator follows the host");
        (void)KeyDateTime(cut);
        const auto day = RecordDate(cut);
        Check(day.seconds() % DateValue::kSecondsPerDay == 0, "a record date has no time of day");
        const auto partial = PartialKey(cut);
        Check(std::string_view(partial).starts_with(Left(cut, DateColon(cut))), "a partial key begins with the date");
    }
}

void CheckSplitDownloads(std::string_view report, std::int64_t splitTime)
{
    SearchHitKeys keys(splitTime);
    std::vector<std::string> earlier;
    ForEachLine(report, [&](std::string_view line) {
        const auto key = TimeKey(line);
        Check(keys.IsSplitDownload(key) == plain::IsSplitDownload(earlier, key, splitTime),
              "the key index agrees with walking every earlier key");
        keys.add(key);
        earlier.emplace_back(key);
    });
}

void CheckAssembler(std::string_view report, Chunker& chunker)
{
    LineAssembler assembler(LineAssembler::kUnbounded, gLevel);
    std::string passed;
    for (std::size_t at = 0; at < report.size();) {
        const auto size = chunker.next(64);
        assembler.feed(report.substr(at, size), [&](std::string_view run) {
            Check(!run.empty() && IsLineBreak(run.back()), "a run ends with its line break");
            passed += run;
        });
        at += size;
    }
    passed += assembler.rest();
    Check(passed == report, "the assembler passes every byte once, in order");
}

void CheckSame(const SearchResult& a, const SearchResult& b, const char* what)
{
    Check(a.counts.lineCount == b.counts.lineCount && a.counts.allFound == b.counts.allFound, what);
    for (int i = 0; i < kPanelCount; ++i)
        Check(a.counts.found[i] == b.counts.found[i] && a.texts[i] == b.texts[i], what);
    Check(a.reportHits == b.reportHits, what);
}

void CheckSearch(std::string_view report, const SearchRequest& request, Chunker& chunker)
{
    const auto fromChunks = testing::SearchInChunks(
        report, request, [&] { return chunker.next(chunker.next(2) == 1 ? 8 : 700); }, gLevel);

    // Collecting straight from the hits gives what collecting from the report hits gives.
    const std::vector<std::string> items(request.texts.begin(), request.texts.end());
    CollectedHits collected;
    TrackedHitSink trackedSink(items, collected);
    ReportSearch collecting(request, trackedSink, gLevel);
    collecting.feed(report);
    const auto counts = std::move(collecting).finish();
    Check(counts.lineCount == fromChunks.counts.lineCount && counts.allFound == fromChunks.counts.allFound,
          "the collecting search counts alike");

    const auto whole = SearchReport(report, request, items, CollectedHits{}, gLevel);
    CheckSame(fromChunks, whole.result, "the chunked search gives what the whole search gives");
    CheckSame(whole.result, plain::Search(report, request), "the search gives what the plain reading gives");

    const auto& result = whole.result;
    Check(result.counts.lineCount == static_cast<std::int64_t>(CountLinesByTheRule(report)),
          "lines counted by the rule");
    Check(result.counts.lineCount == static_cast<std::int64_t>(CountLines(report, gLevel)),
          "CountLines counts by the rule");
    Check(result.counts.allFound == result.counts.found[0] + result.counts.found[1], "all = panel 0 + panel 1");
    Check(static_cast<std::int64_t>(result.reportHits.size()) <= result.counts.allFound,
          "report hits are counted hits");
    Check(result.counts.allFound <= 2 * result.counts.lineCount, "a line counts at most once a panel");
    Check(whole.collected.size() <= result.reportHits.size(), "collected hits come from the report hits");
    Check(collected.size() == whole.collected.size() && trackedSink.historyChanged() == whole.historyChanged &&
              std::equal(collected.begin(), collected.end(), whole.collected.begin()),
          "the tracked-hit sink collects what AddTrackedHits collects");
    Check(whole.historyChanged == !whole.collected.empty(), "the history changes when a hit was collected");
}

void CheckTextFinder(std::string_view report, const std::string& text)
{
    const TextFinder finder(text, gLevel);
    std::size_t from = 0;
    for (int i = 0; i < 64 && from <= report.size(); ++i) {
        const auto found = finder.find(report, from);
        Check(found == report.find(text, from), "the text finder finds what find finds");
        if (found == std::string_view::npos)
            break;
        from = found + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (const char* name = std::getenv("TALLYWICK_FUZZ_SIMD")) {
        for (const auto level : kSimdLevels) {
            if (SimdLevelName(level) == name)
                gLevel = level;
        }
        if (SimdLevelName(gLevel) != name || gLevel > BestSimdLevel()) {
            std::fprintf(stderr, "TALLYWICK_FUZZ_SIMD: %s cannot run here\n", name);
            std::exit(2);
        }
    }
    std::fprintf(stderr, "fuzzing at SIMD level %s\n", SimdLevelName(gLevel).data());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Controls controls;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() >= 8) {
        controls.text0 = {data[0], data[1], data[2]};
        controls.text1 = {data[3], data[4], data[5]};
        controls.switches = data[6];
        controls.chunkSeed = data[7];
        input.remove_prefix(8);
    }
    const std::string_view report = input;

    SearchRequest request;
    request.texts = {ChooseText(controls.text0, report, 0), ChooseText(controls.text1, report, 1)};
    request.noDuplicates = (controls.switches & 1) == 0;
    request.moreFlags = {(controls.switches & 2) != 0, (controls.switches & 4) != 0};
    request.splitTime = std::array<std::int64_t, 4>{30, 0, 1, 100000}[(controls.switches >> 3) & 3];

    CheckCuts(report, request.texts[0]);
    ForEachLine(report.substr(0, 4096), [&](std::string_view line) {
        CheckCuts(line, request.texts[1]);
        CheckDateTexts(line);
        CheckDateTexts(Mid(line, FindText(1, line, "[") + 1, 11));
        CheckDateTexts(Mid(line, DateColon(line) + 1, kTimeLength));
    });
    CheckDateTexts(report);

    CheckTextFinder(report, request.texts[0]);
    CheckTextFinder(report, request.texts[1]);
    Chunker chunker(0x9E3779B9U * (controls.chunkSeed + 1U));
    CheckSplitDownloads(report, request.splitTime);
    CheckAssembler(report, chunker);
    CheckSearch(report, request, chunker);
    return 0;
}
