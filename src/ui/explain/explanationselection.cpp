#include "ui/explain/explanationselection.h"

#include <algorithm>

namespace tallywick {

ExplanationSelection SelectLines(const SearchExplanation& explanation, int panel, const QString& filter,
                                 std::stop_token stop)
{
    ExplanationSelection selection;
    const PanelExplanation& lines = explanation.explanation.panels[static_cast<std::size_t>(panel)];
    const bool all = filter.isEmpty();
    std::vector<bool> downloadShown(all ? 0 : lines.downloads.size(), false);
    ReportLines::Reader reader(explanation.lines);
    for (std::uint32_t i = 0; i < lines.lines.size(); ++i) {
        if (!all && i % 1024 == 0 && stop.stop_requested()) {
            selection.complete = false;
            return selection;
        }
        const ExplainedLine& line = lines.lines[i];
        if (!all) {
            const auto text = explanation.lineText(panel, i, &reader);
            if (!text || !QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size()))
                              .contains(filter, Qt::CaseInsensitive))
                continue;
        }
        if (line.download != kNoIndex) {
            if (all)
                continue;
            downloadShown[line.download] = true;
            continue;
        }
        const auto reason = std::find(kExplainedReasons.begin(), kExplainedReasons.end(), line.fate);
        selection.reasons[static_cast<std::size_t>(reason - kExplainedReasons.begin())].push_back(i);
    }
    const auto downloads = static_cast<std::uint32_t>(lines.downloads.size());
    for (std::uint32_t d = 0; d < downloads; ++d) {
        if (all || downloadShown[d])
            selection.downloads.push_back(d);
    }
    return selection;
}

} // namespace tallywick
