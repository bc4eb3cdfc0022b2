#include "core/search/reportsearch.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {
namespace {

// Lines are searched in pieces of about this size, so that counting the lines and searching
// for both texts read each piece from the cache rather than from memory.
constexpr std::size_t kPieceSize = std::size_t{256} * 1024;
static_assert(kPieceSize <= kLongestLine, "a piece's lines are all short enough, but the one that crosses its end");

constexpr std::string_view kLineBreak = "\r\n";

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

ReportSearch::ReportSearch(SearchRequest request, HitSink& sink, SimdLevel level) :
    request_(std::move(request)), sink_(sink),
    level_(level), finders_{TextFinder(request_.texts[0], level), TextFinder(request_.texts[1], level)},
    keys_{SearchHitKeys(request_.splitTime), SearchHitKeys(request_.splitTime)}, leaveOut_(request_.leaveOut),
    lines_(kLongestLine, level)
{
    if (request_.countDownloads)
        downloads_ = std::make_unique<DownloadCounter>(request_.givenSizes, request_.ipv6Network64);
}

void ReportSearch::feed(std::string_view chunk)
{
    lines_.feed(
        chunk, [this](std::string_view lines) { searchLines(lines); }, [this] { countOverlongLine(); });
}

SearchCounts ReportSearch::finish() &&
{
    searchLines(lines_.rest());
    if (lines_.endsInOverlongLine())
        countOverlongLine();
    counts_.agents = leaveOut_.agentsRead();
    if (downloads_)
        counts_.downloads = downloads_->finish();
    return counts_;
}

void ReportSearch::countOverlongLine()
{
    ++counts_.lineCount;
    ++counts_.overlongLines;
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
    counts_.lineCount += static_cast<std::int64_t>(CountLines(piece, level_));
    if (downloads_)
        ForEachLine(
            piece, [this](std::string_view line) { downloads_->noteLine(line); }, level_);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        pieceHits_[panel].clear();
        collectHits(piece, panel, pieceHits_[panel]);
    }
    // Lines in report order; a line that both panels hit counts for panel 0 first.
    const auto& hits0 = pieceHits_[0];
    const auto& hits1 = pieceHits_[1];
    const bool leavingOut = leaveOut_.active();
    const bool readingFields = leavingOut || downloads_;
    // A line that both panels hit is read, judged, and counted as left out, once.
    std::size_t judgedLine = std::string_view::npos;
    LeftOut judged = LeftOut::No;
    LogFields fields;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < hits0.size() || j < hits1.size()) {
        const bool takeFirst = j == hits1.size() || (i < hits0.size() && hits0[i].lineBegin <= hits1[j].lineBegin);
        const Hit& hit = takeFirst ? hits0[i++] : hits1[j++];
        const auto line = piece.substr(hit.lineBegin, hit.lineEnd - hit.lineBegin);
        if (readingFields && hit.lineBegin != judgedLine) {
            judgedLine = hit.lineBegin;
            fields = ReadLogFields(line);
            if (leavingOut) {
                judged = leaveOut_(fields);
                countLeftOut(judged);
            }
        }
        // Removed before the split-download test: it neither starts nor extends one.
        if (judged != LeftOut::No)
            continue;
        countHit(takeFirst ? 0 : 1, line, hit.matchPos, fields);
    }
}

void ReportSearch::countLeftOut(LeftOut reason)
{
    switch (reason) {
    case LeftOut::No:
        break;
    case LeftOut::Failed:
        ++counts_.leftOut.failed;
        break;
    case LeftOut::Robot:
        ++counts_.leftOut.robots;
        break;
    case LeftOut::DownloadTool:
        ++counts_.leftOut.downloadTools;
        break;
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

std::string_view ReportSearch::splitKey(std::string_view line)
{
    const auto key = TimeKey(line);
    if (!request_.ipv6Network64)
        return key;
    const auto client = line.substr(0, line.find(' '));
    if (key.size() <= client.size())
        return key;
    const auto network = network_.of(client);
    if (network.data() == client.data())
        return key;
    networkKey_.assign(network);
    networkKey_.append(key.substr(client.size()));
    return networkKey_;
}

void ReportSearch::countHit(int panel, std::string_view line, std::size_t matchPos, const LogFields& fields)
{
    bool repeated = false;
    const bool accepted = StatusAccepted(line);
    if (downloads_ && request_.noDuplicates) {
        // A repeat goes towards the download it repeats, and is not counted.
        if (accepted) {
            if (const auto download = keys_[panel].addAndAttribute(splitKey(line), downloads_->nextDownload())) {
                downloads_->addRepeat(*download, fields);
                return;
            }
        }
        downloads_->startDownload(panel, fields);
    } else {
        if (accepted)
            repeated = keys_[panel].addAndCheck(splitKey(line));
        if (repeated && request_.noDuplicates)
            return;
        if (downloads_)
            downloads_->startDownload(panel, fields); // every hit is a download of its own
    }
    ++counts_.allFound;
    ++counts_.found[panel];
    sink_.take({panel, line, RequestEnd(line, matchPos, request_.texts[panel]), repeated});
}

ResultTextSink::ResultTextSink(std::array<bool, kPanelCount> moreFlags, ReportHits reportHits) :
    moreFlags_(moreFlags), keepReportHits_(reportHits == ReportHits::Keep)
{
}

void ResultTextSink::take(const SearchHit& hit)
{
    if (!hit.repeated && keepReportHits_)
        result_.reportHits.push_back(hit.line);
    std::string& text = result_.texts[hit.panel];
    if (moreFlags_[hit.panel]) {
        text += StatusPart(hit.line, hit.requestEnd);
        text += kLineBreak;
    } else {
        text += Left(hit.line, hit.requestEnd);
    }
    text += kLineBreak;
}

SearchResult ResultTextSink::finish(const SearchCounts& counts) &&
{
    result_.counts = counts;
    return std::move(result_);
}

TrackedHitSink::TrackedHitSink(const std::vector<std::string>& trackedItems, CollectedHits& collected) :
    trackedItems_(trackedItems), collected_(collected)
{
}

void TrackedHitSink::take(const SearchHit& hit)
{
    if (!hit.repeated && AddTrackedHit(hit.line, trackedItems_, collected_))
        historyChanged_ = true;
}

SearchOutcome SearchReport(std::string_view report, const SearchRequest& request,
                           const std::vector<std::string>& trackedItems, CollectedHits collected, SimdLevel level)
{
    ResultTextSink texts(request.moreFlags);
    ReportSearch search(request, texts, level);
    search.feed(report);
    const auto counts = std::move(search).finish();
    SearchOutcome outcome{std::move(texts).finish(counts), std::move(collected), false};
    outcome.historyChanged = AddTrackedHits(outcome.result.reportHits, trackedItems, outcome.collected);
    return outcome;
}

} // namespace tallywick
