#pragma once

// The engine fed a report in pieces, as a file or a pipe delivers it, with its hits made into
// the main window's result texts.

#include "core/search/reportsearch.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tallywick::testing {

enum class FileSizes { AsItGoes, Later };
// Whether the lines of each piece are found before it is fed, as a reading thread finds them.
enum class Ahead { None, Found };

// nextSize() gives the size of each next piece. File sizes left for later are read from the
// report fed again in pieces as far as the search wants it, as a file read a second time gives
// them.
template <class NextSize>
SearchResult SearchInChunks(std::string_view report, const SearchRequest& request, NextSize&& nextSize,
                            SimdLevel level = BestSimdLevel(), FileSizes sizes = FileSizes::AsItGoes,
                            ResultTextSink::ReportHits reportHits = ResultTextSink::ReportHits::Keep,
                            Ahead ahead = Ahead::None)
{
    ResultTextSink texts(request.moreFlags, reportHits);
    ReportSearch search(request, texts, level);
    search.leaveSizesForLater(sizes == FileSizes::Later);
    auto finding = ahead == Ahead::Found ? std::optional(search.findingAhead()) : std::nullopt;
    FoundRun found;
    char before = '\n';
    const auto feedSearch = [&](std::string_view piece) {
        if (!finding) {
            search.feed(piece);
            return;
        }
        FindRun(finding->finder, finding->wanted, LineAssembler::RunInPlace(piece, before, level), kLongestLine, found);
        search.feed(piece, &found);
        before = piece.back();
    };
    const auto inPieces = [&](std::string_view text, auto&& feed) {
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t size = nextSize();
            feed(text.substr(at, size));
            at += size;
        }
    };
    inPieces(report, feedSearch);
    if (search.wantsSizeLines()) {
        LineAssembler lines(kLongestLine, level);
        inPieces(report.substr(0, std::min<std::uint64_t>(report.size(), search.sizeLinesBefore())),
                 [&](std::string_view piece) {
                     lines.feed(piece, [&](std::string_view run) { search.noteSizeLines(run); });
                 });
        search.noteSizeLines(lines.rest());
    }
    const auto counts = std::move(search).finish();
    return std::move(texts).finish(counts);
}

// Whether each of the places is where the line of the same place in lines begins in the report,
// with its hash.
template <class Lines>
bool PlacesOfLines(std::string_view report, const LargeVector<LinePlace>& places, const Lines& lines)
{
    if (places.size() != lines.size())
        return false;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const std::string_view line = lines[i];
        const std::uint64_t at = places[i].offset;
        if (at > report.size() || report.substr(at, line.size()) != line ||
            (at > 0 && report[at - 1] != '\n' && report[at - 1] != '\r') || PlaceOfLine(at, line) != places[i])
            return false;
    }
    return true;
}

} // namespace tallywick::testing
