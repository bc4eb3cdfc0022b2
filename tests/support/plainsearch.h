#pragma once

// The report search read plainly: every line in turn, every earlier hit key compared in order,
// exactly as the rules state them and without any index. The engine must agree with it.

#include "core/log/lines.h"
#include "core/log/logline.h"
#include "core/search/reportsearch.h"

#include <optional>
#include <string>
#include <vector>

namespace tallywick::plain {

// The earliest earlier key that key repeats, by the split-download rule.
inline std::optional<std::size_t> FirstRepeated(const std::vector<std::string>& earlierKeys, std::string_view key,
                                                std::int64_t splitTime)
{
    const auto separator = FindText(kSeparatorSearchStart, key, kSeparator);
    if (separator == 0)
        return std::nullopt;
    const auto host = Left(key, separator - 1);
    const auto current = KeyDateTime(key);
    for (std::size_t i = 0; i < earlierKeys.size(); ++i) {
        const std::string_view earlier = earlierKeys[i];
        const auto before = KeyDateTime(earlier);
        if (!earlier.starts_with(host) || current.seconds() <= 0 || before.seconds() <= 0)
            continue;
        const auto minutes = current.wholeMinutes() - before.wholeMinutes();
        if (-splitTime < minutes && minutes < splitTime)
            return i;
    }
    return std::nullopt;
}

inline bool IsSplitDownload(const std::vector<std::string>& earlierKeys, std::string_view key, std::int64_t splitTime)
{
    return FirstRepeated(earlierKeys, key, splitTime).has_value();
}

inline SearchResult Search(std::string_view report, const SearchRequest& request)
{
    SearchResult result;
    std::vector<std::string> keys[kPanelCount];
    ForEachLine(report, [&](std::string_view line) {
        ++result.counts.lineCount;
        if (line.size() > kLongestLine) {
            ++result.counts.overlongLines;
            return;
        }
        for (int i = 0; i < kPanelCount; ++i) {
            const std::string& text = request.texts[i];
            const auto match = MatchPosition(line, text);
            if (match == 0)
                continue;
            const auto requestEnd = RequestEnd(line, match, text);
            bool repeated = false;
            if (StatusAccepted(line)) {
                const auto key = TimeKey(line);
                repeated = IsSplitDownload(keys[i], key, request.splitTime);
                keys[i].emplace_back(key);
            }
            if (repeated && request.noDuplicates)
                continue;
            ++result.counts.allFound;
            if (!repeated)
                result.reportHits.push_back(line);
            ++result.counts.found[i];
            if (request.moreFlags[i])
                result.texts[i] += std::string(StatusPart(line, requestEnd)) + "\r\n";
            else
                result.texts[i] += Left(line, requestEnd);
            result.texts[i] += "\r\n";
        }
    });
    return result;
}

} // namespace tallywick::plain
