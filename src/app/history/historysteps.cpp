#include "app/history/historysteps.h"

#include "core/history/duplicatepartials.h"
#include "core/history/historyorder.h"

namespace tallywick {

HistoryLoadOutcome LoadHistoryStep(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                   int TimeLimit, const UpkeepStatus& status)
{
    session = HistorySession{};
    auto read = store.LoadHistory();
    session.History = std::move(read.lines);
    HistoryLoadOutcome outcome{read.status, read.error};
    if (store.NeedSort()) {
        SortHistory(session.History, today, TimeLimit, status);
        outcome.sorted = true;
    }
    return outcome;
}

std::optional<MergeResult> MergeIfChanged(HistorySession& session, std::chrono::sys_days today, int TimeLimit,
                                          const UpkeepStatus& status)
{
    if (!session.HistoryChanged)
        return std::nullopt;
    auto merge = MergeCollectedHits(session.History, session.collected, today, TimeLimit, status);
    session.HistoryChanged = false;
    return merge;
}

ClosingHistoryOutcome RunClosingHistorySteps(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                             int TimeLimit, const UpkeepStatus& status)
{
    ClosingHistoryOutcome outcome;
    outcome.merge = MergeIfChanged(session, today, TimeLimit, status);
    if (HasDuplicatePartials(session.History))
        outcome.removedPartials = RemoveDuplicatePartials(session.History, status);
    outcome.save = store.SaveHistory(session.History, today, TimeLimit);
    return outcome;
}

} // namespace tallywick
