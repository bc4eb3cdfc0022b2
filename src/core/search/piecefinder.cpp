#include "core/search/piecefinder.h"

#include "core/log/lines.h"
#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {
namespace {

// Lines are searched in pieces of about this size, so that counting the lines and searching
// for both texts read each piece from the cache rather than from memory.
constexpr std::size_t kPieceSize = std::size_t{256} * 1024;

bool HoldsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// The lines before each place of a piece asked for, in ascending order, counted as they go.
class LineNumbering {
public:
    LineNumbering(std::string_view piece, SimdLevel level) : piece_(piece), level_(level) {}
    // pos begins a line or ends the piece: a CR LF is never parted.
    std::int64_t linesBefore(std::size_t pos)
    {
        lines_ += static_cast<std::int64_t>(CountLines(piece_.substr(counted_, pos - counted_), level_));
        counted_ = pos;
        return lines_;
    }

private:
    std::string_view piece_;
    SimdLevel level_;
    std::size_t counted_ = 0;
    std::int64_t lines_ = 0;
};

} // namespace

PieceFinder::PieceFinder(const std::array<std::string, kPanelCount>& texts, SimdLevel level) :
    finders_{TextFinder(texts[0], level), TextFinder(texts[1], level)}, level_(level)
{
}

void PieceFinder::find(std::string_view piece, const Wanted& wanted, FoundPiece& found)
{
    found.size = piece.size();
    found.hits.clear();
    found.fields.clear();
    found.early.clear();
    for (int panel = 0; panel < kPanelCount; ++panel) {
        panelHits_[panel].clear();
        collectHits(piece, panel, panelHits_[panel], wanted.fates ? &found.early : nullptr);
    }
    if (wanted.fates) {
        std::sort(found.early.begin(), found.early.end(),
                  [](const EarlyLine& a, const EarlyLine& b) { return a.lineBegin < b.lineBegin; });
        LineNumbering earlyNumbering(piece, level_);
        for (EarlyLine& line : found.early)
            line.linesBefore = earlyNumbering.linesBefore(line.lineBegin);
    }
    LineNumbering numbering(piece, level_);
    const auto& hits0 = panelHits_[0];
    const auto& hits1 = panelHits_[1];
    found.hits.reserve(hits0.size() + hits1.size());
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < hits0.size() || j < hits1.size()) {
        const bool takeFirst = j == hits1.size() || (i < hits0.size() && hits0[i].lineBegin <= hits1[j].lineBegin);
        PieceHit hit = takeFirst ? hits0[i++] : hits1[j++];
        const auto line = piece.substr(hit.lineBegin, hit.lineEnd - hit.lineBegin);
        const bool sameLine = !found.hits.empty() && found.hits.back().lineBegin == hit.lineBegin;
        if (wanted.fields && !sameLine)
            found.fields.push_back(ReadLogFields(line));
        hit.requestEnd = RequestEnd(line, hit.matchPos, finders_[hit.panel].pattern());
        hit.statusAccepted = sameLine ? found.hits.back().statusAccepted : StatusAccepted(line);
        if (wanted.fates)
            hit.linesBefore = numbering.linesBefore(hit.lineBegin);
        found.hits.push_back(hit);
    }
    found.lineCount = numbering.linesBefore(piece.size());
}

void PieceFinder::collectHits(std::string_view piece, int panel, std::vector<PieceHit>& hits,
                              std::vector<EarlyLine>* early) const
{
    const std::string& text = finders_[panel].pattern();
    if (HoldsLineBreak(text))
        return; // no line can hold it
    if (text.empty()) {
        // An empty text is found at character 38 of every line that long, and nowhere else.
        std::size_t begin = 0;
        while (begin < piece.size()) {
            const auto end = FindLineBreak(piece, begin, level_);
            if (end - begin >= kMatchStart)
                hits.push_back({begin, end, kMatchStart, panel});
            begin = SkipLineBreak(piece, end);
        }
        return;
    }
    const TextFinder& finder = finders_[panel];
    // A line that holds the text before character 38, until an occurrence from there on shows
    // it is a hit after all.
    std::size_t earlyLine = std::string_view::npos;
    const auto endEarlyLine = [&] {
        if (earlyLine != std::string_view::npos)
            early->push_back({earlyLine, FindLineBreak(piece, earlyLine, level_), panel});
        earlyLine = std::string_view::npos;
    };
    std::size_t from = 0;
    for (auto found = finder.find(piece, from); found != std::string_view::npos; found = finder.find(piece, from)) {
        const auto lineBegin = FindLineStart(piece, found, level_);
        if (lineBegin != earlyLine)
            endEarlyLine();
        if (found - lineBegin + 1 >= kMatchStart) {
            earlyLine = std::string_view::npos;
            const auto lineEnd = FindLineBreak(piece, found + text.size(), level_);
            hits.push_back({lineBegin, lineEnd, found - lineBegin + 1, panel});
            from = lineEnd;
        } else {
            from = lineBegin + kMatchStart - 1; // occurrences before character 38 do not count
            if (early) {
                earlyLine = lineBegin;
                // A line that short ends before: the next line's early occurrences count.
                from = std::min(from, FindLineBreak(piece, found + text.size(), level_));
            }
        }
    }
    endEarlyLine();
}

PieceSplit NextPiece(std::string_view lines, std::size_t longestLine, SimdLevel level)
{
    // No line of a piece but the one that crosses its end can be too long.
    const auto size = std::min(kPieceSize, longestLine);
    if (lines.size() <= size)
        return {lines.size(), false, 0, lines.size()};
    // The line that crosses the piece's end may be too long to search.
    const auto lineBegin = FindLineStart(lines, size, level);
    const auto lineEnd = FindLineBreak(lines, size, level);
    if (lineEnd - lineBegin > longestLine)
        return {lineBegin, true, lineEnd, SkipLineBreak(lines, lineEnd)};
    const auto end = SkipLineBreak(lines, lineEnd);
    return {end, false, 0, end};
}

void FindRun(PieceFinder& finder, const PieceFinder::Wanted& wanted, std::string_view run, std::size_t longestLine,
             FoundRun& into)
{
    into.run = run;
    into.wanted = wanted;
    into.found = 0;
    for (std::string_view lines = run; !lines.empty();) {
        const auto split = NextPiece(lines, longestLine, finder.level());
        if (into.found == into.pieces.size())
            into.pieces.emplace_back();
        finder.find(lines.substr(0, split.pieceEnd), wanted, into.pieces[into.found++]);
        if (split.overlongFollows)
            return;
        lines.remove_prefix(split.next);
    }
}

} // namespace tallywick
