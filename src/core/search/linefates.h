#pragma once

#include "core/log/logfields.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tallywick {

// What became of a line that holds a panel's text.
enum class LineFate : std::uint8_t {
    Download,            // counted: the first line of a download
    Repeat,              // a repeat of a split download (counted too when "No duplicates" is off)
    Robot,               // left out: a robot's user agent
    DownloadTool,        // left out: a download tool's user agent
    Failed,              // left out: a status other than 2xx
    BeforeRequestColumn, // not a hit: the text stands only before character 38
    OverLength,          // not a hit: the line is longer than the longest line searched
};

constexpr bool IsLeftOut(LineFate fate)
{
    return fate == LineFate::Robot || fate == LineFate::DownloadTool || fate == LineFate::Failed;
}

constexpr bool IsNotAHit(LineFate fate)
{
    return fate == LineFate::BeforeRequestColumn || fate == LineFate::OverLength;
}

// One line's fate, as the search tells it. The views are valid during the call only.
struct FateOfLine {
    int panel = 0;
    LineFate fate = LineFate::Download;
    std::uint64_t offset = 0; // of the line's first byte in the report (all its chunks as one)
    std::int64_t number = 0;  // of the line in the report, from 1
    std::string_view line;    // empty for a line over the length bound
    // Read for the lines past the request column (downloads, repeats, left out); else null.
    const LogFields* fields = nullptr;
    // A download or a repeat that took part in the split-download test (its status is 200, 206
    // or 304): its place among the panel's lines that did, from 0.
    std::optional<std::uint64_t> key;
    std::string_view timeKey; // and the time key it was tested by (its client as the test takes it)
    // A repeat: the place (as key) of the earlier line the split-download test matched it to.
    std::uint64_t matchedKey = 0;
};

// Told every line that holds a panel's text, in report order per panel, with its fate; a line
// that both panels' texts are in comes once for each.
class FateSink {
public:
    virtual void take(const FateOfLine& fate) = 0;

protected:
    ~FateSink() = default;
};

} // namespace tallywick
