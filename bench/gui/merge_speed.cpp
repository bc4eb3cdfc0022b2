// Measures what the desktop program spends on a day's report when the history is large: the
// start, the search of the day's log, the merge of its downloads into the history, and the
// closing save; with --view, the history read whole and merged as for a view before the closing.
// Not a test: it asserts nothing and prints the figures.
//
//   tallywick-merge-speed DATA-FOLDER SETTINGS-FILE TODAY LOG [--view]
//
// DATA-FOLDER (history.dat, tracking.dat, ...) and SETTINGS-FILE are copied first and left as
// they are; TODAY is YYYY-MM-DD.

#include "app/history/historykeeper.h"
#include "benchprogram.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include <unistd.h>

namespace {

using namespace tallywick;

// With their modification times, which history.idx holds: a copy it no longer describes would
// measure the full save.
bool CopyFolder(const QString& from, const QString& to)
{
    namespace fs = std::filesystem;
    const fs::path target(to.toStdString());
    std::error_code failed;
    fs::create_directories(target, failed);
    for (const auto& file : fs::directory_iterator(fs::path(from.toStdString()), failed)) {
        if (!file.is_regular_file())
            continue;
        const auto copy = target / file.path().filename();
        if (!fs::copy_file(file.path(), copy, failed))
            return false;
        fs::last_write_time(copy, fs::last_write_time(file.path()), failed);
        if (failed)
            return false;
    }
    return !failed;
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
    const bool view = argc == 6 && std::string_view(argv[5]) == "--view";
    const QDate date = argc == 5 || view ? QDate::fromString(QString::fromLatin1(argv[3]), Qt::ISODate) : QDate();
    if (!date.isValid()) {
        std::fprintf(stderr, "Usage: %s DATA-FOLDER SETTINGS-FILE YYYY-MM-DD LOG [--view]\n", argv[0]);
        return 2;
    }
    const std::chrono::sys_days today{std::chrono::year{date.year()} / date.month() / date.day()};
    const QString log = QString::fromLocal8Bit(argv[4]);

    BenchProgram bench;
    if (!CopyFolder(QString::fromLocal8Bit(argv[1]), bench.dataFolder()) ||
        !QFile::copy(QString::fromLocal8Bit(argv[2]), bench.settingsFile())) {
        std::fprintf(stderr, "Cannot copy the data folder and settings\n");
        return 1;
    }
    ::sync(); // the copies on disk: the closing's fsync would write them otherwise
    QElapsedTimer clock;
    clock.start();
    MainWindow* window = bench.start([today](ProgramSetup& setup) { setup.today = [today] { return today; }; });
    if (!window)
        return 1;
    HistoryKeeper& history = bench.program().history();
    std::printf("platform %s, %zu records held at the start\n", qPrintable(QApplication::platformName()),
                history.history().size());
    Report("started", clock);

    Dialogs::queueFileName(log);
    window->findChild<QAction*>(QStringLiteral("openAction"))->trigger();
    while (window->isSearching())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Report("day's log searched", clock);

    const auto merge = [&](const char* step) {
        bool merged = false;
        std::size_t added = 0;
        history.bringUpToDate([&](std::size_t count) {
            added = count;
            merged = true;
        });
        while (!merged)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        std::printf("  (%zu records added)\n", added);
        Report(step, clock);
    };
    merge("merged into the history");
    if (view) {
        history.holdWhole();
        std::printf("  (%zu records held)\n", history.history().size());
        Report("read whole (a view opens)", clock);
        merge("merged into it");
    }

    bench.program().closeAllWindows();
    Report("closed (history saved)", clock);
    return 0;
}
