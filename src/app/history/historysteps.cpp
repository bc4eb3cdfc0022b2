#include "app/history/historysteps.h"

#include "core/history/duplicatepartials.h"
#include "core/history/historyorder.h"

#include <utility>

namespace tallywick {

HistoryLoadOutcome LoadHistoryStep(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                   int TimeLimit, const UpkeepStatus& status)
{
    session = HistorySession{};
    auto read = store.LoadHistory();
    session.History = std::move(read.lines);
    session.historyWasEmpty = session.History.empty();
    HistoryLoadOutcome outcome{read.status, read.error};
    if (store.NeedSort()) {
        SortHistory(session.History, today, TimeLimit, status, &session.removedForAge);
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
    session.removedForAge.insert(session.removedForAge.end(), merge.removedForAge.begin(), merge.removedForAge.end());
    return merge;
}

std::optional<MergeWork> BeginMerge(const HistorySession& session, std::chrono::sys_days today, int TimeLimit)
{
    if (!session.HistoryChanged)
        return std::nullopt;
    return MergeWork{session.collected, today, TimeLimit};
}

MergedHistory RunMerge(std::vector<std::string> History, const MergeWork& work, const UpkeepStatus& status)
{
    MergedHistory merged{std::move(History), {}, work.collected.size()};
    merged.merge = MergeCollectedHits(merged.History, work.collected, work.today, work.TimeLimit, status);
    return merged;
}

MergeResult ApplyMerge(HistorySession& session, MergedHistory merged)
{
    session.History = std::move(merged.History);
    // The collected hits only grow: those added since the merge began are still to be merged.
    session.HistoryChanged = session.collected.size() > merged.collectedMerged;
    const auto& removed = merged.merge.removedForAge;
    session.removedForAge.insert(session.removedForAge.end(), removed.begin(), removed.end());
    return std::move(merged.merge);
}

bool AddFoundDownloads(HistorySession& session, const CollectedHits& found)
{
    bool added = false;
    for (const auto line : found)
        added = session.collected.append(line) || added;
    if (added)
        session.HistoryChanged = true;
    return added;
}

ClosingHistoryOutcome RunClosingHistorySteps(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                             int TimeLimit, const UpkeepStatus& status)
{
    ClosingHistoryOutcome outcome;
    outcome.merge = MergeIfChanged(session, today, TimeLimit, status);
    if (HasDuplicatePartials(session.History))
        outcome.removedPartials = RemoveDuplicatePartials(session.History, status);
    auto saved = SaveHistoryKeepingOld(session, store, ArchiveFolder::besideHistory(store.path()), today, TimeLimit);
    outcome.archive = std::move(saved.archive);
    outcome.save = std::move(saved.save);
    if (outcome.save.status == HistorySaveOutcome::Status::Saved ||
        outcome.save.status == HistorySaveOutcome::Status::Untouched)
        outcome.coverageError = SaveCoveredDays(session, CoveragePathBeside(store.path()), today, TimeLimit);
    return outcome;
}

QStringList ClosingHistoryOutcome::problems() const
{
    QStringList problems;
    if (save.status == HistorySaveOutcome::Status::Refused || save.status == HistorySaveOutcome::Status::Failed)
        problems << QStringLiteral("The download history was not saved:\n%1").arg(save.error);
    if (!save.flagError.isEmpty())
        problems << save.flagError;
    if (!archive.notArchived.empty())
        problems << QStringLiteral("The downloads past the time limit could not be archived (%1); they stay in the "
                                   "history file until a later save archives them.")
                        .arg(archive.error);
    if (coverageError)
        problems << QStringLiteral("The days the searched reports covered were not recorded:\n%1").arg(*coverageError);
    return problems;
}

} // namespace tallywick
