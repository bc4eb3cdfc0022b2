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

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace tallywick {

class BenchProgram {
public:
    // The main window once it is shown, or nothing when the program did not start. adjust may
    // change the setup first (its clock, for one).
    MainWindow* start(const std::function<void(ProgramSetup&)>& adjust = {})
    {
        Dialogs::setTestMode(true);
        Desktop::setTestMode(true);
        TrayIcon::setAvailableForTests(true);
        ProgramSetup setup;
        setup.dataFolder = dataFolder();
        setup.settingsFile = settingsFile();
        if (adjust)
            adjust(setup);
        program_ = std::make_unique<Program>(setup);
        if (!program_->start())
            return nullptr;
        MainWindow* window = program_->mainWindow();
        return QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

    // Where its data folder and settings lie.
    QString folder() const { return dir_.path(); }
    QString dataFolder() const { return dir_.filePath(QStringLiteral("data")); }
    QString settingsFile() const { return dir_.filePath(QStringLiteral("Tallywick.ini")); }
    Program& program() { return *program_; }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Program> program_;
};

// The resident memory of this process in MB (VmRSS), 0 where /proc does not say.
inline double ResidentMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

} // namespace tallywick
