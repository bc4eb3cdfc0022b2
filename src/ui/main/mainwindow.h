#pragma once

#include "app/files/datafolder.h"
#include "app/files/reportchoice.h"
#include "app/report/keptreporthits.h"
#include "app/report/reportfile.h"
#include "core/history/upkeepstatus.h"
#include "core/search/reportsearch.h"
#include "core/searchlist/searchlist.h"
#include "ui/views/historyviews.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace tallywick {

class ActivationWatcher;
class BackgroundJob;
class ExplainCountsWindow;
class HistoryKeeper;
class Preferences;
class RobotMatcher;
class PasteBox;
class SearchPanel;
class SettingsStore;
class StatusMessage;
class WindowRegistry;
class WorkProgress;
struct SearchExplanation;
struct FinishedSearch;

// What the paste box holds until something is pasted into it.
inline const QString kPastePrompt = QStringLiteral("Paste Text Here");

// What the main window uses of the running program. Everything here outlives the window.
struct MainWindowContext {
    // The one owner of the dialogs the menus open.
    WindowRegistry& windows;
    SettingsStore& settings;
    Preferences& preferences;
    // The history this window searches for and shows; it outlives the window.
    HistoryKeeper& history;
    // The program runs with its main window; cleared by its closing.
    bool& appRunning;
    DataFolder dataFolder;
    // The long or short result form per panel; kept when the window is closed and made again.
    std::array<bool, kPanelCount>& moreFlags;
    std::function<std::chrono::sys_days()> today;
    // The report path of the window this run showed before; kept across hide and show.
    std::optional<QString>* keptReportPath = nullptr;
    // How the search opens a report; tests hold the search with it.
    ReportOpener reportOpener = OpenReportFile;
};

// The main window: two search panels over the paste box, the menus, and the window's life from
// its load to its closing save.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Creates the window and loads it (search lists, check box, history); showing it is
    // showAndActivate.
    explicit MainWindow(MainWindowContext context);
    ~MainWindow() override;

    // Shows the window, brings it to the front and runs its activation.
    void showAndActivate();
    // Opens and searches the reports named on the command line, of this start or a second one.
    void openReportsRequested(const QStringList& paths) { openReports(paths); }
    // Closing messages go to the error output instead of message boxes (the session is ending).
    void setQuietClosing(bool quiet) { quietClosing_ = quiet; }
    bool isClosing() const { return closing_; }

    const QString& reportPath() const { return reportPath_; }
    const QString& tempFilePath() const { return tempFilePath_; }
    const QString& goToUrl() const { return goToUrl_; }
    // A search panel's remembered texts, with the text in its box.
    SearchPanelState panel(int index) const;
    QString statusText() const;
    HistoryViews& views() { return *views_; }
    // A report search runs in the background.
    bool isSearching() const;

signals:
    // The closing sequence has run; the window goes away next.
    void closed();
    // A search ended: shown, failed, not found or cancelled.
    void searchFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    // The dialogs of the History options, Tools and Help menus.
    void openTrackOptions();
    void openTimeLimit();
    void collectForNewlyTracked();
    void openOptions();
    void openAbout();
    void openHelpContents();

private:
    // mainwindow.cpp: the controls and the window's life.
    void createControls();
    void orderTabs();
    void connectControls();
    void readReportPath();
    void load();
    // Told once for each reason: the history will not be saved, since it could not be read whole.
    void tellIfHistoryWillNotBeSaved();
    // What reads the history waits for it: read whole, then the downloads of this run merged in.
    void bringWholeHistoryUpToDate(std::function<void(std::size_t added)> then);
    void onActivated();
    void onDeactivated();
    void runClosingSequence();
    void reportClosingFailure(const QString& text);

    // mainwindow_menus.cpp
    void createMenus();
    void chooseReport();
    void savePastedText();
    void startTextEditor();
    void goToWebPage();
    void openTrackingFromMenu();
    void openAboutFromMenu();
    void openHelpFromMenu();
    void openHistoryView(HistoryView view);
    void openReport(const QString& path);
    void openReports(const QStringList& paths);

    // mainwindow_work.cpp: the long work's progress: the search, and the history's merges.
    void createProgressControls();
    void cancelWork();
    void showUpkeepNotice(const UpkeepNotice& notice);

    // mainwindow_search.cpp: the search and the controls that start it.
    // Starts the search (a running one is cancelled); `then` runs once this one has ended.
    // The reports searched: several read as one, or the one at reportPath_.
    QStringList searchedReports() const;
    QString searchedReportsText(const QStringList& paths) const;
    void searchReport(std::function<void()> then = {});
    void showSearchResult(const QStringList& paths, FinishedSearch found);
    void reportNotFound(const QString& path);
    void cancelSearch();
    void endSearch(bool refreshPanels);
    void showResult(const SearchResult& result, std::array<QString, kPanelCount> texts,
                    const LeaveOutOptions& leaveOut);
    // The counts of a search that has ended, before its result texts are ready.
    void showCounts(const SearchCounts& counts);
    LeaveOutOptions leaveOutOptions();
    void restoreResults();
    void searchPastedText();
    // After a change of what counts: the report whose counts are shown, or the one being searched.
    void searchShownReportAgain();
    void searchAgain(int index);
    void searchTextPicked(int index);
    void showMoreColumns(int index);
    // Both panels go back to the short result form, as a new report opens in it.
    void showShortResults();
    void exportResult(int index);
    // "Why?" or a click on a panel's count: what became of each line of the last search.
    void explainCounts(int index);
    void noDuplicatesClicked();
    void searchOnStartClicked();
    bool pasteBoxHoldsText() const;
    void setPasteBoxText(const QString& text);

    // mainwindow_layout.cpp: the arrangement, Full Window and the paste box's place.
    void arrangeControls(QWidget* client);
    void fullWindowToggled();
    void togglePasteBox();
    void leaveFullWindow();
    void placePasteBox(bool full, bool shown);

    void showWebPageCaptions();
    void setStatusText(const QString& text);
    std::chrono::sys_days today() const { return today_(); }

    WindowRegistry& windows_;
    SettingsStore& settings_;
    Preferences& preferences_;
    HistoryKeeper& history_;
    bool& appRunning_;
    DataFolder dataFolder_;
    std::array<bool, kPanelCount>& moreFlags_;
    std::function<std::chrono::sys_days()> today_;

    // The newest of the reports searched as one, or the only one.
    QString reportPath_;
    // Several reports searched as one, in search order and ending with reportPath_; or nothing more
    // than reportPath_.
    QStringList reportPaths_;
    // The reports whose result the panels show; Cancel goes back to them.
    QString shownReportPath_;
    QStringList shownReportPaths_;
    // A search has shown its counts since the window was made.
    bool resultShown_ = false;
    StartingReport startingReport_;
    std::optional<QString>* keptReportPath_ = nullptr;
    QString tempFilePath_;
    QString goToUrl_;
    QString trackingProblemTold_;
    QString saveRefusalTold_;
    // Shown by the next activation instead of clearing the panel: the window is activated right
    // after the dialog that caused the text closes.
    QString statusAfterActivation_;
    KeptReportHits reportHits_;
    std::unique_ptr<HistoryViews> views_;
    // Loaded at the first search that leaves robots out; the reason it could not be, told once.
    std::unique_ptr<RobotMatcher> robots_;
    QString robotListProblem_;
    // What the last search that showed its counts kept of each line, and the windows showing it.
    std::shared_ptr<const SearchExplanation> explanation_;
    std::array<QPointer<ExplainCountsWindow>, kPanelCount> explainWindows_{};
    ActivationWatcher* activation_ = nullptr;
    ReportOpener reportOpener_;
    std::function<void()> afterSearch_;

    std::array<SearchPanel*, kPanelCount> panels_{};
    QLabel* trafficReportLabel_ = nullptr;
    QCheckBox* searchOnStartBox_ = nullptr;
    QCheckBox* noDuplicatesBox_ = nullptr;
    QCheckBox* fullWindowBox_ = nullptr;
    PasteBox* pasteBox_ = nullptr;
    // Where the paste box lies: its own place in the bottom row, or over both search panels.
    QWidget* pasteBoxPlace_ = nullptr;
    QWidget* panelsArea_ = nullptr;
    QGridLayout* clientLayout_ = nullptr;
    QPushButton* pasteBoxToggle_ = nullptr;
    QLabel* totalLabel_ = nullptr;
    QString shownTotal_;             // what totalLabel_ says of the result shown
    QLabel* leftOutLabel_ = nullptr; // shown while robots or failed requests are left out
    QPushButton* closeButton_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    StatusMessage* statusPanel_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* trafficReportAction_ = nullptr;
    QAction* websiteDetailsAction_ = nullptr;
    WorkProgress* workProgress_ = nullptr;
    // Last: its thread ends before what it reads goes.
    std::unique_ptr<BackgroundJob> searchJob_;

    bool closing_ = false;
    bool quietClosing_ = false;
};

} // namespace tallywick
