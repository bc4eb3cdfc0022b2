// The menu bar and its commands.

#include "ui/main/mainwindow.h"

#include "app/files/paths.h"
#include "app/files/reportchoice.h"
#include "app/files/reportfilters.h"
#include "app/files/windowstextfile.h"
#include "app/history/historykeeper.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/helpwindow.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"
#include "ui/main/pastebox.h"
#include "ui/main/searchpanel.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>

namespace tallywick {
namespace {

QMenu* NewMenu(const QString& caption, const QString& name, QWidget* parent)
{
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    return menu;
}

QAction* NewItem(QMenu* menu, const QString& caption, const QString& name)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

} // namespace

void MainWindow::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    auto* fileMenu = NewMenu(tr("&File"), QStringLiteral("fileMenu"), bar);
    auto* openAction = NewItem(fileMenu, tr("&Open"), QStringLiteral("openAction"));
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    saveAsAction_ = NewItem(fileMenu, tr("&Save As"), QStringLiteral("saveAsAction"));
    fileMenu->addSeparator();
    auto* exitAction = NewItem(fileMenu, tr("E&xit"), QStringLiteral("exitAction"));
    bar->addMenu(fileMenu);

    auto* notepadAction = bar->addAction(tr("&Notepad"));
    notepadAction->setObjectName(QStringLiteral("notepadAction"));

    auto* historyMenu = NewMenu(tr("Hi&story"), QStringLiteral("historyMenu"), bar);
    auto* dailyViewAction = NewItem(historyMenu, tr("&Daily Text"), QStringLiteral("dailyViewAction"));
    auto* historyTextAction = NewItem(historyMenu, tr("&Full History Text"), QStringLiteral("historyTextAction"));
    historyMenu->addSeparator();
    auto* fileChartAction = NewItem(historyMenu, tr("File &Chart"), QStringLiteral("fileChartAction"));
    auto* monthlyChartAction = NewItem(historyMenu, tr("&Monthly Chart"), QStringLiteral("monthlyChartAction"));
    auto* weekdayChartAction = NewItem(historyMenu, tr("&Weekday Chart"), QStringLiteral("weekdayChartAction"));
    auto* compareAction = NewItem(historyMenu, tr("Com&pare Periods"), QStringLiteral("comparePeriodsAction"));
    auto* sourcesAction = NewItem(historyMenu, tr("&Sources"), QStringLiteral("sourcesAction"));
    historyMenu->addSeparator();
    auto* zeroDaysAction = NewItem(historyMenu, tr("&Zero Count Days"), QStringLiteral("zeroDaysAction"));
    historyMenu->addSeparator();
    auto* historyOptionsMenu = NewMenu(tr("&Options"), QStringLiteral("historyOptionsMenu"), historyMenu);
    auto* trackingAction = NewItem(historyOptionsMenu, tr("&Track Items"), QStringLiteral("trackingAction"));
    auto* timeLimitAction = NewItem(historyOptionsMenu, tr("Time &Limit"), QStringLiteral("timeLimitAction"));
    historyMenu->addMenu(historyOptionsMenu);
    bar->addMenu(historyMenu);

    auto* webPageMenu = NewMenu(tr("&Web Page"), QStringLiteral("webPageMenu"), bar);
    trafficReportAction_ =
        NewItem(webPageMenu, QString::fromUtf8(kDefaultTrafficMenu), QStringLiteral("trafficReportAction"));
    websiteDetailsAction_ =
        NewItem(webPageMenu, QString::fromUtf8(kDefaultDetailsMenu), QStringLiteral("websiteDetailsAction"));
    webPageMenu->addSeparator();
    auto* goToAction = NewItem(webPageMenu, tr("&Go To..."), QStringLiteral("goToAction"));
    bar->addMenu(webPageMenu);

    auto* toolsMenu = NewMenu(tr("&Tools"), QStringLiteral("toolsMenu"), bar);
    auto* optionsAction = NewItem(toolsMenu, tr("&Options"), QStringLiteral("optionsAction"));
    auto* trimHistoryAction = NewItem(toolsMenu, tr("&Trim History"), QStringLiteral("trimHistoryAction"));
    // Designed switched off and never switched on: the closing sequence trims the history.
    trimHistoryAction->setEnabled(false);
    bar->addMenu(toolsMenu);

    auto* helpMenu = NewMenu(tr("&Help"), QStringLiteral("helpMenu"), bar);
    auto* aboutAction = NewItem(helpMenu, tr("&About"), QStringLiteral("aboutAction"));
    auto* helpContentsAction = NewItem(helpMenu, tr("&Contents"), QStringLiteral("helpContentsAction"));
    helpContentsAction->setShortcut(QKeySequence(Qt::Key_F1));
    bar->addMenu(helpMenu);

    connect(openAction, &QAction::triggered, this, &MainWindow::chooseReport);
    connect(saveAsAction_, &QAction::triggered, this, &MainWindow::savePastedText);
    connect(exitAction, &QAction::triggered, this, &MainWindow::close);
    connect(notepadAction, &QAction::triggered, this, &MainWindow::startTextEditor);
    const std::array<std::pair<QAction*, HistoryView>, 8> views{{{dailyViewAction, HistoryView::Daily},
                                                                 {historyTextAction, HistoryView::FullText},
                                                                 {fileChartAction, HistoryView::FileChart},
                                                                 {monthlyChartAction, HistoryView::Monthly},
                                                                 {weekdayChartAction, HistoryView::Weekday},
                                                                 {zeroDaysAction, HistoryView::ZeroDays},
                                                                 {compareAction, HistoryView::ComparePeriods},
                                                                 {sourcesAction, HistoryView::Sources}}};
    for (const auto& [item, view] : views)
        connect(item, &QAction::triggered, this, [this, view = view] { openHistoryView(view); });
    connect(trackingAction, &QAction::triggered, this, &MainWindow::openTrackingFromMenu);
    connect(timeLimitAction, &QAction::triggered, this, &MainWindow::openTimeLimit);
    connect(trafficReportAction_, &QAction::triggered, this,
            [this] { Desktop::OpenDocument(this, preferences_.trafficPage().url); });
    connect(websiteDetailsAction_, &QAction::triggered, this,
            [this] { Desktop::OpenDocument(this, preferences_.detailsPage().url); });
    connect(goToAction, &QAction::triggered, this, &MainWindow::goToWebPage);
    connect(optionsAction, &QAction::triggered, this, &MainWindow::openOptions);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::openAboutFromMenu);
    connect(helpContentsAction, &QAction::triggered, this, &MainWindow::openHelpFromMenu);
}

void MainWindow::chooseReport()
{
    setPasteBoxText(kPastePrompt);
    const auto chosen = Dialogs::openFileNames(
        this, {tr("Open"), FolderOf(reportPath_), reportPath_, OpenReportFilters(), OpenReportFilters().first()});
    openReports(chosen.value_or(searchedReports()));
}

void MainWindow::openReport(const QString& path)
{
    openReports({path});
}

// File > Open once the reports are chosen; also where dropped files go.
void MainWindow::openReports(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    setPasteBoxText(kPastePrompt);
    const QStringList ordered = paths.size() > 1 ? ReportsToSearch(paths) : paths;
    reportPath_ = ordered.constLast();
    reportPaths_ = ordered.size() > 1 ? ordered : QStringList();
    showShortResults();
    leaveFullWindow();
    searchReport();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    openReports(paths);
}

void MainWindow::savePastedText()
{
    if (!pasteBoxHoldsText()) {
        Dialogs::message(this, tr("No Text"), tr("There is no text to save"));
    } else {
        const auto chosen = Dialogs::saveFileName(this, {tr("Save As"), FolderOf(reportPath_), reportPath_,
                                                         SaveReportFilters(), SaveReportFilters().first()});
        if (chosen) {
            reportPath_ = *chosen;
            reportPaths_.clear();
        }
        if (const auto failure = WriteWindowsTextFile(reportPath_, pasteBox_->toPlainText()))
            Dialogs::message(
                this, tr("Tallywick"),
                tr("The text could not be saved to %1 (%2).").arg(QDir::toNativeSeparators(reportPath_), *failure),
                Dialogs::Icon::Warning);
        setStatusText(reportPath_);
    }
    leaveFullWindow();
}

void MainWindow::startTextEditor()
{
    Desktop::StartTextEditor(this);
}

void MainWindow::goToWebPage()
{
    const auto answer = Dialogs::inputText(this, tr("Web Page URL"), tr("Enter URL"), goToUrl_);
    if (!answer || answer->isEmpty())
        return;
    settings_.write(keys::GoToUrl, *answer);
    Desktop::OpenDocument(this, *answer);
}

// Before any window reads the history, the downloads of this run join it.
void MainWindow::openHistoryView(HistoryView view)
{
    bringWholeHistoryUpToDate([this, view](std::size_t) {
        views_->open(view);
        lower();
    });
}

void MainWindow::openTrackingFromMenu()
{
    // The tracking dialog offers the search texts from the settings: they must be current.
    for (const SearchPanel* panel : panels_)
        SaveSearchList(panel->state(), settings_, panel->index());
    history_.bringUpToDate([this](std::size_t) {
        openTrackOptions();
        lower();
    });
}

void MainWindow::openAboutFromMenu()
{
    leaveFullWindow();
    openAbout();
}

void MainWindow::openHelpFromMenu()
{
    openHelpContents();
    leaveFullWindow();
}

void MainWindow::openTrackOptions()
{
    auto* dialog = ShowTrackingDialog(
        windows_, settings_, dataFolder_.trackingPath(),
        [this](const std::vector<std::string>& items) { history_.setTrackedItems(items); }, this);
    connect(dialog, &QDialog::accepted, this, &MainWindow::collectForNewlyTracked, Qt::UniqueConnection);
}

void MainWindow::collectForNewlyTracked()
{
    // The collected hits may grow while a merge runs; the merge that takes them comes after it.
    switch (history_.collectTracked(reportHits_)) {
    case HistoryKeeper::TrackedHits::NothingNew:
        return;
    case HistoryKeeper::TrackedHits::ReportChanged:
        statusAfterActivation_ = tr("The report has changed: search it again for the newly tracked items");
        setStatusText(statusAfterActivation_);
        return;
    case HistoryKeeper::TrackedHits::Added:
        break;
    }
    bringWholeHistoryUpToDate([this](std::size_t added) {
        if (added == 0)
            return;
        const QString said =
            added == 1
                ? tr("1 download of the newly tracked items from the loaded report added to the history")
                : tr("%1 downloads of the newly tracked items from the loaded report added to the history").arg(added);
        statusAfterActivation_ = said;
        setStatusText(said);
    });
}

void MainWindow::openTimeLimit()
{
    bringWholeHistoryUpToDate([this](std::size_t) {
        auto* dialog = ShowTimeLimitDialog(windows_, preferences_, this);
        dialog->setRemovalCount([this](int months) { return history_.countPastTimeLimit(months); });
    });
}

void MainWindow::openOptions()
{
    ShowOptionsDialog(windows_, settings_, preferences_);
}

void MainWindow::openAbout()
{
    ShowAboutDialog(windows_, this);
}

void MainWindow::openHelpContents()
{
    ShowHelpContents(windows_, this);
}

} // namespace tallywick
