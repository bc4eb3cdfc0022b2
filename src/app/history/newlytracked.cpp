#include "app/history/newlytracked.h"

namespace tallywick {

std::optional<QString> CollectForNewlyTracked(HistorySession& session, const LineList& reportHits,
                                              const std::vector<std::string>& trackedItems, std::chrono::sys_days today,
                                              int TimeLimit)
{
    if (!CollectNewlyTracked(session, reportHits, trackedItems))
        return std::nullopt;
    const auto merge = MergeIfChanged(session, today, TimeLimit);
    return NewlyTrackedText(merge ? merge->appended.size() : 0);
}

bool CollectNewlyTracked(HistorySession& session, const LineList& reportHits,
                         const std::vector<std::string>& trackedItems)
{
    if (!AddTrackedHits(reportHits, trackedItems, session.collected))
        return false;
    session.HistoryChanged = true;
    return true;
}

std::optional<QString> NewlyTrackedText(std::size_t added)
{
    if (added == 0)
        return std::nullopt;
    return QStringLiteral("%1 %2 of the newly tracked items from the loaded report added to the history")
        .arg(added)
        .arg(added == 1 ? QStringLiteral("download") : QStringLiteral("downloads"));
}

} // namespace tallywick
