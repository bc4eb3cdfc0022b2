#include "core/search/reportsearch.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {
namespace {

// Lines are searched in pieces of about this size, so that counting the lines and searching
// for both texts read each piece from the cache rather than from memory.
constexpr std::size_t kPieceSize = 256 * 1024;
static_assert(kPieceSize <= kLongestLine, "a piece's lines are all short enough, but the one that crosses its end");

constexpr std::string_view kLineBreak = "\r\n";

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string AllFoundLabel(const SearchResult& result)
{
    return "All Found: " + std::to_string(result.allFound) + " of " + std::to_string(result.lineCount);
}

std::string FoundLabel(const PanelResult& panel)
{
    return "Found: " + std::to_string(panel.found);
}

std::string OverlongLinesLabel(const SearchResult& result)
{
    return "Lines too long to search: " + std::to_string(result.overlongLines);
}

ReportSearch::ReportSearch(SearchRequest request, SimdLevel level) :
    request_(std::move(request)),
    level_(level), finders_{TextFinder(request_.texts[0], level), TextFinder(request_.texts[1], level)},
    keys_{SearchHitKeys(request_.splitTime), SearchHitKeys(request_.splitTime)}, lines_(kLongestLine, level)
{
}

void ReportSearch::feed(std::string_view chunk)
{
    lines_.feed(
        chunk, [this](std::string_view lines) { searchLines(lines); }, [this] { countOverlongLine(); });
}

SearchResult ReportSearch::finish() &&
{
    searchLines(lines_.rest());
    if (lines_.endsInOverlongLine())
        countOverlongLine();
    return std::move(result_);
}

void ReportSearch::countOverlongLine()
{
    ++result_.lineCount;
    ++result_.overlongLines;
}

void ReportSearch::searchLines(std::string_view lines)
{
    while (!lines.empty()) {
        std::size_t end = lines.size();
        if (end > kPieceSize) {
            // The line that crosses the piece's end may be too long to search.
            const auto lineBegin = FindLineStart(lines, kPieceSize, level_);
            const auto lineEnd = FindLineBreak(lines, kPieceSize, level_);
            if (lineEnd - lineBegin > kLongestLine) {
                searchPiece(lines.substr(0, lineBegin));
                countOverlongLine();
                lines.remove_prefix(SkipLineBreak(lines, lineEnd));
                continue;
            }
            end = SkipLineBreak(lines, lineEnd);
        }
        searchPiece(lines.substr(0, end));
        lines.remove_prefix(end);
    }
}

void ReportSearch::searchPiece(std::string_view piece)
{
    result_.lineCount += static_cast<std::int64_t>(CountLines(piece, level_));
    for (int panel = 0; panel < kPanelCount; ++panel) {
        pieceHits_[panel].clear();
        collectHits(piece, panel, pieceHits_[panel]);
    }
    reserveResultTexts();
    // Lines in report order; a line that both panels hit counts for panel 0 first.
    const auto& hits0 = pieceHits_[0];
    const auto& hits1 = pieceHits_[1];
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < hits0.size() || j < hits1.size()) {
        const bool takeFirst = j == hits1.size() || (i < hits0.size() && hits0[i].lineBegin <= hits1[j].lineBegin);
        const Hit& hit = takeFirst ? hits0[i++] : hits1[j++];
        countHit(takeFirst ? 0 : 1, piece.substr(hit.lineBegin, hit.lineEnd - hit.lineBegin), hit.matchPos);
    }
}

void ReportSearch::reserveResultTexts()
{
    // Room for every hit of the piece in either form, so the texts grow once per piece at most.
    for (int panel = 0; panel < kPanelCount; ++panel) {
        std::size_t bytes = 0;
        for (const Hit& hit : pieceHits_[panel])
            bytes += hit.lineEnd - hit.lineBegin + 2 * kLineBreak.size();
        auto& text = result_.panels[panel].text;
        text.reserve(text.size() + bytes);
    }
}

void ReportSearch::collectHits(std::string_view piece, int panel, std::vector<Hit>& hits) const
{
    const std::string& text = request_.texts[panel];
    if (HoldsLineBreak(text))
        return; // no line can hold it
    if (text.empty()) {
        // An empty text is found at character 38 of every line that long, and nowhere else.
        std::size_t begin = 0;
        while (begin < piece.size()) {
            const auto end = FindLineBreak(piece, begin, level_);
            if (end - begin >= kMatchStart)
                hits.push_back({begin, end, kMatchStart});
            begin = SkipLineBreak(piece, end);
        }
        return;
    }
    const TextFinder& finder = finders_[panel];
    std::size_t from = 0;
    for (auto found = finder.find(piece, from); found != std::string_view::npos; found = finder.find(piece, from)) {
        const auto lineBegin = FindLineStart(piece, found, level_);
        if (found - lineBegin + 1 >= kMatchStart) {
            const auto lineEnd = FindLineBreak(piece, found + text.size(), level_);
            hits.push_back({lineBegin, lineEnd, found - lineBegin + 1});
            from = lineEnd;
        } else {
            from = lineBegin + kMatchStart - 1; // occurrences before character 38 do not count
        }
    }
}

void ReportSearch::countHit(int panel, std::string_view line, std::size_t matchPos)
{
    const std::string& text = request_.texts[panel];
    const auto requestEnd = RequestEnd(line, matchPos, text);
    bool repeated = false;
    if (StatusAccepted(line)) {
        const auto key = TimeKey(line);
        repeated = keys_[panel].addAndCheck(key);
    }
    if (repeated && request_.noDuplicates)
        return;

    ++result_.allFound;
    if (!repeated)
        result_.reportHits.emplace_back(line);
    PanelResult& result = result_.panels[panel];
    ++result.found;
    if (request_.moreFlags[panel]) {
        result.text += StatusPart(line, requestEnd);
        result.text += kLineBreak;
    } else {
        result.text += Left(line, requestEnd);
    }
    result.text += kLineBreak;
}

SearchOutcome SearchReport(std::string_view report, const SearchRequest& request,
                           const std::vector<std::string>& trackedItems, CollectedHits collected, SimdLevel level)
{
    ReportSearch search(request, level);
    search.feed(report);
    SearchOutcome outcome{std::move(search).finish(), std::move(collected), false};
    outcome.historyChanged = AddTrackedHits(outcome.result.reportHits, trackedItems, outcome.collected);
    return outcome;
}

} // namespace tallywick
