#include "ui/main/mainwindow.h"

#include "app/robots/robotlist.h"

#include "app/files/fileexists.h"
#include "app/files/paths.h"
#include "app/history/historykeeper.h"
#include "app/searchlist/searchlistsettings.h"
#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "app/work/backgroundjob.h"
#include "ui/common/appicon.h"
#include "ui/common/busycursor.h"
#include "ui/common/buttons.h"
#include "ui/common/dialogs.h"
#include "ui/common/labeltexts.h"
#include "ui/main/activationwatcher.h"
#include "ui/main/otherwindows.h"
#include "ui/main/pastebox.h"
#include "ui/main/searchpanel.h"
#include "ui/main/statusmessage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include <utility>

namespace tallywick {
namespace {

constexpr qreal kDesignPointSize = 8;

QLabel* NewLabel(const QString& caption, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QCheckBox* NewCheckBox(const QString& caption, const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

MainWindow::MainWindow(MainWindowContext context) :
    QMainWindow(nullptr, Qt::Window), windows_(context.windows), settings_(context.settings),
    preferences_(context.preferences), history_(context.history), appRunning_(context.appRunning),
    dataFolder_(std::move(context.dataFolder)), moreFlags_(context.moreFlags), today_(std::move(context.today)),
    keptReportPath_(context.keptReportPath), reportOpener_(std::move(context.reportOpener))
{
    setObjectName(QStringLiteral("MainWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallywick"));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);

    createControls();
    createProgressControls();
    createMenus();
    orderTabs();
    connectControls();
    views_ =
        std::make_unique<HistoryViews>(HistoryViewContext{history_.history(), history_.trackedItems(), preferences_,
                                                          settings_, dataFolder_, today_, &history_.removedForAge()});
    activation_ = new ActivationWatcher(this);
    connect(activation_, &ActivationWatcher::activated, this, &MainWindow::onActivated, Qt::QueuedConnection);
    connect(activation_, &ActivationWatcher::deactivated, this, &MainWindow::onDeactivated, Qt::QueuedConnection);

    readReportPath();
    load();
}

MainWindow::~MainWindow()
{
    // The widgets go after the members: what they signal as they go (a search box that loses the
    // focus picks the text it holds) must not reach a window half gone.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void MainWindow::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    // The arrangement was drawn for an 8 point font.
    QFont designFont = client->font();
    designFont.setPointSizeF(kDesignPointSize);
    client->setFont(designFont);
    setCentralWidget(client);

    const std::array<QString, kPanelCount> designed{QString::fromUtf8(kDesignedSearchText0),
                                                    QString::fromUtf8(kDesignedSearchText1)};
    for (int i = 0; i < kPanelCount; ++i)
        panels_[static_cast<std::size_t>(i)] = new SearchPanel(i, designed[static_cast<std::size_t>(i)], client);

    trafficReportLabel_ = NewLabel(tr("Tripod Traffic Report:"), QStringLiteral("trafficReportLabel"), client);
    searchOnStartBox_ = NewCheckBox(tr("Optional: Search file on startup"), QStringLiteral("searchOnStartBox"), client);
    noDuplicatesBox_ = NewCheckBox(tr("No duplicates"), QStringLiteral("noDuplicatesBox"), client);
    noDuplicatesBox_->setChecked(true);
    fullWindowBox_ = NewCheckBox(tr("Full Window"), QStringLiteral("fullWindowBox"), client);

    pasteBox_ = new PasteBox(kPastePrompt, client);
    pasteBox_->setObjectName(QStringLiteral("pasteBox"));
    QFont pasteFont(QStringLiteral("Sans Serif"));
    pasteFont.setStyleHint(QFont::SansSerif);
    pasteFont.setPointSizeF(8.5);
    pasteBox_->setFont(pasteFont);
    pasteBox_->setToolTip(tr("Paste text to search here."));
    pasteBoxToggle_ = NewNarrowButton(QStringLiteral("<<"), QStringLiteral("pasteBoxToggle"), client);

    totalLabel_ = NewLabel(QString(), QStringLiteral("totalLabel"), client);
    leftOutLabel_ = NewLabel(QString(), QStringLiteral("leftOutLabel"), client);
    leftOutLabel_->hide();
    closeButton_ = NewButton(tr("Close"), QStringLiteral("closeButton"), client);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("statusBar"));
    statusPanel_ = new StatusMessage(statusBar_);
    statusPanel_->setObjectName(QStringLiteral("statusText"));
    statusBar_->addWidget(statusPanel_, 1);
    setStatusBar(statusBar_);

    arrangeControls(client);
}

void MainWindow::orderTabs()
{
    // Reading order: each panel through, then the row below them.
    std::vector<QWidget*> order;
    for (const SearchPanel* panel : panels_) {
        const auto controls = panel->tabOrder();
        order.insert(order.end(), controls.begin(), controls.end());
    }
    order.insert(order.end(),
                 {searchOnStartBox_, noDuplicatesBox_, fullWindowBox_, pasteBoxToggle_, pasteBox_, closeButton_});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    panels_[0]->resultBox()->setFocus();
}

void MainWindow::connectControls()
{
    for (SearchPanel* panel : panels_) {
        const int i = panel->index();
        connect(panel, &SearchPanel::searchRequested, this, [this, i] { searchAgain(i); });
        connect(panel, &SearchPanel::textPicked, this, [this, i] { searchTextPicked(i); });
        connect(panel, &SearchPanel::moreToggled, this, [this, i] { showMoreColumns(i); });
        connect(panel, &SearchPanel::exportRequested, this, [this, i] { exportResult(i); });
        connect(panel, &SearchPanel::explainRequested, this, [this, i] { explainCounts(i); });
    }
    connect(pasteBox_, &QPlainTextEdit::textChanged, this, &MainWindow::searchPastedText);
    connect(pasteBox_, &PasteBox::filesDropped, this, &MainWindow::openReports);
    connect(noDuplicatesBox_, &QCheckBox::clicked, this, &MainWindow::noDuplicatesClicked);
    connect(searchOnStartBox_, &QCheckBox::clicked, this, &MainWindow::searchOnStartClicked);
    // Full Window follows its value however it changes, as the menu commands uncheck it too.
    connect(fullWindowBox_, &QCheckBox::toggled, this, &MainWindow::fullWindowToggled);
    connect(pasteBoxToggle_, &QPushButton::clicked, this, &MainWindow::togglePasteBox);
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::close);
}

void MainWindow::readReportPath()
{
    startingReport_ = ChooseStartingReport(keptReportPath_ ? *keptReportPath_ : std::nullopt,
                                           settings_.find(QLatin1String(keys::Path.name)), DefaultReportPath());
    reportPath_ = startingReport_.path;
    reportPaths_ = StartingReportFiles(reportPath_, settings_.findList(QLatin1String(keys::Paths.name)));
    shownReportPath_ = reportPath_;
    shownReportPaths_ = reportPaths_;
}

void MainWindow::load()
{
    tempFilePath_ = dataFolder_.tempFilePath();
    goToUrl_ = settings_.read(keys::GoToUrl);
    for (SearchPanel* panel : panels_) {
        panel->setState(LoadSearchPanel(settings_, panel->index()));
        panel->setShowsMore(moreFlags_[static_cast<std::size_t>(panel->index())]);
    }
    searchOnStartBox_->setChecked(settings_.read(keys::SearchFile) == 1);
    showWebPageCaptions();
    // The Options window changes the captions while this window stays open.
    connect(&preferences_, &Preferences::webPagesChanged, this, &MainWindow::showWebPageCaptions);
    // The counts shown would no longer be what the report holds.
    connect(&preferences_, &Preferences::countingChanged, this, &MainWindow::searchShownReportAgain);
    // A merge that began with the old time limit begins again with the new one.
    connect(&preferences_, &Preferences::timeLimitChanged, &history_, &HistoryKeeper::restartMerge);

    {
        BusyCursor busy;
        history_.load();
    }
    tellIfHistoryWillNotBeSaved();
}

void MainWindow::tellIfHistoryWillNotBeSaved()
{
    const QString refusal = history_.saveRefusal();
    if (refusal.isEmpty() || refusal == saveRefusalTold_)
        return;
    saveRefusalTold_ = refusal;
    Dialogs::message(this, QStringLiteral("Tallywick"),
                     tr("The download history could not be read to its end:\n%1\n\n"
                        "It will not be replaced when Tallywick closes, so that nothing stored "
                        "in it is lost; downloads counted until then are not added to it.")
                         .arg(refusal),
                     Dialogs::Icon::Warning);
}

void MainWindow::bringWholeHistoryUpToDate(std::function<void(std::size_t added)> then)
{
    {
        BusyCursor busy;
        history_.holdWhole();
    }
    tellIfHistoryWillNotBeSaved();
    history_.bringUpToDate(std::move(then));
}

void MainWindow::showAndActivate()
{
    show();
    raise();
    activateWindow();
    activation_->markActive();
    onActivated();
}

void MainWindow::onActivated()
{
    if (closing_)
        return;
    setStatusText(std::exchange(statusAfterActivation_, QString()));
    // Told once: the window is activated again as soon as the message closes.
    if (const auto problem = history_.readTrackedItems(); problem && *problem != trackingProblemTold_) {
        trackingProblemTold_ = *problem;
        Dialogs::message(this, QStringLiteral("Tallywick"), *problem, Dialogs::Icon::Warning);
    }
    // A search still running is not begun again by every return to the window.
    if (searchOnStartBox_->isChecked() && !isSearching())
        searchReport();
}

void MainWindow::onDeactivated()
{
    if (closing_)
        return;
    history_.bringUpToDate();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!closing_) {
        runClosingSequence();
        emit closed();
    }
    event->accept();
}

void MainWindow::runClosingSequence()
{
    closing_ = true;
    // What a running search would have collected is left out.
    cancelSearch();
    const QStringList problems = [&] {
        BusyCursor busy;
        // Not a pipe: opening one would hold the closing, and the save, until someone writes.
        if (RegularFileExists(reportPath_)) {
            settings_.write(keys::Path, reportPath_);
            settings_.write(QLatin1String(keys::Paths.name), searchedReports());
        }
        if (keptReportPath_)
            *keptReportPath_ = reportPath_;
        settings_.write(keys::SearchFile, searchOnStartBox_->isChecked() ? 1 : 0);
        for (const SearchPanel* panel : panels_)
            SaveSearchList(panel->state(), settings_, panel->index());
        return history_.close().problems();
    }();
    if (!problems.isEmpty())
        reportClosingFailure(problems.join(QStringLiteral("\n\n")));
    appRunning_ = false;
    views_->closeAll();
    CloseOtherWindows(this);
}

void MainWindow::reportClosingFailure(const QString& text)
{
    if (quietClosing_)
        qWarning("Tallywick: %s", qUtf8Printable(text));
    else
        Dialogs::message(this, QStringLiteral("Tallywick"), text, Dialogs::Icon::Warning);
}

void MainWindow::showWebPageCaptions()
{
    trafficReportAction_->setText(preferences_.trafficPage().menu);
    websiteDetailsAction_->setText(preferences_.detailsPage().menu);
}

QString MainWindow::statusText() const
{
    return statusPanel_->message();
}

void MainWindow::setStatusText(const QString& text)
{
    statusPanel_->setMessage(text);
}

} // namespace tallywick
