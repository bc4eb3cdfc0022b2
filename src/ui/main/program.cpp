#include "ui/main/program.h"

#include "app/clock/today.h"
#include "app/files/datafolderlock.h"
#include "app/settings/settingskeys.h"
#include "app/settings/settingsstore.h"
#include "ui/common/appicon.h"
#include "ui/common/dialogs.h"
#include "ui/common/windowregistry.h"
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
    connect(signals_.get(), &TerminationSignals::received, this, &Program::endSession);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, &Program::commitSessionData, Qt::DirectConnection);
#endif
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Program::aboutToQuit);

    restoreMainWindow();
    showTrayIcon(true);
    return true;
}

void Program::showTrayIcon(bool shown)
{
    if (shown && !tray_) {
        tray_ = std::make_unique<TrayIcon>(values_.AppRunning);
        tray_->addMenuItem(QStringLiteral("&Open ") + kTitle, QStringLiteral("open"), true);
        tray_->addMenuItem(QStringLiteral("E&xit ") + kTitle, QStringLiteral("exit"));
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
    main_ = new MainWindow(MainWindowContext{*windows_, *settings_, values_, dataFolder_, moreFlags_, setup_.today,
                                             setup_.historySave, setup_.historyRead});
    connect(main_, &MainWindow::closed, this, &Program::mainWindowClosed);
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

void Program::endSession()
{
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
