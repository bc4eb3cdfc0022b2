// The long work's progress in the status bar, and the merges of the history.

#include "ui/main/mainwindow.h"

#include "app/settings/appvalues.h"
#include "ui/common/busycursor.h"
#include "ui/common/labeltexts.h"
#include "ui/main/backgroundjob.h"
#include "ui/main/resultboxfiller.h"
#include "ui/main/workprogress.h"

#include <QAction>
#include <QStatusBar>

#include <memory>
#include <new>
#include <utility>

namespace tallywick {

void MainWindow::createProgressControls()
{
    searchJob_ = std::make_unique<BackgroundJob>();
    mergeJob_ = std::make_unique<BackgroundJob>();
    for (std::size_t i = 0; i < fillers_.size(); ++i)
        fillers_[i] = new ResultBoxFiller(resultBoxes_[i]);
    workProgress_ = new WorkProgress(statusBar_);
    statusBar_->addPermanentWidget(workProgress_);
    connect(workProgress_, &WorkProgress::cancelRequested, this, &MainWindow::cancelWork);
    auto* cancelAction = new QAction(this);
    cancelAction->setObjectName(QStringLiteral("cancelWorkAction"));
    cancelAction->setShortcut(Qt::Key_Escape);
    addAction(cancelAction);
    connect(cancelAction, &QAction::triggered, this, &MainWindow::cancelWork);
}

bool MainWindow::isSearching() const
{
    return searchJob_->isRunning();
}

bool MainWindow::isMerging() const
{
    return mergeJob_->isRunning();
}

void MainWindow::cancelWork()
{
    if (isSearching()) {
        cancelSearch();
        setStatusText(tr("Search cancelled"));
    }
    if (isMerging()) {
        // The downloads stay collected: the next merge, or the closing, takes them.
        mergeJob_->cancel();
        afterMerge_.clear();
        workProgress_->end();
        setStatusText(tr("History not updated"));
    }
}

void MainWindow::bringHistoryUpToDate(std::function<void(std::size_t added)> then)
{
    if (then)
        afterMerge_.push_back({std::move(then), 0});
    if (!isMerging())
        continueMerging();
}

// Merges until nothing collected is left out (a search may collect more while a merge runs),
// then runs the steps that waited for it.
void MainWindow::continueMerging()
{
    auto work = BeginMerge(session_, today(), values_.TimeLimit);
    if (!work) {
        runMergedSteps();
        return;
    }
    if (session_.History.size() + work->collected.size() < backgroundMergeFrom_) {
        std::size_t added = 0;
        {
            BusyCursor busy;
            added = MergeIfChanged(session_, today(), values_.TimeLimit, statusReporter())->appended.size();
        }
        for (auto& step : afterMerge_)
            step.added += added;
        runMergedSteps();
        return;
    }
    workProgress_->beginBusy(tr("Updating the history"));
    // The work reads History without a copy: nothing replaces it until the merge is applied.
    const std::vector<std::string>* history = &session_.History;
    mergeJob_->start([this, history, work = std::move(*work)](const BackgroundJob::Channel& channel) {
        const UpkeepStatus status = [this, post = channel.post](const UpkeepNotice& notice) {
            post([this, text = UpkeepText(notice)] { setStatusText(text); });
        };
        std::shared_ptr<MergedHistory> merged;
        try {
            merged = std::make_shared<MergedHistory>(RunMerge(*history, work, status));
        } catch (const std::bad_alloc&) {
        }
        return [this, merged] {
            workProgress_->end();
            if (!merged) {
                afterMerge_.clear();
                setStatusText(tr("Not enough memory to update the history"));
                return;
            }
            const auto added = ApplyMerge(session_, std::move(*merged)).appended.size();
            for (auto& step : afterMerge_)
                step.added += added;
            if (!closing_)
                continueMerging();
        };
    });
}

// A merge that began with the old time limit starts again with the new one.
void MainWindow::restartMerge()
{
    if (!isMerging())
        return;
    mergeJob_->cancel();
    workProgress_->end();
    continueMerging();
}

void MainWindow::runMergedSteps()
{
    // A step may ask for another merge: it waits for the next round.
    auto steps = std::exchange(afterMerge_, {});
    for (auto& step : steps)
        step.run(step.added);
}

void MainWindow::finishMergeForClosing()
{
    afterMerge_.clear();
    if (!isMerging())
        return;
    BusyCursor busy;
    mergeJob_->finish();
}

} // namespace tallywick
