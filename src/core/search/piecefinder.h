#pragma once

#include "core/log/logfields.h"
#include "core/log/simdlevel.h"
#include "core/search/downloadcounts.h"
#include "core/search/textfinder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// A line that holds a panel's text from the request column on, with what counting it reads of it
// alone.
struct PieceHit {
    std::size_t lineBegin = 0;
    std::size_t lineEnd = 0;
    std::size_t matchPos = 0; // 1-based within the line
    int panel = 0;
    std::size_t requestEnd = 0;   // the blank after the match (1-based), 0 when there is none
    bool statusAccepted = false;  // it takes part in the split-download test
    std::int64_t linesBefore = 0; // in the piece, when found for fates
};

// A line that holds a panel's text before the request column only.
struct EarlyLine {
    std::size_t lineBegin = 0;
    std::size_t lineEnd = 0;
    int panel = 0;
    std::int64_t linesBefore = 0; // in the piece
};

// What a piece of whole lines holds before anything in it is counted, which needs nothing but the
// piece: how many lines it has, both panels' hits in the order they are counted (report order, a
// line that both panels hit for panel 0 first), and, as asked, each hit line read as fields and
// what telling every line's fate needs: the lines that hold a panel's text before the request
// column only, and where each line found stands among the piece's lines.
struct FoundPiece {
    std::size_t size = 0; // of the piece it was found in
    std::int64_t lineCount = 0;
    std::vector<PieceHit> hits;
    std::vector<LogFields> fields; // one for each line in hits, in the same order
    std::vector<EarlyLine> early;  // of both panels, in report order
};

// Finds both panels' texts in pieces of lines. It holds no state of the search: a copy may find
// pieces on another thread, ahead of the one that counts them.
class PieceFinder {
public:
    PieceFinder(const std::array<std::string, kPanelCount>& texts, SimdLevel level);

    struct Wanted {
        bool fields = false;
        bool fates = false;
        bool operator==(const Wanted&) const = default;
    };
    // Fills found (its vectors keep their memory) with what the piece holds.
    void find(std::string_view piece, const Wanted& wanted, FoundPiece& found);
    SimdLevel level() const { return level_; }

private:
    void collectHits(std::string_view piece, int panel, std::vector<PieceHit>& hits,
                     std::vector<EarlyLine>* early) const;

    std::array<TextFinder, kPanelCount> finders_;
    SimdLevel level_;
    // Each panel's hits, before they are put in order; kept for their memory.
    std::array<std::vector<PieceHit>, kPanelCount> panelHits_;
};

// Where the next piece of lines that a search takes begins and ends within lines, and whether the
// line after it is too long to search: the piece takes about kPieceSize bytes of whole lines.
struct PieceSplit {
    std::size_t pieceEnd = 0;
    bool overlongFollows = false; // then [pieceEnd, overlongEnd) is that line, without its break
    std::size_t overlongEnd = 0;
    std::size_t next = 0; // where the lines after it begin
};
PieceSplit NextPiece(std::string_view lines, std::size_t longestLine, SimdLevel level);

// The pieces of one run of whole lines found ahead of the search. The search takes them only for
// the very run they were found in; it finds any other run itself.
struct FoundRun {
    std::string_view run;
    PieceFinder::Wanted wanted;
    std::vector<FoundPiece> pieces; // kept for their memory: only the first `found` hold this run's
    std::size_t found = 0;
};
// Finds the pieces of run as a search that takes run whole splits it, until a line too long to
// search.
void FindRun(PieceFinder& finder, const PieceFinder::Wanted& wanted, std::string_view run, std::size_t longestLine,
             FoundRun& into);

} // namespace tallywick
