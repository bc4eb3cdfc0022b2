#include "ui/main/program.h"

#include "app/clock/today.h"
#include "app/files/datafolderlock.h"
#include "app/instance/channelfolder.h"
#include "app/instance/instancechannel.h"
#include "app/settings/settingskeys.h"
#include "app/settings/settingsstore.h"
#include "app/settings/settingstrouble.h"
#include "ui/common/appicon.h"
#include "ui/common/dialogs.h"
#include "ui/common/windowregistry.h"
#include "ui/main/mainwindow.h"
#include "ui/main/otherwindows.h"
#include "ui/main/terminationsignals.h"
#include "ui/tray/trayicon.h"

#include <QApplication>
#include <QDir>

#include <utility>

namespace tallywick {
namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);
constexpr int kRightButton = 2;

ChannelFolder ChannelFolderOf(const ProgramSetup& setup)
{
    return setup.channelFolder.isEmpty() ? UserChannelFolder() : FindChannelFolder({}, setup.channelFolder);
}

} // namespace

Program::Program(ProgramSetup setup) :
    setup_(std::move(setup)), dataFolder_(setup_.dataFolder), windows_(std::make_unique<WindowRegistry>()),
    settings_(std::make_unique<SettingsStore>(setup_.settingsFile.isEmpty() ? SettingsStore::defaultPath()
                                                                            : setup_.settingsFile))
{
    if (!setup_.today)
        setup_.today = [] { return Today(); };
}

Program::~Program()
{
    // The windows' references into this object must not outlive it.
    delete main_.data();
    windows_.reset();
}

MainWindow* Program::mainWindow() const
{
    return main_;
}

bool Program::start()
{
    // First, so that a signal is answered while any message below waits.
    signals_ = std::make_unique<TerminationSignals>();
    connect(signals_.get(), &TerminationSignals::received, this, &Program::endSession);
    starting_ = true;
    const bool started = [&] {
        lock_ = std::make_unique<DataFolderLock>(dataFolder_.path());
        switch (lock_->tryLock()) {
        case DataFolderLock::Status::Locked:
            listenForSecondStarts();
            break;
        case DataFolderLock::Status::Busy: {
            // The running program shows its window (and opens the reports); nothing to say then.
            const QString problem = askRunningProgram();
            if (problem.isEmpty())
                return false;
            const QString text = tr("%1 already running.").arg(kTitle) + QStringLiteral("\n\n") +
                                 tr("It could not be asked to show its window: %1").arg(problem);
            qWarning("%s", qUtf8Printable(text));
            Dialogs::message(nullptr, kTitle, text);
            startFailed_ = true;
            return false;
        }
        default:
            Dialogs::message(
                nullptr, kTitle,
                tr("%1\nTallywick cannot keep its download history without its data folder.").arg(lock_->message()),
                Dialogs::Icon::Warning);
            return false;
        }

        if (const auto trouble = DescribeSettingsTrouble(*settings_))
            Dialogs::message(nullptr, kTitle, *trouble, Dialogs::Icon::Warning);
        connect(settings_.get(), &SettingsStore::writeFailed, this, &Program::tellSettingsNotSaved);
        preferences_ = std::make_unique<Preferences>(*settings_);
        HistoryKeeperSetup keeping{dataFolder_,        setup_.today,       [this] { return preferences_->timeLimit(); },
                                   setup_.historySave, setup_.historyRead, setup_.backgroundMergeFrom};
        // A run that only counts the day's downloads never holds a large history whole.
        keeping.wholeHistory = false;
        history_ = std::make_unique<HistoryKeeper>(std::move(keeping), *settings_);
        appRunning_ = true;

        // Closing the main window leaves the program in the notification area.
        qApp->setQuitOnLastWindowClosed(false);
#ifndef QT_NO_SESSIONMANAGER
        connect(qApp, &QGuiApplication::commitDataRequest, this, &Program::commitSessionData, Qt::DirectConnection);
#endif
        connect(qApp, &QCoreApplication::aboutToQuit, this, &Program::aboutToQuit);

        restoreMainWindow();
        if (main_ && !setup_.reports.isEmpty())
            main_->openReportsRequested(setup_.reports);
        if (!endRequested_)
            showTrayIcon(true);
        return true;
    }();
    starting_ = false;
    if (endRequested_) {
        finishEnding();
        return false;
    }
    return started;
}

// Once per run: every later write fails alike, and the closing writes several.
void Program::tellSettingsNotSaved()
{
    if (std::exchange(settingsFailureTold_, true))
        return;
    Dialogs::message(main_, kTitle,
                     tr("The settings could not be saved to %1.\n\nChanges made in this run are lost "
                        "when Tallywick ends, unless the file can be written again.")
                         .arg(QDir::toNativeSeparators(settings_->path())),
                     Dialogs::Icon::Warning);
}

void Program::showTrayIcon(bool shown)
{
    if (shown && !tray_) {
        tray_ = std::make_unique<TrayIcon>(appRunning_);
        tray_->addMenuItem(tr("&Open %1").arg(kTitle), QStringLiteral("open"), true);
        tray_->addMenuItem(tr("E&xit %1").arg(kTitle), QStringLiteral("exit"));
        tray_->setToolTip(kTitle);
        tray_->setIcon(AppIcon());
        connect(tray_.get(), &TrayIcon::pressed, this, &Program::trayIconPressed);
        connect(tray_.get(), &TrayIcon::doubleClicked, this, &Program::trayIconDoubleClicked);
        connect(tray_.get(), &TrayIcon::menuItemClicked, this, &Program::trayMenuClicked);
    } else if (!shown && tray_) {
        // Its menu may be the one whose click brought us here; the icon goes with it.
        tray_.release()->deleteLater();
    }
}

void Program::restoreMainWindow()
{
    if (ending_)
        return;
    if (main_ && !main_->isClosing()) {
        main_->showNormal();
        main_->raise();
        main_->activateWindow();
        return;
    }
    if (endRequested_)
        return;
    main_ = new MainWindow(MainWindowContext{*windows_, *settings_, *preferences_, *history_, appRunning_, dataFolder_,
                                             moreFlags_, setup_.today, &keptReportPath_, setup_.reportOpener});
    connect(main_, &MainWindow::closed, this, &Program::mainWindowClosed);
    // A signal came while its load showed a message: it closes, saving, without being shown.
    if (endRequested_) {
        if (!starting_)
            finishEnding();
        if (main_ && !main_->isClosing()) {
            main_->setQuietClosing(true);
            main_->close();
        }
        return;
    }
    main_->showAndActivate();
}

void Program::trayIconPressed(int button)
{
    if (button == kRightButton && tray_)
        tray_->showMenu();
}

// The icon's handlers act once the icon or its menu is done with the click: the window's load
// and closing may show messages, and the exit removes the menu.
void Program::trayIconDoubleClicked(int)
{
    QMetaObject::invokeMethod(this, &Program::restoreMainWindow, Qt::QueuedConnection);
}

void Program::trayMenuClicked(int, const QString& key)
{
    if (key == QLatin1String("open"))
        QMetaObject::invokeMethod(this, &Program::restoreMainWindow, Qt::QueuedConnection);
    else if (key == QLatin1String("exit"))
        QMetaObject::invokeMethod(this, &Program::closeAllWindows, Qt::QueuedConnection);
}

// Without the channel a second start still finds the lock and says the program runs, but it
// cannot bring this one back: the user hears why, once.
void Program::listenForSecondStarts()
{
    const ChannelFolder folder = ChannelFolderOf(setup_);
    QString problem = folder.problem;
    if (!folder.path.isEmpty()) {
        instance_ = std::make_unique<InstanceServer>();
        connect(instance_.get(), &InstanceServer::requested, this, &Program::answerSecondStart);
        if (!instance_->listen(InstanceChannelPath(folder.path, dataFolder_.path())))
            problem = instance_->errorString();
    }
    if (!problem.isEmpty())
        Dialogs::message(
            nullptr, kTitle,
            tr("Starting %1 again cannot show this window or open a report in it:\n%2").arg(kTitle, problem),
            Dialogs::Icon::Warning);
}

// Empty when the running program heard the request.
QString Program::askRunningProgram() const
{
    const ChannelFolder folder = ChannelFolderOf(setup_);
    if (folder.path.isEmpty())
        return folder.problem;
    return AskRunningInstance(InstanceChannelPath(folder.path, dataFolder_.path()), {setup_.reports}).problem;
}

void Program::answerSecondStart(const InstanceRequest& request)
{
    // As for the icon's handlers: the window's load may show messages.
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            restoreMainWindow();
            if (main_ && !main_->isClosing() && !request.reports.isEmpty())
                main_->openReportsRequested(request.reports);
        },
        Qt::QueuedConnection);
}

void Program::mainWindowClosed()
{
    // Without a notification area (none at the start, or none any more) there would be no way
    // back to a hidden program.
    if (!ending_ && !(tray_ && tray_->isIconShown() && TrayIcon::isAvailable()))
        closeAllWindows();
}

void Program::closeAllWindows()
{
    if (ending_)
        return;
    ending_ = true;
    if (main_ && !main_->isClosing())
        main_->close();
    CloseOtherWindows(nullptr);
    showTrayIcon(false);
    end();
}

// Runs inside whichever event loop noticed the signal, perhaps a message box's while the main
// window is being made: the boxes close now, the save sequence once that has unwound.
void Program::endSession()
{
    if (endRequested_ || ending_)
        return;
    endRequested_ = true;
    Dialogs::endQuietly();
    if (!starting_)
        QMetaObject::invokeMethod(this, &Program::finishEnding, Qt::QueuedConnection);
}

void Program::finishEnding()
{
    if (ending_)
        return;
    if (main_)
        main_->setQuietClosing(true);
    closeAllWindows();
}

void Program::commitSessionData()
{
    if (main_ && !main_->isClosing()) {
        main_->setQuietClosing(true);
        main_->close();
    }
}

void Program::aboutToQuit()
{
    commitSessionData();
}

void Program::end()
{
    ended_ = true;
    emit ended();
}

} // namespace tallywick
