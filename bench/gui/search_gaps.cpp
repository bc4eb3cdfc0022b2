// Measures how well the main window keeps answering while it searches a large log: a 5 ms timer
// records every tick of the event loop, and the longest gap between two ticks is what a user
// would feel as a freeze. Not a test: it asserts nothing and prints the figures.
//
//   tallywick-search-gaps LOG [LOG...]

#include "benchprogram.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/resultboxfiller.h"
#include "ui/tray/trayicon.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

using namespace tallywick;

// The longest time the event loop went without a tick, over a stretch of its work.
class TickRecorder {
public:
    TickRecorder()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        clock_.start();
        timer_.start();
    }
    void restart()
    {
        last_ = clock_.nsecsElapsed();
        longest_ = 0;
        ticks_ = 0;
    }
    double longestMs() const { return std::max(longest_, clock_.nsecsElapsed() - last_) / 1e6; }
    long ticks() const { return ticks_; }

private:
    void tick()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
        ++ticks_;
    }

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
    long ticks_ = 0;
};

bool Filling(const MainWindow& window)
{
    const auto fillers = window.findChildren<ResultBoxFiller*>();
    return std::any_of(fillers.begin(), fillers.end(), [](const ResultBoxFiller* f) { return f->isFilling(); });
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: tallywick-search-gaps LOG [LOG...]\n", stderr);
        return 2;
    }
    BenchProgram bench;
    MainWindow* started = bench.start();
    if (!started)
        return 1;
    MainWindow& window = *started;
    auto* openAction = window.findChild<QAction*>(QStringLiteral("openAction"));
    auto* total = window.findChild<QLabel*>(QStringLiteral("totalLabel"));
    std::printf("platform %s\n", qPrintable(QApplication::platformName()));

    TickRecorder ticks;
    for (int i = 1; i < argc; ++i) {
        const QString log = QString::fromLocal8Bit(argv[i]);
        QElapsedTimer clock;
        Dialogs::queueFileName(log);
        ticks.restart();
        clock.start();
        openAction->trigger();
        const double triggerMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        // The counts show as soon as the reports are searched; the texts are made after.
        const QString searching = total->text();
        while (window.isSearching() && total->text() == searching)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double countsMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        while (window.isSearching())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double endedMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        const double searchGap = ticks.longestMs();
        const long searchTicks = ticks.ticks();
        ticks.restart();
        while (Filling(window))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double filledMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        std::printf("%s (%.0f MB): %s\n", qPrintable(QFileInfo(log).fileName()),
                    static_cast<double>(QFileInfo(log).size()) / 1e6, qPrintable(total->text()));
        std::printf("  File > Open returned after          %9.1f ms\n", triggerMs);
        std::printf("  counts shown after                  %9.1f ms\n", countsMs);
        std::printf("  search ended after                  %9.1f ms  (longest event-loop gap %.1f ms, %ld ticks)\n",
                    endedMs, searchGap, searchTicks);
        std::printf("  result boxes filled after           %9.1f ms  (longest event-loop gap %.1f ms)\n", filledMs,
                    ticks.longestMs());
        std::printf("  resident memory then                %9.0f MB\n", ResidentMb());
    }
    return 0;
}
