#pragma once

#include "app/report/reportexplain.h"

#include <QString>

#include <array>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace tallywick {

// The reasons a line holding the text is not a download or a repeat, in the order shown.
inline constexpr std::array kExplainedReasons = {LineFate::Robot, LineFate::DownloadTool, LineFate::Failed,
                                                 LineFate::BeforeRequestColumn, LineFate::OverLength};
inline constexpr std::size_t kLeftOutReasons = 3; // the first three; the others are no hits

// What the Explain Counts window shows of one panel: the downloads (a download shows when one of
// its lines does) and, for each reason, its lines; all of them unless a filter is given.
struct ExplanationSelection {
    std::vector<std::uint32_t> downloads;
    std::array<std::vector<std::uint32_t>, kExplainedReasons.size()> reasons;
    bool complete = true; // false when stopped part-way
};

// The lines whose text holds filter (case-insensitive; an empty filter takes every line). Reads
// the lines' texts, so a window runs it off its thread; stop ends it early.
ExplanationSelection SelectLines(const SearchExplanation& explanation, int panel, const QString& filter,
                                 std::stop_token stop = {});

} // namespace tallywick
