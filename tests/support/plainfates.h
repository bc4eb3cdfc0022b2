#pragma once

// The fate of every line that holds a panel's text, read plainly: every line in turn, every
// earlier hit key compared in order, the reasons tried one by one as the rules give them. The
// engine must agree with it.

#include "core/search/countexplanation.h"
#include "support/plaindownloads.h"

#include <optional>
#include <string>
#include <vector>

namespace tallywick::plain {

struct Fate {
    std::uint64_t offset = 0;
    std::int64_t number = 0;
    LineFate fate = LineFate::Download;
    std::uint32_t download = kNoIndex;    // downloads and repeats: the panel's download, from 0
    std::uint32_t matchedLine = kNoIndex; // repeats: the line (among the panel's) it was matched to
    std::int64_t detail = 0;              // minutes since the matched line, or the failed status
    bool operator==(const Fate&) const = default;
};

inline std::array<std::vector<Fate>, kPanelCount> Fates(std::string_view report, const SearchRequest& request)
{
    std::array<std::vector<Fate>, kPanelCount> fates;
    std::vector<std::string> keys[kPanelCount];
    std::vector<std::size_t> keyLines[kPanelCount];
    std::uint32_t downloads[kPanelCount] = {};
    std::int64_t number = 0;
    ForEachLine(report, [&](std::string_view line) {
        ++number;
        const auto offset = static_cast<std::uint64_t>(line.data() - report.data());
        for (int panel = 0; panel < kPanelCount; ++panel) {
            const std::string& text = request.texts[panel];
            auto& panelFates = fates[panel];
            const bool holdsPast = MatchPosition(line, text) > 0;
            const bool holds = holdsPast || (!text.empty() && line.find(text) != std::string_view::npos);
            if (!holds)
                continue;
            Fate fate{offset, number};
            if (line.size() > kLongestLine || !holdsPast) {
                fate.fate = holdsPast ? LineFate::OverLength : LineFate::BeforeRequestColumn;
                panelFates.push_back(fate);
                continue;
            }
            const auto fields = ReadLogFields(line);
            if (const auto reason = LeftOutReason(fields, request.leaveOut)) {
                fate.fate = *reason;
                if (*reason == LineFate::Failed)
                    fate.detail = *fields.status;
                panelFates.push_back(fate);
                continue;
            }
            if (StatusAccepted(line)) {
                const std::string key = request.ipv6Network64 ? NetworkKey(line) : std::string(TimeKey(line));
                const auto repeated = FirstRepeated(keys[panel], key, request.splitTime);
                keys[panel].push_back(key);
                keyLines[panel].push_back(panelFates.size());
                if (repeated) {
                    const auto matched = keyLines[panel][*repeated];
                    fate.fate = LineFate::Repeat;
                    fate.matchedLine = static_cast<std::uint32_t>(matched);
                    fate.download = panelFates[matched].download;
                    fate.detail = KeyDateTime(key).wholeMinutes() - KeyDateTime(keys[panel][*repeated]).wholeMinutes();
                    panelFates.push_back(fate);
                    continue;
                }
            }
            fate.download = downloads[panel]++;
            panelFates.push_back(fate);
        }
    });
    return fates;
}

} // namespace tallywick::plain
