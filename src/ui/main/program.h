#pragma once

#include "app/files/datafolder.h"
#include "app/history/historykeeper.h"
#include "app/report/reportfile.h"
#include "app/settings/preferences.h"
#include "app/store/linesfile.h"
#include "core/search/reportsearch.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>

namespace tallywick {

class DataFolderLock;
class InstanceServer;
struct InstanceRequest;
class SettingsStore;
class TrayIcon;
class TerminationSignals;
class WindowRegistry;
class MainWindow;

// Where the program keeps its files and what day it is.
struct ProgramSetup {
    QString dataFolder = DataFolder::defaultPath();
    QString settingsFile;                         // empty: the default settings file
    std::function<std::chrono::sys_days()> today; // empty: the clock's
    SaveFileOpener historySave = OpenSaveFile;
    ReadFileOpener historyRead = OpenFileForReading;
    QStringList reports;   // named on the command line: opened and searched as one once the window shows
    QString channelFolder; // where second starts find this program; empty: the user's (UserChannelFolder)
    std::size_t backgroundMergeFrom = kBackgroundMergeRecords;
    ReportOpener reportOpener = OpenReportFile;
};

// The running program: its settings and application-wide values, the data folder and its lock,
// the notification-area icon and the main window. It lives as long as the process; the main
// window comes and goes.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(ProgramSetup setup = {});
    ~Program() override;

    // Refuses a second instance (with a message), reads the application-wide values, shows the
    // main window and installs the icon. False when the program must end at once.
    bool start();

    // showTrayIcon(true) makes the icon and its menu once; showTrayIcon(false) removes it.
    void showTrayIcon(bool shown);
    // Shows the main window, loading it again when it was closed.
    void restoreMainWindow();
    // Closes every window (the main window's closing save first) and ends the program.
    void closeAllWindows();
    // The desktop session is ending: save what the main window holds now.
    void commitSessionData();
    // The event loop is about to end: nothing unsaved may be left behind.
    void aboutToQuit();

    MainWindow* mainWindow() const;
    TrayIcon* tray() const { return tray_.get(); }
    SettingsStore& settings() { return *settings_; }
    WindowRegistry& windows() { return *windows_; }
    Preferences& preferences() { return *preferences_; }
    HistoryKeeper& history() { return *history_; }
    // Set at the start, cleared by the main window's closing.
    bool appRunning() const { return appRunning_; }
    const DataFolder& dataFolder() const { return dataFolder_; }
    const std::array<bool, kPanelCount>& moreFlags() const { return moreFlags_; }
    bool hasEnded() const { return ended_; }
    // start() refused this start and could not hand its request to the running program.
    bool startFailed() const { return startFailed_; }

signals:
    // The program is done; the event loop may end.
    void ended();

private:
    void trayIconPressed(int button);
    void trayIconDoubleClicked(int button);
    void trayMenuClicked(int index, const QString& key);
    void mainWindowClosed();
    void listenForSecondStarts();
    QString askRunningProgram() const;
    void answerSecondStart(const InstanceRequest& request);
    void endSession();
    void tellSettingsNotSaved();
    void finishEnding();
    void end();

    ProgramSetup setup_;
    DataFolder dataFolder_;
    std::unique_ptr<WindowRegistry> windows_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<DataFolderLock> lock_;
    std::unique_ptr<InstanceServer> instance_;
    std::unique_ptr<Preferences> preferences_;
    std::unique_ptr<HistoryKeeper> history_;
    bool appRunning_ = false;
    std::array<bool, kPanelCount> moreFlags_{};
    std::optional<QString> keptReportPath_;
    std::unique_ptr<TrayIcon> tray_;
    QPointer<MainWindow> main_;
    std::unique_ptr<TerminationSignals> signals_;
    bool starting_ = false;     // inside start(): it ends the program itself when asked to
    bool endRequested_ = false; // a termination signal came; the save sequence and the end follow
    bool ending_ = false;
    bool ended_ = false;
    bool settingsFailureTold_ = false;
    bool startFailed_ = false;
};

} // namespace tallywick
