#pragma once

// The counts beside "Found" read plainly: every line in turn, every earlier hit key compared in
// order, each download kept whole with its lines' fields, the unique sets as sets of texts. The
// engine must agree with it.

#include "core/log/clientnetwork.h"
#include "core/log/lines.h"
#include "core/log/logfields.h"
#include "core/log/logline.h"
#include "core/search/countexplanation.h"
#include "core/search/reportsearch.h"
#include "support/plainsearch.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace tallywick::plain {

// The line's time key with its client (the text before the first blank) as the IPv6 option takes it.
inline std::string NetworkKey(std::string_view line)
{
    const auto key = TimeKey(line);
    const auto client = line.substr(0, line.find(' '));
    if (key.size() <= client.size())
        return std::string(key);
    ClientNetwork network;
    return std::string(network.of(client)) + std::string(key.substr(client.size()));
}

// Why the options leave the line out: a failed status first, then its user agent's kind.
inline std::optional<LineFate> LeftOutReason(const LogFields& fields, const LeaveOutOptions& options)
{
    if (options.failed && fields.status && (*fields.status < 200 || *fields.status > 299))
        return LineFate::Failed;
    const auto* matcher = options.robots ? options.robots : options.downloadTools;
    if (!matcher || !fields.userAgent)
        return std::nullopt;
    const auto kind = matcher->kindOf(*fields.userAgent);
    if (kind == AgentKind::Robot && options.robots)
        return LineFate::Robot;
    if (kind == AgentKind::DownloadTool && options.downloadTools)
        return LineFate::DownloadTool;
    return std::nullopt;
}

inline DownloadCounts Downloads(std::string_view report, const SearchRequest& request)
{
    struct Download {
        int panel = 0;
        std::optional<std::string> path;
        std::int64_t delivered = 0;
    };
    using Unique = std::tuple<std::string, std::string, std::optional<std::int64_t>, std::string>;
    const auto delivers = [](const LogFields& fields) {
        return fields.bytes && (fields.status == 200 || fields.status == 206);
    };

    std::map<std::string, std::int64_t> largest;
    std::vector<Download> downloads;
    std::vector<std::string> keys[kPanelCount];
    std::vector<std::size_t> keyDownloads[kPanelCount];
    std::set<Unique> days[kPanelCount];
    std::set<Unique> hours[kPanelCount];
    ForEachLine(report, [&](std::string_view line) {
        if (line.size() > kLongestLine)
            return;
        const auto fields = ReadLogFields(line);
        if (fields.status == 200 && fields.bytes && fields.knownPath()) {
            auto& size = largest.try_emplace(std::string(*fields.knownPath()), -1).first->second;
            size = std::max(size, *fields.bytes);
        }
        for (int panel = 0; panel < kPanelCount; ++panel) {
            if (MatchPosition(line, request.texts[panel]) == 0 || LeftOutReason(fields, request.leaveOut))
                continue;
            if (request.noDuplicates && StatusAccepted(line)) {
                const std::string key = request.ipv6Network64 ? NetworkKey(line) : std::string(TimeKey(line));
                const auto repeated = FirstRepeated(keys[panel], key, request.splitTime);
                keys[panel].push_back(key);
                if (repeated) {
                    const auto owner = keyDownloads[panel][*repeated];
                    keyDownloads[panel].push_back(owner);
                    Download& download = downloads[owner];
                    if (delivers(fields) && download.path && fields.knownPath() == download.path)
                        download.delivered += *fields.bytes;
                    continue;
                }
                keyDownloads[panel].push_back(downloads.size());
            }
            const auto path = fields.knownPath();
            downloads.push_back({panel, path ? std::optional<std::string>(*path) : std::nullopt,
                                 delivers(fields) && path ? *fields.bytes : 0});
            ClientNetwork network;
            const std::string client(request.ipv6Network64 ? network.of(fields.client) : fields.client);
            const std::string agent(fields.userAgent.value_or(""));
            const std::string pathText(path.value_or(""));
            const auto day = fields.time ? std::optional(fields.time->utcDay()) : std::nullopt;
            const auto hour = fields.time ? std::optional(fields.time->utcHour()) : std::nullopt;
            days[panel].emplace(client, agent, day, pathText);
            hours[panel].emplace(client, agent, hour, pathText);
        }
    });

    DownloadCounts counts;
    for (const auto& download : downloads) {
        auto& panel = counts.panels[download.panel];
        ++panel.downloads;
        std::optional<std::int64_t> size;
        if (download.path) {
            if (const auto given = request.givenSizes.find(*download.path); given != request.givenSizes.end())
                size = given->second;
            else if (const auto seen = largest.find(*download.path); seen != largest.end())
                size = seen->second;
        }
        if (!size) {
            ++panel.sizeUnknown;
            continue;
        }
        counts.sizes[*download.path] = *size;
        ++(download.delivered >= *size ? panel.complete : panel.incomplete);
    }
    for (int panel = 0; panel < kPanelCount; ++panel) {
        counts.panels[panel].uniquePerDay = static_cast<std::int64_t>(days[panel].size());
        counts.panels[panel].uniquePerHour = static_cast<std::int64_t>(hours[panel].size());
    }
    return counts;
}

} // namespace tallywick::plain
