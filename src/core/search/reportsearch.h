#pragma once

#include "core/log/clientnetwork.h"
#include "core/log/lines.h"
#include "core/search/collectedhits.h"
#include "core/search/downloadcounts.h"
#include "core/search/hitsink.h"
#include "core/search/largetext.h"
#include "core/search/largevector.h"
#include "core/search/leaveout.h"
#include "core/search/linefates.h"
#include "core/search/linelist.h"
#include "core/search/longlinescan.h"
#include "core/search/pathlines.h"
#include "core/search/piecefinder.h"
#include "core/search/searchhitkeys.h"
#include "core/search/textfinder.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

inline constexpr std::string_view kDesignedSearchText0 = "GET /quarnel/shareware/pelmor.exe";
inline constexpr std::string_view kDesignedSearchText1 = "GET /quarnel/shareware/pelmor.zip";
inline constexpr std::int64_t kDefaultSplitTime = 30;
// The longest split-download time frame a user may ask for: 100 years, in minutes.
inline constexpr std::int64_t kLongestSplitTime =
    std::chrono::duration_cast<std::chrono::minutes>(std::chrono::years{100}).count();

// The longest line that is searched. A longer one still counts as a line, but is never a hit and
// is never kept: a report without line breaks is read in bounded memory.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// What one search looks for: a text per panel (panel 0 is counted first), whether repeats of a
// split download are left out of the counts, the long (status) or short form of each panel's
// result text, the split-download time frame in minutes, and the hits left out before counting.
struct SearchRequest {
    std::array<std::string, kPanelCount> texts{std::string(kDesignedSearchText0), std::string(kDesignedSearchText1)};
    bool noDuplicates = true;
    std::array<bool, kPanelCount> moreFlags{};
    std::int64_t splitTime = kDefaultSplitTime;
    LeaveOutOptions leaveOut; // its robot matcher must outlive the search
    // "Treat an IPv6 /64 network as one client": the split-download test (and the unique counts)
    // take a client as ClientNetwork gives it. An IPv6 client then takes part in the test
    // whatever the length of its address.
    bool ipv6Network64 = false;
    // The counts beside "Found" (DownloadCounts), with the sizes the user gives; off, the search
    // reads no line as fields but to leave it out.
    bool countDownloads = false;
    FileSizes givenSizes;
};

// The counts of one search.
struct SearchCounts {
    std::int64_t lineCount = 0;
    std::int64_t overlongLines = 0; // lines longer than kLongestLine, counted in lineCount
    std::int64_t allFound = 0;
    std::array<std::int64_t, kPanelCount> found{};
    LeftOutCounts leftOut;                   // lines with a hit that the leave-out options removed, each once
    AgentsRead agents;                       // of the lines with a hit, when robots or download tools are left out
    std::optional<DownloadCounts> downloads; // when asked for
};

// Where a line begins in a report (bytes from the start of all that was fed), and a hash of it, to
// tell the line read back there from another.
struct LinePlace {
    std::uint64_t offset = 0;
    std::uint64_t hash = 0;
    bool operator==(const LinePlace&) const = default;
};
LinePlace PlaceOfLine(std::uint64_t offset, std::string_view line);
// The hash of a line of size bytes, from its first kLineStartHashed bytes (or all of it): the
// start of a log line holds its client and its time to the second.
inline constexpr std::size_t kLineStartHashed = 64;
std::uint64_t LineStartHash(std::string_view start, std::size_t size);

// What the main window shows of a search: its counts, each panel's result box (lines ended by
// CR LF), and the counted hits that are not repeats, of both panels, in the order they were
// counted: their lines, or their places (when the caller can read the report again).
struct SearchResult {
    SearchCounts counts;
    std::array<LargeText, kPanelCount> texts;
    LineList reportHits;
    LargeVector<LinePlace> reportHitPlaces;
};

// Searches a report that arrives in chunks of any size (a mapped file arrives as one, a
// decompressed one in many) and hands every counted hit to a sink. Each text is searched over
// the whole chunk, and each occurrence mapped to its line, so lines without a hit cost nothing
// but the line count. The caller feeds the chunks: between two it may show progress or stop.
class ReportSearch {
public:
    ReportSearch(SearchRequest request, HitSink& sink, SimdLevel level = BestSimdLevel());
    // The same, telling fates the fate of every line that holds a panel's text. The lines are
    // then read as fields (as with the counts beside "Found"), and the counts stay as they are.
    ReportSearch(SearchRequest request, HitSink& sink, FateSink& fates, SimdLevel level = BestSimdLevel());

    // ahead: the pieces of the chunk's lines found on another thread, taken for the run of whole
    // lines the chunk holds when they were found in exactly that run.
    void feed(std::string_view chunk, const FoundRun* ahead = nullptr);
    SearchCounts finish() &&;

    // A finder for pieces found ahead of this search, and what it finds for it.
    struct FindingAhead {
        PieceFinder finder;
        PieceFinder::Wanted wanted;
    };
    FindingAhead findingAhead() const { return {finder_, wanted()}; }

    // A file's size comes from the lines as they are searched. A caller that can read a report
    // again may leave that for later, for the chunks fed while it is set: then only the lines
    // holding the path of a download without a given size are read, in each piece of lines as it
    // is searched for the paths known by then, and after the search (before finish()) in the
    // lines the caller hands again to noteSizeLines(), those before sizeLinesBefore(): often none.
    void leaveSizesForLater(bool later) { sizesLater_ = later; }
    // Whether noteSizeLines() has anything to look for; asked once the search has been fed its
    // last chunk (the last line is searched then).
    bool wantsSizeLines();
    // Where the lines noteSizeLines() wants end (bytes from the start of all that was fed; a line
    // begins there); once wantsSizeLines() is true.
    std::uint64_t sizeLinesBefore() const { return sizeLinesBefore_; }
    // Whole lines of a report whose sizes were left for later, from its start; those from
    // sizeLinesBefore() on may be handed too, they change nothing.
    void noteSizeLines(std::string_view lines);

    const SearchCounts& counts() const { return counts_; }
    // Between two chunks that part at a line break: the lines fed so far, the one whose break
    // may yet go on (a CR that a LF may follow) included.
    std::int64_t linesBegun() const { return counts_.lineCount + (lines_.rest().empty() ? 0 : 1); }

private:
    // Searches the last line, whose break may have been missing.
    void endLines();
    void searchLines(std::string_view lines, std::uint64_t offset, const FoundRun* ahead);
    void searchPiece(std::string_view piece, std::uint64_t offset, const FoundPiece* ahead);
    // What each piece must be found with.
    PieceFinder::Wanted wanted() const
    {
        const bool fields = leaveOut_.active() || downloads_ || fates_;
        return {fields, fates_ != nullptr};
    }
    void countHit(const PieceHit& hit, std::string_view line, std::uint64_t offset, const LogFields& fields);
    void countOverlongLine();
    void noteSizesOfKnownPaths(std::string_view piece, std::uint64_t offset);

    // Telling fates: the same steps, each line's fate told as it is decided.
    void countAndTell(const PieceHit& hit, const FateOfLine& where, const LogFields& fields);
    void tellEarlyLines(std::string_view piece, std::size_t before, std::uint64_t offset);
    void scanLongLine(std::string_view part);
    void tellLongLine(std::uint64_t offset);
    void countLeftOut(LeftOut reason);
    // The line's time key, with its client as the IPv6 option takes it.
    std::string_view splitKey(std::string_view line);

    SearchRequest request_;
    HitSink& sink_;
    SimdLevel level_;
    PieceFinder finder_;
    std::array<SearchHitKeys, kPanelCount> keys_;
    FoundPiece found_; // the piece being searched, when it was not found ahead
    LeaveOutTest leaveOut_;
    LineAssembler lines_;
    SearchCounts counts_;
    std::unique_ptr<DownloadCounter> downloads_; // when counting them
    bool sizesLater_ = false;
    bool linesEnded_ = false;
    // Sizes left for later: the downloads' paths without a given size looked for in the pieces as
    // they are searched, each from the offset of the piece it came on in; then those that came on
    // after the first piece, looked for in the lines handed again.
    static constexpr std::uint64_t kWholeReport = std::numeric_limits<std::uint64_t>::max();
    PathLines sizePaths_;
    std::vector<std::uint64_t> sizePathsFrom_;
    std::optional<PathLines> sizePathsAgain_;
    std::uint64_t sizeLinesBefore_ = 0;
    // The piece's hit lines, each once, in report order, with their responses.
    struct HitLine {
        std::size_t lineBegin;
        std::size_t lineEnd;
        LogResponse response;
    };
    std::vector<HitLine> hitLines_;
    ClientNetwork network_;
    std::string networkKey_;

    FateSink* fates_ = nullptr;
    std::array<std::uint64_t, kPanelCount> keysAdded_{};
    const std::vector<EarlyLine>* earlyLines_ = nullptr; // of the piece
    std::size_t earlyTold_ = 0;
    std::array<LongLineScan, kPanelCount> longLines_;
    std::int64_t pieceFirstLine_ = 0; // number of the piece's first line
};

// Appends a hit to its panel's result text: the request, or with More the request and the status
// on a line each, and a line break.
template <class Text>
void AppendResultText(Text& text, const SearchHit& hit, bool more);
extern template void AppendResultText(std::string& text, const SearchHit& hit, bool more);
extern template void AppendResultText(LargeText& text, const SearchHit& hit, bool more);

// Builds the result boxes' texts and keeps the report hits, as the main window shows them: their
// lines, where they begin, or nothing.
class ResultTextSink final : public HitSink {
public:
    enum class ReportHits { Keep, Places, Drop };
    explicit ResultTextSink(std::array<bool, kPanelCount> moreFlags, ReportHits reportHits = ReportHits::Keep);
    void take(const SearchHit& hit) override;
    // The texts with the counts of the search that fed them.
    SearchResult finish(const SearchCounts& counts) &&;

private:
    std::array<bool, kPanelCount> moreFlags_;
    ReportHits reportHits_;
    SearchResult result_;
};

// Collects the new tracked downloads straight into the collected hits, building no text: the
// same lines, in the same order, as AddTrackedHits over the report hits.
class TrackedHitSink final : public HitSink {
public:
    TrackedHitSink(const std::vector<std::string>& trackedItems, CollectedHits& collected);
    void take(const SearchHit& hit) override;
    bool historyChanged() const { return historyChanged_; }

private:
    const std::vector<std::string>& trackedItems_;
    CollectedHits& collected_;
    bool historyChanged_ = false;
};

// Everything one search produces, with the collected hits it grew.
struct SearchOutcome {
    SearchResult result;
    CollectedHits collected;
    bool historyChanged = false; // AddTrackedHits collected a new download
};

// Searches a report held in memory and collects its new tracked downloads.
SearchOutcome SearchReport(std::string_view report, const SearchRequest& request,
                           const std::vector<std::string>& trackedItems, CollectedHits collected,
                           SimdLevel level = BestSimdLevel());

} // namespace tallywick
