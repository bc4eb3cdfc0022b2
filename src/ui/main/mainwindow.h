#pragma once

#include "app/files/datafolder.h"
#include "app/history/historysteps.h"
#include "app/store/linesfile.h"
#include "core/search/reportsearch.h"
#include "core/searchlist/searchlist.h"
#include "ui/views/historyviews.h"

#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;

namespace tallywick {

struct AppValues;
class ActivationWatcher;
class HistoryStore;
class PasteBox;
class SettingsStore;

// What the paste box holds until something is pasted into it.
inline const QString kPastePrompt = QStringLiteral("Paste Text Here");

// What the main window uses of the running program. Everything here outlives the window.
struct MainWindowContext {
    SettingsStore& settings;
    AppValues& values;
    DataFolder dataFolder;
    // The long or short result form per panel; kept when the window is closed and made again.
    std::array<bool, kPanelCount>& MoreFlags;
    std::function<std::chrono::sys_days()> today;
    SaveFileOpener historySave = OpenSaveFile;
    ReadFileOpener historyRead = OpenFileForReading;
};

// The main window: two search panels over the paste box, the menus, and the window's life from
// its load to its closing save.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Creates the window and loads it (search lists, check box, history); showing it is
    // ShowAndActivate.
    explicit MainWindow(MainWindowContext context);
    ~MainWindow() override;

    // Shows the window, brings it to the front and runs its activation.
    void ShowAndActivate();
    // Closing messages go to the error output instead of message boxes (the session is ending).
    void setQuietClosing(bool quiet) { quietClosing_ = quiet; }
    bool isClosing() const { return closing_; }

    const QString& ReportPath() const { return ReportPath_; }
    const QString& TempFilePath() const { return TempFilePath_; }
    const QString& GoToUrl() const { return GoToUrl_; }
    const HistorySession& session() const { return session_; }
    const std::vector<std::string>& TrackedItems() const { return TrackedItems_; }
    const SearchPanelState& panel(int index) const { return panels_[static_cast<std::size_t>(index)]; }
    QString statusText() const;
    HistoryViews& views() { return *views_; }

    std::array<QLabel*, kPanelCount> lblFind;
    std::array<QComboBox*, kPanelCount> Combo1;
    std::array<QPushButton*, kPanelCount> cmdmore;
    std::array<QPushButton*, kPanelCount> cmdRefresh;
    std::array<QPushButton*, kPanelCount> cmdNotePad;
    QLabel* lblExe;
    QLabel* lblZip;
    QPlainTextEdit* RichTextBox1;
    QPlainTextEdit* RichTextBox2;
    QLabel* LblTrafficReport;
    QCheckBox* chkSearchFile;
    QCheckBox* chkNoDuplicates;
    QCheckBox* chkFullwindow;
    PasteBox* rtbPasteBox;
    QPushButton* cmdMove;
    QLabel* lblAll;
    QPushButton* cmdClose;
    QStatusBar* StatusBar1;

    QMenu* mnuFile;
    QAction* mnuFileOpen;
    QAction* mnuFileSaveAs;
    QAction* mnuFileBar0;
    QAction* mnuFileExit;
    QAction* mnuNotepad;
    QMenu* mnuHistory;
    QAction* mnuHistoryDaily;
    QAction* mnuHistoryText;
    QAction* mnuHistoryBar0;
    QAction* mnuHistoryByFile;
    QAction* mnuHistoryMonthly;
    QAction* mnuHistoryWeekday;
    QAction* mnuHistoryBar1;
    QAction* mnuHistoryZeroCount;
    QAction* mnuHistoryBar2;
    QMenu* mnuHistoryOptions;
    QAction* mnuHistoryOptionsTrack;
    QAction* mnuHistoryOptionsTimeLimit;
    QMenu* mnuWebPage;
    QAction* mnuWebPageTrafficReport;
    QAction* mnuWebPageWebsiteDetails;
    QAction* mnuWebPageBar0;
    QAction* mnuWebPageGoTo;
    QMenu* mnuTools;
    QAction* mnuOptions;
    QAction* mnuToolsTrimHistory;
    QMenu* mnuHelp;
    QAction* MnuHelpAbout;
    QAction* mnuHelpContents;

signals:
    // The closing sequence has run; the window goes away next.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    // The dialogs of the History options, Tools and Help menus.
    void openTrackOptions();
    void openTimeLimit();
    void openOptions();
    void openAbout();
    void openHelpContents();

private:
    // mainwindow.cpp: the controls and the window's life.
    void CreateControls();
    void FitCaptions();
    void SetTabOrder();
    void ConnectControls();
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    void Form_QueryUnload();
    void ReportClosingFailure(const QString& text);

    // mainwindow_menus.cpp
    void CreateMenus();
    void mnuFileOpen_Click();
    void mnuFileSaveAs_Click();
    void mnuNotepad_Click();
    void mnuWebPageGoTo_Click();
    void mnuHistoryOptionsTrack_Click();
    void MnuHelpAbout_Click();
    void mnuHelpContents_Click();
    void OpenHistoryView(HistoryView view);
    bool BringHistoryUpToDate();
    void OpenReport(const QString& path);

    // mainwindow_search.cpp: the search and the controls that start it.
    void SearchReport(const QString& path);
    void ShowResult(const SearchResult& result);
    void ShowPanel(int Index);
    void TakePanelText(int Index);
    void rtbPasteBox_Change();
    void cmdRefresh_Click(int Index);
    void Combo1_Click(int Index);
    void cmdmore_Click(int Index);
    void cmdNotePad_Click(int Index);
    void chkNoDuplicates_Click();
    void chkSearchFile_Click();
    bool PasteBoxHoldsText() const;
    void SetPasteBoxText(const QString& text);

    // mainwindow_layout.cpp: Full Window and the paste box's place.
    void chkFullwindow_Click();
    void cmdMove_Click();
    void UncheckFullWindow();
    void PlacePasteBox(int left, bool full);

    void SetStatusText(const QString& text);
    UpkeepStatus StatusTexts();
    std::chrono::sys_days today() const { return today_(); }

    SettingsStore& settings_;
    AppValues& values_;
    DataFolder dataFolder_;
    std::array<bool, kPanelCount>& MoreFlags;
    std::function<std::chrono::sys_days()> today_;

    QString ReportPath_;
    QString TempFilePath_;
    QString GoToUrl_;
    std::array<SearchPanelState, kPanelCount> panels_;
    HistorySession session_;
    std::vector<std::string> TrackedItems_;
    std::vector<std::string> ReportHits_;
    std::array<QString, kPanelCount> shownResults_;
    std::unique_ptr<HistoryStore> historyStore_;
    std::unique_ptr<HistoryViews> views_;
    ActivationWatcher* activation_ = nullptr;
    QLabel* statusPanel_ = nullptr;

    bool closing_ = false;
    bool quietClosing_ = false;
};

} // namespace tallywick
