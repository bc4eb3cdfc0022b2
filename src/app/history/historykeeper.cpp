#include "app/history/historykeeper.h"

#include "app/store/historystore.h"
#include "app/store/partialtrackeditems.h"
#include "app/work/backgroundjob.h"
#include "core/history/historydate.h"
#include "core/history/historyindex.h"
#include "core/history/pasttimelimit.h"

#include <algorithm>

#include <new>
#include <utility>

namespace tallywick {

HistoryKeeper::HistoryKeeper(HistoryKeeperSetup setup, SettingsStore& settings, QObject* parent) :
    QObject(parent), setup_(std::move(setup)),
    store_(std::make_unique<HistoryStore>(setup_.folder.historyPath(), settings, setup_.save, setup_.read)),
    mergeJob_(std::make_unique<BackgroundJob>())
{
}

HistoryKeeper::~HistoryKeeper() = default;

UpkeepStatus HistoryKeeper::announce()
{
    return [this](const UpkeepNotice& said) { emit notice(said); };
}

HistoryLoadOutcome HistoryKeeper::load()
{
    cancelMerge();
    waitUntilHistoryCopied();
    closing_ = false;
    tail_.reset();
    if (!setup_.wholeHistory) {
        session_ = HistorySession{};
        tail_ = store_->LoadTail();
        if (tail_) {
            session_.historyWasEmpty = tail_->index.records() == 0;
            return {LinesRead::Status::Read, {}, false};
        }
    }
    auto outcome = LoadHistoryStep(session_, *store_, today(), timeLimit(), announce());
    end_ = EndOf(session_.History);
    mergedUpTo_ = 0;
    return outcome;
}

// What this run collected and covered stays; the history comes whole from the file.
void HistoryKeeper::loadWhole()
{
    HistorySession run = std::move(session_);
    tail_.reset();
    LoadHistoryStep(session_, *store_, today(), timeLimit(), announce());
    session_.collected = std::move(run.collected);
    session_.HistoryChanged = run.HistoryChanged;
    session_.coveredDays = std::move(run.coveredDays);
}

QString HistoryKeeper::saveRefusal() const
{
    return store_->saveRefusal();
}

std::optional<QString> HistoryKeeper::readTrackedItems()
{
    auto tracking = LoadTrackedItemsKeepingPart(setup_.folder.trackingPath());
    trackedItems_ = std::move(tracking.items);
    return tracking.problem;
}

std::size_t HistoryKeeper::takeSearch(const FoundDownloads& found)
{
    if (found.trackedItems == trackedItems_)
        AddFoundDownloads(session_, found.collected);
    else
        collectTracked(found.reportHits);
    NoteCoveredDays(session_, found.days);
    return CountPastTimeLimit(session_.collected, today(), timeLimit());
}

bool HistoryKeeper::collectTracked(const LineList& reportHits)
{
    if (!AddTrackedHits(reportHits, trackedItems_, session_.collected))
        return false;
    session_.HistoryChanged = true;
    return true;
}

bool HistoryKeeper::isMerging() const
{
    return mergeJob_->isRunning();
}

void HistoryKeeper::bringUpToDate(std::function<void(std::size_t added)> then)
{
    if (then)
        afterMerge_.push_back({std::move(then), 0});
    if (!isMerging())
        continueMerging();
}

// Merges until nothing collected is left out (a search may collect more while a merge runs),
// then runs the steps that waited for it.
void HistoryKeeper::continueMerging()
{
    auto work = BeginMerge(session_, today(), timeLimit());
    if (!work) {
        runMergedSteps();
        return;
    }
    waitUntilHistoryCopied();
    // A merge that only appends reads only the last day: it is quick however large the history.
    if (const auto appended = AppendCollectedHits(session_.History, end_, session_.collected, mergedUpTo_)) {
        session_.HistoryChanged = false;
        mergedUpTo_ = session_.collected.size();
        for (auto& step : afterMerge_)
            step.added += appended->size();
        runMergedSteps();
        return;
    }
    if (session_.History.size() + work->collected.size() < setup_.backgroundMergeFrom) {
        const auto merge = MergeIfChanged(session_, today(), timeLimit(), announce());
        end_ = EndOf(session_.History);
        mergedUpTo_ = merge->sorted ? 0 : session_.collected.size();
        const auto added = merge->appended.size();
        for (auto& step : afterMerge_)
            step.added += added;
        runMergedSteps();
        return;
    }
    emit mergeStarted();
    auto copied = std::make_shared<std::promise<void>>();
    historyCopied_ = copied->get_future().share();
    const std::vector<std::string>* history = &session_.History;
    mergeJob_->start([this, history, copied, work = std::move(*work)](const BackgroundJob::Channel& channel) {
        const UpkeepStatus status = [this, post = channel.post](const UpkeepNotice& said) {
            post([this, said] { emit notice(said); });
        };
        std::shared_ptr<MergedHistory> merged;
        HistoryEnd end;
        try {
            // The one read of the history that the event loop's thread owns: once copied, it may
            // change there again.
            std::vector<std::string> copy;
            try {
                copy = *history;
            } catch (...) {
                copied->set_value();
                throw;
            }
            copied->set_value();
            if (channel.stopped())
                return BackgroundJob::Step{};
            merged = std::make_shared<MergedHistory>(RunMerge(std::move(copy), work, status));
            end = EndOf(merged->History);
        } catch (const std::bad_alloc&) {
        }
        return BackgroundJob::Step([this, merged, end] {
            if (!merged) {
                afterMerge_.clear();
                emit mergeOutOfMemory();
                emit mergeEnded();
                return;
            }
            const auto collectedMerged = merged->collectedMerged;
            const auto merge = ApplyMerge(session_, std::move(*merged));
            end_ = end;
            mergedUpTo_ = merge.sorted ? 0 : collectedMerged;
            const auto added = merge.appended.size();
            for (auto& step : afterMerge_)
                step.added += added;
            emit mergeEnded();
            if (!closing_)
                continueMerging();
        });
    });
}

void HistoryKeeper::runMergedSteps()
{
    // A step may ask for another merge: it waits for the next round.
    auto steps = std::exchange(afterMerge_, {});
    for (auto& step : steps)
        step.run(step.added);
}

void HistoryKeeper::cancelMerge()
{
    afterMerge_.clear();
    if (!isMerging())
        return;
    mergeJob_->cancel();
    emit mergeEnded();
}

void HistoryKeeper::restartMerge()
{
    if (!isMerging())
        return;
    mergeJob_->cancel();
    continueMerging();
}

void HistoryKeeper::waitUntilHistoryCopied()
{
    if (historyCopied_.valid())
        historyCopied_.wait();
}

ClosingHistoryOutcome HistoryKeeper::close()
{
    closing_ = true;
    afterMerge_.clear();
    // A merge under way is done in part already: it ends here, and what it merged counts.
    mergeJob_->finish();
    waitUntilHistoryCopied();
    if (tail_) {
        if (auto appended = closeByAppending())
            return std::move(*appended);
        loadWhole();
    }
    return RunClosingHistorySteps(session_, *store_, today(), timeLimit(), announce());
}

std::optional<ClosingHistoryOutcome> HistoryKeeper::closeByAppending()
{
    const auto& tail = *tail_;
    const HistoryEnd end = tail.index.end();
    const std::size_t from = session_.HistoryChanged ? 0 : session_.collected.size();
    auto plan =
        PlanAppend(end, tail.lastDayRecords, static_cast<std::size_t>(tail.index.records()), session_.collected, from);
    // Nothing may leave the history for age: the full closing would archive it.
    if (!plan || (plan->end.firstDay && !WithinTimeLimit(*plan->end.firstDay, today(), timeLimit())))
        return std::nullopt;
    const auto duplicates = DuplicatePartialsAmongAppended(tail.lastDayRecords, session_.collected, plan->appended);
    ClosingHistoryOutcome outcome;
    std::vector<std::string_view> records;
    for (const auto i : plan->appended) {
        if (std::find(duplicates.begin(), duplicates.end(), i) == duplicates.end()) {
            records.push_back(session_.collected[i]);
            outcome.keptAppended.push_back(i);
        }
    }
    if (session_.HistoryChanged)
        outcome.merge = MergeResult{std::move(plan->appended), false, {}};
    if (!duplicates.empty())
        outcome.removedPartials = static_cast<std::int64_t>(duplicates.size());
    if (records.empty() && tail.index.records() == 0) {
        outcome.save.status = HistorySaveOutcome::Status::Untouched;
    } else {
        outcome.save = store_->AppendHistory(tail, records);
        if (outcome.save.status != HistorySaveOutcome::Status::Saved)
            return outcome;
    }
    session_.HistoryChanged = false;
    outcome.coverageError = SaveCoveredDays(session_, CoveragePathBeside(store_->path()), today(), timeLimit());
    auto saved = tail.index;
    for (const auto& record : records)
        AddToDayBlocks(saved.days, record, 0);
    outcome.future = static_cast<std::size_t>(saved.recordsAfter(today()));
    return outcome;
}

std::size_t HistoryKeeper::countPastTimeLimit(int months) const
{
    return CountPastTimeLimit(session_.History, today(), months);
}

} // namespace tallywick
