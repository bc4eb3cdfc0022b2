#include "core/search/reportsearch.h"

#include "core/log/logline.h"

#include <algorithm>
#include <functional>

namespace tallywick {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The response as ReadLogResponse reads it, from the fields where they hold the request.
LogResponse ResponseOf(const LogFields& fields, std::string_view line)
{
    if (!fields.request)
        return ReadLogResponse(line);
    return {fields.status, fields.request->path, fields.bytes};
}

} // namespace

ReportSearch::ReportSearch(SearchRequest request, HitSink& sink, SimdLevel level) :
    request_(std::move(request)), sink_(sink), level_(level),
    finder_(request_.texts, level), keys_{SearchHitKeys(request_.splitTime), SearchHitKeys(request_.splitTime)},
    leaveOut_(request_.leaveOut),
    lines_(kLongestLine, level), longLines_{LongLineScan(request_.texts[0]), LongLineScan(request_.texts[1])}
{
    if (request_.countDownloads)
        downloads_ = std::make_unique<DownloadCounter>(request_.givenSizes, request_.ipv6Network64);
}

ReportSearch::ReportSearch(SearchRequest request, HitSink& sink, FateSink& fates, SimdLevel level) :
    ReportSearch(std::move(request), sink, level)
{
    fates_ = &fates;
}

void ReportSearch::feed(std::string_view chunk, const FoundRun* ahead)
{
    lines_.feed(
        chunk,
        [this, ahead](std::string_view lines) {
            const bool foundThere = ahead && lines.data() == ahead->run.data() && lines.size() == ahead->run.size() &&
                                    ahead->wanted == wanted();
            searchLines(lines, lines_.runOffset(), foundThere ? ahead : nullptr);
        },
        [this] {
            countOverlongLine();
            if (fates_)
                tellLongLine(lines_.overlongOffset());
        },
        [this](std::string_view part) {
            if (fates_)
                scanLongLine(part);
        });
}

void ReportSearch::endLines()
{
    if (linesEnded_)
        return;
    linesEnded_ = true;
    searchLines(lines_.rest(), lines_.runOffset(), nullptr);
    if (lines_.endsInOverlongLine()) {
        countOverlongLine();
        if (fates_)
            tellLongLine(lines_.runOffset());
    }
}

SearchCounts ReportSearch::finish() &&
{
    endLines();
    counts_.agents = leaveOut_.agentsRead();
    if (downloads_)
        counts_.downloads = downloads_->finish();
    return counts_;
}

bool ReportSearch::wantsSizeLines()
{
    if (!downloads_)
        return false;
    endLines(); // the last line may start a download
    if (!sizePathsAgain_) {
        // The paths looked for from a later piece on, or never (they came while sizes were read as
        // the search went), before the piece where they came on.
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < downloads_->unsizedPathCount(); ++i) {
            const auto from = i < sizePathsFrom_.size() ? sizePathsFrom_[i] : kWholeReport;
            if (from > 0) {
                paths.emplace_back(downloads_->unsizedPath(i));
                sizeLinesBefore_ = std::max(sizeLinesBefore_, from);
            }
        }
        sizePathsAgain_.emplace(paths, level_);
    }
    return !sizePathsAgain_->empty();
}

void ReportSearch::noteSizeLines(std::string_view lines)
{
    if (wantsSizeLines())
        sizePathsAgain_->forEach(lines, [this](std::string_view line) { downloads_->noteSizeLine(line); });
}

void ReportSearch::noteSizesOfKnownPaths(std::string_view piece, std::uint64_t offset)
{
    const auto known = downloads_->unsizedPathCount();
    if (known != sizePathsFrom_.size()) {
        sizePathsFrom_.resize(known, offset);
        std::vector<std::string> paths;
        paths.reserve(known);
        for (std::size_t i = 0; i < known; ++i)
            paths.emplace_back(downloads_->unsizedPath(i));
        sizePaths_ = PathLines(paths, level_);
    }
    // The hit lines were read already: their sizes count now that the piece's downloads are
    // known, and only the lines between them are searched for the paths.
    const auto note = [this](std::string_view line) { downloads_->noteSizeLine(line); };
    std::size_t gapBegin = 0;
    for (const HitLine& hit : hitLines_) {
        downloads_->noteSizeOf(hit.response);
        sizePaths_.forEach(piece.substr(gapBegin, hit.lineBegin - gapBegin), note);
        gapBegin = SkipLineBreak(piece, hit.lineEnd);
    }
    sizePaths_.forEach(piece.substr(gapBegin), note);
}

void ReportSearch::countOverlongLine()
{
    ++counts_.lineCount;
    ++counts_.overlongLines;
}

void ReportSearch::searchLines(std::string_view lines, std::uint64_t offset, const FoundRun* ahead)
{
    for (std::size_t piece = 0; !lines.empty(); ++piece) {
        const auto split = NextPiece(lines, kLongestLine, level_);
        const FoundPiece* found = ahead && piece < ahead->found ? &ahead->pieces[piece] : nullptr;
        searchPiece(lines.substr(0, split.pieceEnd), offset, found);
        if (split.overlongFollows) {
            countOverlongLine();
            if (fates_) {
                scanLongLine(lines.substr(split.pieceEnd, split.overlongEnd - split.pieceEnd));
                tellLongLine(offset + split.pieceEnd);
            }
        }
        lines.remove_prefix(split.next);
        offset += split.next;
    }
}

void ReportSearch::searchPiece(std::string_view piece, std::uint64_t offset, const FoundPiece* ahead)
{
    if (fates_) {
        pieceFirstLine_ = counts_.lineCount + 1;
        earlyTold_ = 0;
    }
    const auto wanted = this->wanted();
    if (ahead && ahead->size != piece.size())
        ahead = nullptr;
    if (!ahead)
        finder_.find(piece, wanted, found_);
    const FoundPiece& found = ahead ? *ahead : found_;
    counts_.lineCount += found.lineCount;
    earlyLines_ = &found.early;
    if (downloads_ && !sizesLater_)
        ForEachLine(
            piece, [this](std::string_view line) { downloads_->noteLine(line); }, level_);
    hitLines_.clear();
    const bool leavingOut = leaveOut_.active();
    // A line that both panels hit is read, judged, and counted as left out, once.
    std::size_t judgedLine = std::string_view::npos;
    LeftOut judged = LeftOut::No;
    std::size_t fieldsOf = 0; // of the next line in the hits
    const LogFields noFields;
    const LogFields* fields = &noFields;
    for (const PieceHit& hit : found.hits) {
        const auto line = piece.substr(hit.lineBegin, hit.lineEnd - hit.lineBegin);
        if (wanted.fields && hit.lineBegin != judgedLine) {
            judgedLine = hit.lineBegin;
            fields = &found.fields[fieldsOf++];
            if (downloads_ && sizesLater_)
                hitLines_.push_back({hit.lineBegin, hit.lineEnd, ResponseOf(*fields, line)});
            if (leavingOut) {
                judged = leaveOut_(*fields);
                countLeftOut(judged);
            }
        }
        if (fates_) {
            tellEarlyLines(piece, hit.lineBegin, offset);
            FateOfLine where;
            where.panel = hit.panel;
            where.offset = offset + hit.lineBegin;
            where.number = pieceFirstLine_ + hit.linesBefore;
            where.line = line;
            where.fields = fields;
            if (judged == LeftOut::No) {
                countAndTell(hit, where, *fields);
            } else {
                where.fate = judged == LeftOut::Robot          ? LineFate::Robot
                             : judged == LeftOut::DownloadTool ? LineFate::DownloadTool
                                                               : LineFate::Failed;
                fates_->take(where);
            }
            continue;
        }
        // Removed before the split-download test: it neither starts nor extends one.
        if (judged != LeftOut::No)
            continue;
        countHit(hit, line, offset + hit.lineBegin, *fields);
    }
    if (fates_)
        tellEarlyLines(piece, piece.size(), offset);
    if (downloads_ && sizesLater_)
        noteSizesOfKnownPaths(piece, offset);
}

void ReportSearch::tellEarlyLines(std::string_view piece, std::size_t before, std::uint64_t offset)
{
    const auto& earlyLines = *earlyLines_;
    for (; earlyTold_ < earlyLines.size() && earlyLines[earlyTold_].lineBegin < before; ++earlyTold_) {
        const EarlyLine& early = earlyLines[earlyTold_];
        FateOfLine fate;
        fate.panel = early.panel;
        fate.fate = LineFate::BeforeRequestColumn;
        fate.offset = offset + early.lineBegin;
        fate.number = pieceFirstLine_ + early.linesBefore;
        fate.line = piece.substr(early.lineBegin, early.lineEnd - early.lineBegin);
        fates_->take(fate);
    }
}

void ReportSearch::scanLongLine(std::string_view part)
{
    for (LongLineScan& scan : longLines_)
        scan.add(part);
}

void ReportSearch::tellLongLine(std::uint64_t offset)
{
    for (int panel = 0; panel < kPanelCount; ++panel) {
        const auto found = longLines_[panel].found();
        longLines_[panel].reset();
        if (found == LongLineScan::Found::Nowhere)
            continue;
        FateOfLine fate;
        fate.panel = panel;
        fate.fate =
            found == LongLineScan::Found::PastRequestColumn ? LineFate::OverLength : LineFate::BeforeRequestColumn;
        fate.offset = offset;
        fate.number = counts_.lineCount;
        fates_->take(fate);
    }
}

void ReportSearch::countAndTell(const PieceHit& hit, const FateOfLine& where, const LogFields& fields)
{
    const int panel = hit.panel;
    const std::string_view line = where.line;
    FateOfLine fate = where;
    std::optional<SearchHitKeys::Match> match;
    if (hit.statusAccepted) {
        fate.key = keysAdded_[panel]++;
        fate.timeKey = splitKey(line);
        match = keys_[panel].addAndMatch(fate.timeKey, downloads_ ? downloads_->nextDownload() : 0);
    }
    if (match) {
        fate.fate = LineFate::Repeat;
        fate.matchedKey = match->key;
    }
    fates_->take(fate);
    if (match && request_.noDuplicates) {
        if (downloads_)
            downloads_->addRepeat(match->download, fields);
        return;
    }
    if (downloads_)
        downloads_->startDownload(panel, fields); // with "No duplicates" off every hit is one
    ++counts_.allFound;
    ++counts_.found[panel];
    sink_.take({panel, line, hit.requestEnd, match.has_value(), where.offset});
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

void ReportSearch::countHit(const PieceHit& hit, std::string_view line, std::uint64_t offset, const LogFields& fields)
{
    const int panel = hit.panel;
    bool repeated = false;
    const bool accepted = hit.statusAccepted;
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
    sink_.take({panel, line, hit.requestEnd, repeated, offset});
}

std::uint64_t LineStartHash(std::string_view start, std::size_t size)
{
    constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15; // the golden ratio's fraction, in 64 bits
    return std::hash<std::string_view>{}(start.substr(0, kLineStartHashed)) ^ (size * kSpread);
}

LinePlace PlaceOfLine(std::uint64_t offset, std::string_view line)
{
    // With the length, the start tells the line from the one a rotated or rewritten report holds
    // there, without hashing every hit whole.
    return {offset, LineStartHash(line, line.size())};
}

ResultTextSink::ResultTextSink(std::array<bool, kPanelCount> moreFlags, ReportHits reportHits) :
    moreFlags_(moreFlags), reportHits_(reportHits)
{
}

template <class Text>
void AppendResultText(Text& text, const SearchHit& hit, bool more)
{
    if (more) {
        text += StatusPart(hit.line, hit.requestEnd);
        text += kLineBreak;
    } else {
        text += Left(hit.line, hit.requestEnd);
    }
    text += kLineBreak;
}
template void AppendResultText(std::string& text, const SearchHit& hit, bool more);
template void AppendResultText(LargeText& text, const SearchHit& hit, bool more);

void ResultTextSink::take(const SearchHit& hit)
{
    if (!hit.repeated) {
        if (reportHits_ == ReportHits::Keep)
            result_.reportHits.push_back(hit.line);
        else if (reportHits_ == ReportHits::Places)
            result_.reportHitPlaces.push_back(PlaceOfLine(hit.offset, hit.line));
    }
    AppendResultText(result_.texts[hit.panel], hit, moreFlags_[hit.panel]);
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
    search.leaveSizesForLater(true);
    search.feed(report);
    if (search.wantsSizeLines())
        search.noteSizeLines(report.substr(0, std::min<std::uint64_t>(report.size(), search.sizeLinesBefore())));
    const auto counts = std::move(search).finish();
    SearchOutcome outcome{std::move(texts).finish(counts), std::move(collected), false};
    outcome.historyChanged = AddTrackedHits(outcome.result.reportHits, trackedItems, outcome.collected);
    return outcome;
}

} // namespace tallywick
