#include "app/history/newlytracked.h"

namespace tallywick {

std::optional<QString> CollectForNewlyTracked(HistorySession& session, const LineList& reportHits,
                                              const std::vector<std::string>& trackedItems, std::chrono::sys_days today,
                                              int TimeLimit)
{
    if (!AddTrackedHits(reportHits, trackedItems, session.collected))
        return std::nullopt;
    session.HistoryChanged = true;
    const auto merge = MergeIfChanged(session, today, TimeLimit);
    const auto added = merge ? merge->appended.size() : 0;
    if (added == 0)
        return std::nullopt;
    return QStringLiteral("%1 %2 of the newly tracked items from the loaded report added to the history")
        .arg(added)
        .arg(added == 1 ? QStringLiteral("download") : QStringLiteral("downloads"));
}

} // namespace tallywick
