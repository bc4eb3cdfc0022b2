#include "app/history/historykeeper.h"

#include "app/store/historystore.h"
#include "app/store/partialtrackeditems.h"
#include "app/work/backgroundjob.h"
#include "core/history/historydate.h"
#include "core/history/historyindex.h"
#include "core/history/pasttimelimit.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <unordered_set>
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
    beginMergesFrom(outcome);
    return outcome;
}

void HistoryKeeper::beginMergesFrom(const HistoryLoadOutcome& outcome)
{
    end_ = EndOf(session_.History);
    mergedUpTo_ = 0;
    appendedSinceLoad_.reset();
    if (outcome.status == LinesRead::Status::Read && !outcome.sorted && session_.removedForAge.empty())
        appendedSinceLoad_.emplace();
}

// What this run collected and covered stays; the history comes whole from the file.
HistoryLoadOutcome HistoryKeeper::loadWhole()
{
    HistorySession run = std::move(session_);
    tail_.reset();
    auto outcome = LoadHistoryStep(session_, *store_, today(), timeLimit(), announce());
    session_.collected = std::move(run.collected);
    session_.HistoryChanged = run.HistoryChanged;
    session_.coveredDays = std::move(run.coveredDays);
    return outcome;
}

bool HistoryKeeper::holdWhole()
{
    if (!tail_)
        return false;
    beginMergesFrom(loadWhole());
    return true;
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
    // Where the report changed since, its hits are the ones collected for the items searched for.
    if (found.trackedItems == trackedItems_ || collectTracked(found.reportHits) == TrackedHits::ReportChanged)
        AddFoundDownloads(session_, found.collected);
    NoteCoveredDays(session_, found.days);
    return CountPastTimeLimit(session_.collected, today(), timeLimit());
}

HistoryKeeper::TrackedHits HistoryKeeper::collectTracked(const KeptReportHits& reportHits)
{
    bool added = false;
    const bool read = reportHits.forEachLine(
        [&](std::string_view line) { added = AddTrackedHit(line, trackedItems_, session_.collected) || added; });
    if (!read)
        return TrackedHits::ReportChanged;
    if (!added)
        return TrackedHits::NothingNew;
    session_.HistoryChanged = true;
    return TrackedHits::Added;
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
    // Loaded by its end, the history is read by nothing: the merges wait for holdWhole or the closing.
    auto work = tail_ ? std::nullopt : BeginMerge(session_, today(), timeLimit());
    if (!work) {
        runMergedSteps();
        return;
    }
    waitUntilHistoryCopied();
    // A merge that only appends reads only the last day: it is quick however large the history.
    if (const auto appended = AppendCollectedHits(session_.History, end_, session_.collected, mergedUpTo_)) {
        session_.HistoryChanged = false;
        mergedUpTo_ = session_.collected.size();
        if (appendedSinceLoad_)
            appendedSinceLoad_->insert(appendedSinceLoad_->end(), appended->begin(), appended->end());
        for (auto& step : afterMerge_)
            step.added += appended->size();
        runMergedSteps();
        return;
    }
    appendedSinceLoad_.reset();
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
        if (auto appended = closeTailByAppending())
            return std::move(*appended);
        loadWhole();
    } else if (auto appended = closeWholeByAppending()) {
        return std::move(*appended);
    }
    appendedSinceLoad_.reset();
    return RunClosingHistorySteps(session_, *store_, today(), timeLimit(), announce());
}

std::optional<ClosingHistoryOutcome> HistoryKeeper::closeTailByAppending()
{
    const auto& tail = *tail_;
    const HistoryEnd end = tail.index.end();
    const std::size_t from = session_.HistoryChanged ? 0 : session_.collected.size();
    auto plan =
        PlanAppend(end, tail.lastDayRecords, static_cast<std::size_t>(tail.index.records()), session_.collected, from);
    // Nothing may leave the history for age: the full closing would archive it.
    if (!plan || (plan->end.firstDay && !WithinTimeLimit(*plan->end.firstDay, today(), timeLimit())))
        return std::nullopt;
    std::optional<MergeResult> merge;
    if (session_.HistoryChanged)
        merge = MergeResult{plan->appended, false, {}};
    const auto duplicates = DuplicatePartialsAmongAppended(tail.lastDayRecords, session_.collected, plan->appended);
    return appendAtClose(tail, plan->appended, duplicates, std::move(merge));
}

std::optional<ClosingHistoryOutcome> HistoryKeeper::closeWholeByAppending()
{
    // Nothing may leave the history for age: the full closing would archive it.
    if (!appendedSinceLoad_ || !session_.removedForAge.empty() || !end_.firstDay ||
        !WithinTimeLimit(*end_.firstDay, today(), timeLimit()))
        return std::nullopt;
    const auto tail = store_->TailOfKnownFile();
    if (!tail || tail->index.records() + appendedSinceLoad_->size() != session_.History.size())
        return std::nullopt;
    std::optional<MergeResult> merge;
    if (session_.HistoryChanged) {
        const auto appended = AppendCollectedHits(session_.History, end_, session_.collected, mergedUpTo_);
        if (!appended)
            return std::nullopt;
        appendedSinceLoad_->insert(appendedSinceLoad_->end(), appended->begin(), appended->end());
        mergedUpTo_ = session_.collected.size();
        merge = MergeResult{*appended, false, {}};
    }
    const auto& appended = *appendedSinceLoad_;
    const auto duplicates = DuplicatePartialsAmongAppended(tail->lastDayRecords, session_.collected, appended);
    auto outcome = appendAtClose(*tail, appended, duplicates, std::move(merge));
    if (outcome.save.status != HistorySaveOutcome::Status::Saved)
        return outcome;
    if (!duplicates.empty()) {
        // The history in memory is the file again.
        const std::unordered_set<std::size_t> dropped(duplicates.begin(), duplicates.end());
        auto record = session_.History.begin() + static_cast<std::ptrdiff_t>(tail->index.records());
        auto next = record;
        for (const auto i : appended) {
            if (!dropped.contains(i))
                *record++ = std::move(*next);
            ++next;
        }
        session_.History.erase(record, session_.History.end());
        end_ = EndOf(session_.History);
    }
    appendedSinceLoad_.emplace();
    return outcome;
}

ClosingHistoryOutcome HistoryKeeper::appendAtClose(const HistoryStore::Tail& tail,
                                                   const std::vector<std::size_t>& appended,
                                                   const std::vector<std::size_t>& duplicates,
                                                   std::optional<MergeResult> merge)
{
    const std::unordered_set<std::size_t> dropped(duplicates.begin(), duplicates.end());
    const auto kept = [&](std::size_t i) { return !dropped.contains(i); };
    ClosingHistoryOutcome outcome;
    std::vector<std::string_view> records;
    for (const auto i : appended) {
        if (kept(i))
            records.push_back(session_.collected[i]);
    }
    // Of the closing's own merge, as the full closing tells them.
    if (merge)
        std::copy_if(merge->appended.begin(), merge->appended.end(), std::back_inserter(outcome.keptAppended), kept);
    outcome.merge = std::move(merge);
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
