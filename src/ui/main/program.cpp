#include "ui/main/program.h"

#include "app/clock/today.h"
#include "app/files/datafolderlock.h"
#include "app/settings/settingskeys.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/otherwindows.h"
#include "ui/main/terminationsignals.h"
#include "ui/tray/trayicon.h"

#include <QApplication>

namespace tallywick {
namespace {

const QString kTitle = QString::fromUtf8(kApplicationTitle);
constexpr int kRightButton = 2;

} // namespace

Program::Program(ProgramSetup setup) :
    setup_(std::move(setup)), dataFolder_(setup_.dataFolder),
    settings_(std::make_unique<SettingsStore>(setup_.settingsFile.isEmpty() ? SettingsStore::defaultPath()
                                                                            : setup_.settingsFile))
{
    if (!setup_.today)
        setup_.today = [] { return Today(); };
}

Program::~Program()
{
    // The window's references into this object must not outlive it.
    delete main_.data();
}

MainWindow* Program::mainWindow() const
{
    return main_;
}

bool Program::start()
{
    lock_ = std::make_unique<DataFolderLock>(dataFolder_.path());
    switch (lock_->tryLock()) {
    case DataFolderLock::Status::Locked:
        break;
    case DataFolderLock::Status::Busy:
        Dialogs::message(nullptr, kTitle, kTitle + QStringLiteral(" already running."));
        return false;
    default:
        Dialogs::message(nullptr, kTitle,
                         QStringLiteral("%1\nTallywick cannot keep its download history without its data folder.")
                             .arg(lock_->message()),
                         Dialogs::Icon::Warning);
        return false;
    }

    values_ = ReadAppValues(*settings_);
    values_.AppRunning = true;

    // Closing the main window leaves the program in the notification area.
    qApp->setQuitOnLastWindowClosed(false);
    signals_ = std::make_unique<TerminationSignals>();
    connect(signals_.get(), &TerminationSignals::received, this, &Program::EndSession);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Program::CommitSessionData, Qt::DirectConnection);
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Program::AboutToQuit);

    RestoreMainWindow();
    SystemTray(true);
    return true;
}

void Program::SystemTray(bool Show)
{
    if (Show && !tray_) {
        tray_ = std::make_unique<TrayIcon>(values_.AppRunning);
        tray_->AddMenuItem(QStringLiteral("&Open ") + kTitle, QStringLiteral("open"), true);
        tray_->AddMenuItem(QStringLiteral("E&xit ") + kTitle, QStringLiteral("exit"));
        tray_->setToolTip(kTitle);
        tray_->setIcon(AppIcon());
        connect(tray_.get(), &TrayIcon::SysTrayMouseDown, this, &Program::SysTrayForm_SysTrayMouseDown);
        connect(tray_.get(), &TrayIcon::SysTrayDoubleClick, this, &Program::SysTrayForm_SysTrayDoubleClick);
        connect(tray_.get(), &TrayIcon::MenuClick, this, &Program::SysTrayForm_MenuClick);
    } else if (!Show && tray_) {
        // Its menu may be the one whose click brought us here; the icon goes with it.
        tray_.release()->deleteLater();
    }
}

void Program::RestoreMainWindow()
{
    if (ending_)
        return;
    if (main_ && !main_->isClosing()) {
        main_->showNormal();
        main_->raise();
        main_->activateWindow();
        return;
    }
    main_ = new MainWindow(MainWindowContext{*settings_, values_, dataFolder_, MoreFlags_, setup_.today,
                                             setup_.historySave, setup_.historyRead});
    connect(main_, &MainWindow::closed, this, &Program::MainWindowClosed);
    main_->ShowAndActivate();
}

void Program::SysTrayForm_SysTrayMouseDown(int eButton)
{
    if (eButton == kRightButton && tray_)
        tray_->ShowMenu();
}

// The icon's handlers act once the icon or its menu is done with the click: the window's load
// and closing may show messages, and the exit removes the menu.
void Program::SysTrayForm_SysTrayDoubleClick(int)
{
    QMetaObject::invokeMethod(this, &Program::RestoreMainWindow, Qt::QueuedConnection);
}

void Program::SysTrayForm_MenuClick(int, const QString& sKey)
{
    if (sKey == QLatin1String("open"))
        QMetaObject::invokeMethod(this, &Program::RestoreMainWindow, Qt::QueuedConnection);
    else if (sKey == QLatin1String("exit"))
        QMetaObject::invokeMethod(this, &Program::UnloadAllForms, Qt::QueuedConnection);
    else
        Dialogs::message(nullptr, kTitle, QStringLiteral("Clicked item with key ") + sKey, Dialogs::Icon::Information);
}

void Program::MainWindowClosed()
{
    // Without a notification area (none at the start, or none any more) there would be no way
    // back to a hidden program.
    if (!ending_ && !(tray_ && tray_->isIconShown() && TrayIcon::isAvailable()))
        UnloadAllForms();
}

void Program::UnloadAllForms()
{
    if (ending_)
        return;
    ending_ = true;
    if (main_ && !main_->isClosing())
        main_->close();
    CloseOtherWindows(nullptr);
    SystemTray(false);
    End();
}

void Program::EndSession()
{
    if (main_)
        main_->setQuietClosing(true);
    UnloadAllForms();
}

void Program::CommitSessionData()
{
    if (main_ && !main_->isClosing()) {
        main_->setQuietClosing(true);
        main_->close();
    }
}

void Program::AboutToQuit()
{
    CommitSessionData();
}

void Program::End()
{
    ended_ = true;
    emit ended();
}

} // namespace tallywick
