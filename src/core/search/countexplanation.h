#pragma once

#include "core/search/downloadcounts.h"
#include "core/search/largevector.h"
#include "core/search/leaveout.h"
#include "core/search/linefates.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tallywick {

inline constexpr std::uint32_t kNoIndex = 0xFFFFFFFFu;

// A line that holds a panel's text and what became of it, small enough to keep for every such
// line of a large report: where it stands in the report, not its text.
struct ExplainedLine {
    std::uint64_t offset = 0; // of its first byte in the report
    std::int64_t number = 0;  // from 1
    // A download or a repeat: the panel's download it belongs to (from 0).
    std::uint32_t download = kNoIndex;
    // A repeat: the line (among the panel's) that the split-download test matched it to.
    std::uint32_t matchedLine = kNoIndex;
    // A repeat: the minutes from the matched line to it (negative when it is earlier in time).
    // Failed: its status. Robot: the place of the matching pattern in the list, -1 when unknown.
    std::int64_t detail = 0;
    LineFate fate = LineFate::Download;
};

// A download: its first line, the path that line asked for, the bytes its lines delivered, and
// the file's size when it is known (-1 when not).
struct ExplainedDownload {
    std::uint32_t firstLine = 0;
    std::uint32_t path = kNoIndex; // into CountExplanation::paths
    std::int64_t delivered = 0;
    std::int64_t size = -1;
    bool sizeKnown() const { return size >= 0; }
    bool complete() const { return sizeKnown() && delivered >= size; }
};

struct PanelExplanation {
    LargeVector<ExplainedLine> lines; // in report order
    LargeVector<ExplainedDownload> downloads;
    // The texts of the lines, one after another, when they were kept (a line over the length
    // bound keeps none): line i is text[textEnds[i - 1], textEnds[i]).
    std::string text;
    std::vector<std::uint64_t> textEnds;

    // The lines of a download, in report order: its first line, then its repeats.
    std::span<const std::uint32_t> linesOf(std::uint32_t download) const;
    std::string_view textOf(std::uint32_t line) const;
    std::int64_t count(LineFate fate) const;

    // Built by the sink: where each download's lines begin in downloadLines.
    LargeVector<std::uint32_t> downloadLineStarts;
    LargeVector<std::uint32_t> downloadLines;
};

// Every line that holds a panel's text, with its fate.
struct CountExplanation {
    std::array<PanelExplanation, kPanelCount> panels;
    std::vector<std::string> paths;
};

// Keeps every fate the search tells, compactly. Robot patterns are asked of robots (once an
// agent); line texts are kept when asked for (a window reads them from the report instead).
class ExplainSink final : public FateSink {
public:
    enum class Texts { Keep, Drop };
    explicit ExplainSink(const UserAgentMatcher* robots = nullptr, Texts texts = Texts::Drop);

    void take(const FateOfLine& fate) override;
    // sizes: the file sizes the search found (DownloadCounts::sizes); a path without one has an
    // unknown size.
    CountExplanation finish(const FileSizes& sizes) &&;

private:
    std::int64_t robotPattern(const LogFields* fields);
    std::uint32_t pathNumber(std::string_view path);

    const UserAgentMatcher* robots_;
    bool keepTexts_;
    CountExplanation explanation_;
    std::unordered_map<std::string, std::uint32_t> pathNumbers_;
    std::unordered_map<std::string, std::int64_t> robotPatterns_;
    // Per panel, of each line that took part in the split-download test: the line, its minute.
    std::array<LargeVector<std::uint32_t>, kPanelCount> keyLines_;
    std::array<LargeVector<std::int64_t>, kPanelCount> keyMinutes_;
};

} // namespace tallywick
