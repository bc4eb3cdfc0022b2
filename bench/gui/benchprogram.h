#pragma once

// The desktop program as a benchmark runs it: its own data folder and settings, no real
// message boxes, programs or notification area.

#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/tray/trayicon.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tallywick {

class BenchProgram {
public:
    // The main window once it is shown, or nothing when the program did not start.
    MainWindow* start()
    {
        Dialogs::setTestMode(true);
        Desktop::setTestMode(true);
        TrayIcon::setAvailableForTests(true);
        ProgramSetup setup;
        setup.dataFolder = dir_.filePath(QStringLiteral("data"));
        setup.settingsFile = dir_.filePath(QStringLiteral("Tallywick.ini"));
        program_ = std::make_unique<Program>(setup);
        if (!program_->start())
            return nullptr;
        MainWindow* window = program_->mainWindow();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    // Where its data folder and settings lie.
    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
};

} // namespace tallywick
