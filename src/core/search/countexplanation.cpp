#include "core/search/countexplanation.h"

#include "core/log/logline.h"

#include <algorithm>

namespace tallywick {

std::span<const std::uint32_t> PanelExplanation::linesOf(std::uint32_t download) const
{
    const auto begin = downloadLineStarts[download];
    const auto end = downloadLineStarts[download + 1];
    return std::span<const std::uint32_t>(downloadLines).subspan(begin, end - begin);
}

std::string_view PanelExplanation::textOf(std::uint32_t line) const
{
    if (line >= textEnds.size())
        return {};
    const auto begin = line == 0 ? 0 : textEnds[line - 1];
    return std::string_view(text).substr(begin, textEnds[line] - begin);
}

std::int64_t PanelExplanation::count(LineFate fate) const
{
    return std::count_if(lines.begin(), lines.end(), [fate](const ExplainedLine& line) { return line.fate == fate; });
}

ExplainSink::ExplainSink(const UserAgentMatcher* robots, Texts texts) :
    robots_(robots), keepTexts_(texts == Texts::Keep)
{
}

std::uint32_t ExplainSink::pathNumber(std::string_view path)
{
    const auto [it, added] =
        pathNumbers_.try_emplace(std::string(path), static_cast<std::uint32_t>(explanation_.paths.size()));
    if (added)
        explanation_.paths.emplace_back(path);
    return it->second;
}

std::int64_t ExplainSink::robotPattern(const LogFields* fields)
{
    if (!robots_ || !fields || !fields->userAgent)
        return -1;
    const std::string agent(*fields->userAgent);
    if (const auto known = robotPatterns_.find(agent); known != robotPatterns_.end())
        return known->second;
    const auto pattern = robots_->robotPattern(agent);
    const std::int64_t place = pattern ? static_cast<std::int64_t>(*pattern) : -1;
    robotPatterns_.emplace(agent, place);
    return place;
}

void ExplainSink::take(const FateOfLine& fate)
{
    PanelExplanation& panel = explanation_.panels[fate.panel];
    const auto index = static_cast<std::uint32_t>(panel.lines.size());
    ExplainedLine line{fate.offset, fate.number, kNoIndex, kNoIndex, 0, fate.fate};
    std::optional<std::int64_t> minute;
    if (fate.key)
        minute = KeyDateTime(fate.timeKey).wholeMinutes();
    switch (fate.fate) {
    case LineFate::Download: {
        line.download = static_cast<std::uint32_t>(panel.downloads.size());
        ExplainedDownload download;
        download.firstLine = index;
        const auto path = fate.fields ? fate.fields->knownPath() : std::nullopt;
        if (path) {
            download.path = pathNumber(*path);
            download.delivered = DeliveredTowards(*fate.fields, path);
        }
        panel.downloads.push_back(download);
        break;
    }
    case LineFate::Repeat: {
        const auto matched = keyLines_[fate.panel][fate.matchedKey];
        line.matchedLine = matched;
        line.download = panel.lines[matched].download;
        line.detail = *minute - keyMinutes_[fate.panel][fate.matchedKey];
        ExplainedDownload& download = panel.downloads[line.download];
        if (download.path != kNoIndex && fate.fields)
            download.delivered =
                AddBytes(download.delivered, DeliveredTowards(*fate.fields, explanation_.paths[download.path]));
        break;
    }
    case LineFate::Failed:
        line.detail = fate.fields && fate.fields->status ? *fate.fields->status : 0;
        break;
    case LineFate::Robot:
        line.detail = robotPattern(fate.fields);
        break;
    case LineFate::DownloadTool:
    case LineFate::BeforeRequestColumn:
    case LineFate::OverLength:
        break;
    }
    if (fate.key) {
        keyLines_[fate.panel].push_back(index);
        keyMinutes_[fate.panel].push_back(*minute);
    }
    panel.lines.push_back(line);
    if (keepTexts_) {
        panel.text.append(fate.line);
        panel.textEnds.push_back(panel.text.size());
    }
}

CountExplanation ExplainSink::finish(const FileSizes& sizes) &&
{
    for (PanelExplanation& panel : explanation_.panels) {
        for (ExplainedDownload& download : panel.downloads) {
            if (download.path == kNoIndex)
                continue;
            if (const auto size = sizes.find(explanation_.paths[download.path]); size != sizes.end())
                download.size = size->second;
        }
        // Each download's lines, in report order, found by counting them first.
        panel.downloadLineStarts.assign(panel.downloads.size() + 1, 0);
        for (const ExplainedLine& line : panel.lines) {
            if (line.download != kNoIndex)
                ++panel.downloadLineStarts[line.download + 1];
        }
        for (std::size_t i = 1; i < panel.downloadLineStarts.size(); ++i)
            panel.downloadLineStarts[i] += panel.downloadLineStarts[i - 1];
        panel.downloadLines.resize(panel.downloadLineStarts.back());
        auto next = panel.downloadLineStarts;
        for (std::uint32_t i = 0; i < panel.lines.size(); ++i) {
            if (panel.lines[i].download != kNoIndex)
                panel.downloadLines[next[panel.lines[i].download]++] = i;
        }
    }
    keyLines_ = {};
    keyMinutes_ = {};
    return std::move(explanation_);
}

} // namespace tallywick
