#pragma once

// The engine fed a report in pieces, as a file or a pipe delivers it, with its hits made into
// the main window's result texts.

#include "core/search/reportsearch.h"

#include <string_view>

namespace tallywick::testing {

// nextSize() gives the size of each next piece.
template <class NextSize>
SearchResult SearchInChunks(std::string_view report, const SearchRequest& request, NextSize&& nextSize,
                            SimdLevel level = BestSimdLevel())
{
    ResultTextSink texts(request.moreFlags);
    ReportSearch search(request, texts, level);
    for (std::size_t at = 0; at < report.size();) {
        const std::size_t size = nextSize();
        search.feed(report.substr(at, size));
        at += size;
    }
    const auto counts = std::move(search).finish();
    return std::move(texts).finish(counts);
}

} // namespace tallywick::testing
