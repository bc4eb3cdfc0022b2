// The long work's progress in the status bar: the search, and the history's merges.

#include "ui/main/mainwindow.h"

#include "app/history/historykeeper.h"
#include "app/work/backgroundjob.h"
#include "ui/common/labeltexts.h"
#include "ui/main/workprogress.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>

namespace tallywick {

void MainWindow::createProgressControls()
{
    searchJob_ = std::make_unique<BackgroundJob>();
    workProgress_ = new WorkProgress(statusBar_);
    statusBar_->addPermanentWidget(workProgress_);
    connect(workProgress_, &WorkProgress::cancelRequested, this, &MainWindow::cancelWork);
    auto* cancelAction = new QAction(this);
    cancelAction->setObjectName(QStringLiteral("cancelWorkAction"));
    cancelAction->setShortcut(Qt::Key_Escape);
    addAction(cancelAction);
    connect(cancelAction, &QAction::triggered, this, &MainWindow::cancelWork);

    connect(&history_, &HistoryKeeper::notice, this, &MainWindow::showUpkeepNotice);
    connect(&history_, &HistoryKeeper::mergeStarted, this,
            [this] { workProgress_->beginBusy(tr("Updating the history")); });
    connect(&history_, &HistoryKeeper::mergeEnded, workProgress_, &WorkProgress::end);
    connect(&history_, &HistoryKeeper::mergeOutOfMemory, this,
            [this] { setStatusText(tr("Not enough memory to update the history")); });
}

bool MainWindow::isSearching() const
{
    return searchJob_->isRunning();
}

void MainWindow::cancelWork()
{
    if (isSearching()) {
        cancelSearch();
        // The panels show the last result: Go and the next activation search its reports.
        reportPath_ = shownReportPath_;
        reportPaths_ = shownReportPaths_;
        setStatusText(tr("Search cancelled"));
    }
    if (history_.isMerging()) {
        // The downloads stay collected: the next merge, or the closing, takes them.
        history_.cancelMerge();
        setStatusText(tr("History not updated"));
    }
}

void MainWindow::showUpkeepNotice(const UpkeepNotice& notice)
{
    setStatusText(UpkeepText(notice));
    // An upkeep on this thread holds the event loop: the text must show before it goes on.
    statusPanel_->repaint();
}

} // namespace tallywick
