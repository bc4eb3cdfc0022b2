// Measures what the desktop program spends on a day's report when the history is large: the
// start (the history loaded), the search of the day's log, the merge of its downloads into the
// history, and the closing save. Not a test: it asserts nothing and prints the figures.
//
//   tallywick-merge-speed DATA-FOLDER SETTINGS-FILE TODAY LOG
//
// DATA-FOLDER (history.dat, tracking.dat, ...) and SETTINGS-FILE are copied first and left as
// they are; TODAY is YYYY-MM-DD.

#include "app/history/historykeeper.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/program.h"
#include "ui/tray/trayicon.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace tallywick;

double ResidentMb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

bool CopyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    const auto names = QDir(from).entryList(QDir::Files);
    for (const QString& name : names) {
        if (!QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}

void Report(const char* step, QElapsedTimer& clock)
{
    std::printf("  %-28s %9.1f ms   resident %6.0f MB\n", step, static_cast<double>(clock.nsecsElapsed()) / 1e6,
                ResidentMb());
    clock.restart();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "Usage: %s DATA-FOLDER SETTINGS-FILE TODAY LOG\n", argv[0]);
        return 2;
    }
    const QString log = QString::fromLocal8Bit(argv[4]);
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (std::sscanf(argv[3], "%d-%u-%u", &year, &month, &day) != 3) {
        std::fprintf(stderr, "TODAY is YYYY-MM-DD\n");
        return 2;
    }
    const std::chrono::sys_days today{std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day}};

    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    const QString settings = dir.filePath(QStringLiteral("Tallywick.ini"));
    if (!CopyFolder(QString::fromLocal8Bit(argv[1]), data) || !QFile::copy(QString::fromLocal8Bit(argv[2]), settings)) {
        std::fprintf(stderr, "Cannot copy the data folder and settings\n");
        return 1;
    }

    Dialogs::setTestMode(true);
    Desktop::setTestMode(true);
    TrayIcon::setAvailableForTests(true);
    ProgramSetup setup;
    setup.dataFolder = data;
    setup.settingsFile = settings;
    setup.today = [today] { return today; };
    QElapsedTimer clock;
    clock.start();
    auto program = std::make_unique<Program>(setup);
    if (!program->start() || !QTest::qWaitForWindowExposed(program->mainWindow()))
        return 1;
    MainWindow& window = *program->mainWindow();
    std::printf("platform %s, history %zu records\n", qPrintable(QApplication::platformName()),
                program->history().history().size());
    Report("started (history loaded)", clock);

    Dialogs::queueFileName(log);
    window.findChild<QAction*>(QStringLiteral("openAction"))->trigger();
    while (window.isSearching())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Report("day's log searched", clock);

    bool merged = false;
    std::size_t added = 0;
    program->history().bringUpToDate([&](std::size_t count) {
        added = count;
        merged = true;
    });
    while (!merged)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("  (%zu records added)\n", added);
    Report("merged into the history", clock);

    program->closeAllWindows();
    Report("closed (history saved)", clock);
    return 0;
}
