// The menu bar and its commands.

#include "ui/main/mainwindow.h"

#include "app/files/paths.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/appvalues.h"
#include "app/settings/settingsstore.h"
#include "app/store/replacefile.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/helpwindow.h"
#include "ui/common/busycursor.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"
#include "ui/main/pastebox.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>

namespace tallywick {
namespace {

const QString kTextFilter = QStringLiteral("Text (*.txt)");
const QStringList kReportFilters{kTextFilter, QStringLiteral("Logs (*.log *.gz)"), QStringLiteral("All files (*)")};

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

QAction* NewBar(QMenu* menu, const QString& name)
{
    QAction* bar = menu->addSeparator();
    bar->setObjectName(name);
    return bar;
}

} // namespace

void MainWindow::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mnuFile = NewMenu(QStringLiteral("&File"), QStringLiteral("mnuFile"), bar);
    mnuFileOpen = NewItem(mnuFile, QStringLiteral("&Open"), QStringLiteral("mnuFileOpen"));
    mnuFileSaveAs = NewItem(mnuFile, QStringLiteral("&Save As"), QStringLiteral("mnuFileSaveAs"));
    mnuFileBar0 = NewBar(mnuFile, QStringLiteral("mnuFileBar0"));
    mnuFileExit = NewItem(mnuFile, QStringLiteral("E&xit"), QStringLiteral("mnuFileExit"));
    bar->addMenu(mnuFile);

    mnuNotepad = bar->addAction(QStringLiteral("&Notepad"));
    mnuNotepad->setObjectName(QStringLiteral("mnuNotepad"));

    mnuHistory = NewMenu(QStringLiteral("&History"), QStringLiteral("mnuHistory"), bar);
    mnuHistoryDaily = NewItem(mnuHistory, QStringLiteral("&Daily Text"), QStringLiteral("mnuHistoryDaily"));
    mnuHistoryText = NewItem(mnuHistory, QStringLiteral("&Full History Text"), QStringLiteral("mnuHistoryText"));
    mnuHistoryBar0 = NewBar(mnuHistory, QStringLiteral("mnuHistoryBar0"));
    mnuHistoryByFile = NewItem(mnuHistory, QStringLiteral("&File Chart"), QStringLiteral("mnuHistoryByFile"));
    mnuHistoryMonthly = NewItem(mnuHistory, QStringLiteral("&Monthly Chart"), QStringLiteral("mnuHistoryMonthly"));
    mnuHistoryWeekday = NewItem(mnuHistory, QStringLiteral("&Weekday Chart"), QStringLiteral("mnuHistoryWeekday"));
    mnuHistoryBar1 = NewBar(mnuHistory, QStringLiteral("mnuHistoryBar1"));
    mnuHistoryZeroCount =
        NewItem(mnuHistory, QStringLiteral("&Zero Count Days"), QStringLiteral("mnuHistoryZeroCount"));
    mnuHistoryBar2 = NewBar(mnuHistory, QStringLiteral("mnuHistoryBar2"));
    mnuHistoryOptions = NewMenu(QStringLiteral("&Options"), QStringLiteral("mnuHistoryOptions"), mnuHistory);
    mnuHistoryOptionsTrack =
        NewItem(mnuHistoryOptions, QStringLiteral("&Track Items"), QStringLiteral("mnuHistoryOptionsTrack"));
    mnuHistoryOptionsTimeLimit =
        NewItem(mnuHistoryOptions, QStringLiteral("Time &Limit"), QStringLiteral("mnuHistoryOptionsTimeLimit"));
    mnuHistory->addMenu(mnuHistoryOptions);
    bar->addMenu(mnuHistory);

    mnuWebPage = NewMenu(QStringLiteral("&Web Page"), QStringLiteral("mnuWebPage"), bar);
    mnuWebPageTrafficReport =
        NewItem(mnuWebPage, QString::fromUtf8(kDefaultTrafficMenu), QStringLiteral("mnuWebPageTrafficReport"));
    mnuWebPageWebsiteDetails =
        NewItem(mnuWebPage, QString::fromUtf8(kDefaultDetailsMenu), QStringLiteral("mnuWebPageWebsiteDetails"));
    mnuWebPageBar0 = NewBar(mnuWebPage, QStringLiteral("mnuWebPageBar0"));
    mnuWebPageGoTo = NewItem(mnuWebPage, QStringLiteral("&Go To..."), QStringLiteral("mnuWebPageGoTo"));
    bar->addMenu(mnuWebPage);

    mnuTools = NewMenu(QStringLiteral("&Tools"), QStringLiteral("mnuTools"), bar);
    mnuOptions = NewItem(mnuTools, QStringLiteral("&Options"), QStringLiteral("mnuOptions"));
    mnuToolsTrimHistory = NewItem(mnuTools, QStringLiteral("&Trim History"), QStringLiteral("mnuToolsTrimHistory"));
    // Designed switched off and never switched on: the closing sequence trims the history.
    mnuToolsTrimHistory->setEnabled(false);
    bar->addMenu(mnuTools);

    mnuHelp = NewMenu(QStringLiteral("&Help"), QStringLiteral("mnuHelp"), bar);
    MnuHelpAbout = NewItem(mnuHelp, QStringLiteral("&About"), QStringLiteral("MnuHelpAbout"));
    mnuHelpContents = NewItem(mnuHelp, QStringLiteral("&Contents"), QStringLiteral("mnuHelpContents"));
    bar->addMenu(mnuHelp);

    connect(mnuFileOpen, &QAction::triggered, this, &MainWindow::mnuFileOpen_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &MainWindow::mnuFileSaveAs_Click);
    connect(mnuFileExit, &QAction::triggered, this, &MainWindow::close);
    connect(mnuNotepad, &QAction::triggered, this, &MainWindow::mnuNotepad_Click);
    const std::array<std::pair<QAction*, HistoryView>, 6> views{{{mnuHistoryDaily, HistoryView::Daily},
                                                                 {mnuHistoryText, HistoryView::FullText},
                                                                 {mnuHistoryByFile, HistoryView::FileChart},
                                                                 {mnuHistoryMonthly, HistoryView::Monthly},
                                                                 {mnuHistoryWeekday, HistoryView::Weekday},
                                                                 {mnuHistoryZeroCount, HistoryView::ZeroDays}}};
    for (const auto& [item, view] : views)
        connect(item, &QAction::triggered, this, [this, view = view] { OpenHistoryView(view); });
    connect(mnuHistoryOptionsTrack, &QAction::triggered, this, &MainWindow::mnuHistoryOptionsTrack_Click);
    connect(mnuHistoryOptionsTimeLimit, &QAction::triggered, this, &MainWindow::openTimeLimit);
    connect(mnuWebPageTrafficReport, &QAction::triggered, this, [this] { Desktop::OpenDocument(values_.Traffic_URL); });
    connect(mnuWebPageWebsiteDetails, &QAction::triggered, this,
            [this] { Desktop::OpenDocument(values_.Details_URL); });
    connect(mnuWebPageGoTo, &QAction::triggered, this, &MainWindow::mnuWebPageGoTo_Click);
    connect(mnuOptions, &QAction::triggered, this, &MainWindow::openOptions);
    connect(MnuHelpAbout, &QAction::triggered, this, &MainWindow::MnuHelpAbout_Click);
    connect(mnuHelpContents, &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
}

void MainWindow::mnuFileOpen_Click()
{
    SetPasteBoxText(kPastePrompt);
    const auto chosen = Dialogs::openFileName(
        this, {QStringLiteral("Open"), FolderOf(ReportPath_), ReportPath_, kReportFilters, kTextFilter});
    OpenReport(chosen.value_or(ReportPath_));
}

// File > Open once the report is chosen; also where a dropped file goes.
void MainWindow::OpenReport(const QString& path)
{
    SetPasteBoxText(kPastePrompt);
    ReportPath_ = path;
    MoreFlags = {false, false};
    UncheckFullWindow();
    SearchReport(ReportPath_);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenReport(path);
}

void MainWindow::mnuFileSaveAs_Click()
{
    if (!PasteBoxHoldsText()) {
        Dialogs::message(this, QStringLiteral("No Text"), QStringLiteral("There is no text to save"));
    } else {
        const auto chosen = Dialogs::saveFileName(
            this, {QStringLiteral("Save As"), FolderOf(ReportPath_), ReportPath_, kReportFilters, kTextFilter});
        if (chosen)
            ReportPath_ = *chosen;
        if (const auto failure = WriteTextFile(ReportPath_, rtbPasteBox->toPlainText()))
            Dialogs::message(this, QStringLiteral("Tallywick"),
                             QStringLiteral("The text could not be saved to %1 (%2).")
                                 .arg(QDir::toNativeSeparators(ReportPath_), *failure),
                             Dialogs::Icon::Warning);
        SetStatusText(ReportPath_);
    }
    UncheckFullWindow();
}

void MainWindow::mnuNotepad_Click()
{
    Desktop::StartTextEditor();
}

void MainWindow::mnuWebPageGoTo_Click()
{
    const auto answer = Dialogs::inputText(this, QStringLiteral("Web Page URL"), QStringLiteral("Enter URL"), GoToUrl_);
    if (!answer || answer->isEmpty())
        return;
    settings_.write(QLatin1String(keys::GoToUrl.name), *answer);
    Desktop::OpenDocument(*answer);
}

// Before any window reads the history, the downloads of this run join it.
bool MainWindow::BringHistoryUpToDate()
{
    MergeIfChanged(session_, today(), values_.TimeLimit, StatusTexts());
    return !session_.HistoryChanged;
}

void MainWindow::OpenHistoryView(HistoryView view)
{
    {
        BusyCursor busy;
        if (BringHistoryUpToDate())
            views_->open(view);
    }
    lower();
}

void MainWindow::mnuHistoryOptionsTrack_Click()
{
    // The tracking dialog offers the search texts from the settings: they must be current.
    for (int i = 0; i < kPanelCount; ++i) {
        TakePanelText(i);
        SaveSearchList(panels_[static_cast<std::size_t>(i)], settings_, i);
    }
    {
        BusyCursor busy;
        if (BringHistoryUpToDate())
            openTrackOptions();
    }
    lower();
}

void MainWindow::MnuHelpAbout_Click()
{
    UncheckFullWindow();
    openAbout();
}

void MainWindow::mnuHelpContents_Click()
{
    openHelpContents();
    UncheckFullWindow();
}

void MainWindow::openTrackOptions()
{
    ShowTrackingDialog(settings_, dataFolder_.trackingPath(), TrackedItems_, this);
}

void MainWindow::openTimeLimit()
{
    ShowTimeLimitDialog(settings_, values_, this);
}

void MainWindow::openOptions()
{
    ShowOptionsDialog(settings_, values_);
}

void MainWindow::openAbout()
{
    ShowAboutDialog(this);
}

void MainWindow::openHelpContents()
{
    ShowHelpContents(this);
}

} // namespace tallywick
