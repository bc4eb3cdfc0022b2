#include "app/history/historykeeper.h"

#include "app/store/historystore.h"
#include "app/store/partialtrackeditems.h"
#include "app/work/backgroundjob.h"
#include "core/history/pasttimelimit.h"

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
    return LoadHistoryStep(session_, *store_, today(), timeLimit(), announce());
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
    if (session_.History.size() + work->collected.size() < setup_.backgroundMergeFrom) {
        const auto added = MergeIfChanged(session_, today(), timeLimit(), announce())->appended.size();
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
        } catch (const std::bad_alloc&) {
        }
        return BackgroundJob::Step([this, merged] {
            if (!merged) {
                afterMerge_.clear();
                emit mergeOutOfMemory();
                emit mergeEnded();
                return;
            }
            const auto added = ApplyMerge(session_, std::move(*merged)).appended.size();
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
    return RunClosingHistorySteps(session_, *store_, today(), timeLimit(), announce());
}

std::size_t HistoryKeeper::countPastTimeLimit(int months) const
{
    return CountPastTimeLimit(session_.History, today(), months);
}

} // namespace tallywick
