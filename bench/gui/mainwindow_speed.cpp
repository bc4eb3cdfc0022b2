// Measures what a user waits for in the main window: a large report pasted, and a large log
// opened, each until its counts and result boxes are shown and painted. Not a test: it asserts
// nothing and prints the times.
//
//   tallywick-main-speed PASTED_REPORT OPENED_LOG [RUNS]

#include "app/files/replacefile.h"
#include "app/report/reportfile.h"
#include "benchprogram.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/main/mainwindow.h"
#include "ui/main/pastebox.h"
#include "ui/tray/trayicon.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace tallywick;

double Milliseconds(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Print(const char* what, const std::vector<double>& runs)
{
    std::printf("%-58s median %8.1f ms   (min %.1f, max %.1f, %zu runs)\n", what, Median(runs),
                *std::min_element(runs.begin(), runs.end()), *std::max_element(runs.begin(), runs.end()), runs.size());
}

// The search runs on a thread of its own: until its counts are shown.
void WaitForCounts(const MainWindow& window)
{
    while (window.isSearching())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Everything that waits in the event loop: the paint of the new texts.
void Settle(QWidget& window)
{
    QApplication::processEvents();
    window.repaint();
    QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: tallywick-main-speed PASTED_REPORT OPENED_LOG [RUNS]\n", stderr);
        return 2;
    }
    const QString pastedPath = QString::fromLocal8Bit(argv[1]);
    const QString openedPath = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;

    QFile pastedFile(pastedPath);
    if (!pastedFile.open(QIODevice::ReadOnly))
        return 1;
    const QString report = QString::fromUtf8(pastedFile.readAll());

    BenchProgram bench;
    MainWindow* started = bench.start();
    if (!started)
        return 1;
    MainWindow& window = *started;
    std::printf("platform %s; pasted %s (%lld characters); opened %s\n", qPrintable(QApplication::platformName()),
                qPrintable(pastedPath), static_cast<long long>(report.size()), qPrintable(openedPath));

    // The controls a user works, found by their object names.
    auto* pasteBox = window.findChild<PasteBox*>(QStringLiteral("pasteBox"));
    auto* openAction = window.findChild<QAction*>(QStringLiteral("openAction"));
    const auto counts = [&window] {
        QStringList texts;
        for (const char* name : {"totalLabel", "countLabel0", "countLabel1"})
            texts << window.findChild<QLabel*>(QLatin1String(name))->text();
        return texts.join(QStringLiteral(" | "));
    };
    if (!pasteBox || !openAction)
        return 1;

    std::vector<double> paste, pastePaint, open, openPaint;
    for (int run = 0; run < runs; ++run) {
        QApplication::clipboard()->setText(report);
        pasteBox->setFocus();
        pasteBox->selectAll();
        paste.push_back(Milliseconds([&] {
            QTest::keyClick(pasteBox, Qt::Key_V, Qt::ControlModifier);
            WaitForCounts(window);
        }));
        pastePaint.push_back(paste.back() + Milliseconds([&] { Settle(window); }));
        if (run == 0)
            std::printf("  after paste: %s\n", qPrintable(counts()));

        Dialogs::queueFileName(openedPath);
        open.push_back(Milliseconds([&] {
            openAction->trigger();
            WaitForCounts(window);
        }));
        openPaint.push_back(open.back() + Milliseconds([&] { Settle(window); }));
        if (run == 0)
            std::printf("  after open:  %s\n", qPrintable(counts()));
    }
    Print("paste (Ctrl+V) until counts and boxes are set", paste);
    Print("paste until painted", pastePaint);
    Print("File > Open (prompt reset + search) until set", open);
    Print("File > Open until painted", openPaint);

    // Where the paste's time goes.
    std::vector<double> intoBox, outOfBox, written, searched, shown;
    const QString tempFile = QDir(bench.folder()).filePath(QStringLiteral("TempFile.txt"));
    for (int run = 0; run < runs; ++run) {
        QPlainTextEdit box;
        intoBox.push_back(Milliseconds([&] { box.setPlainText(report); }));
        QString text;
        outOfBox.push_back(Milliseconds([&] { text = box.toPlainText(); }));
        written.push_back(Milliseconds([&] { WriteTextFile(tempFile, text); }));
        ReportFileSearch search;
        searched.push_back(Milliseconds([&] { search = SearchReportFile(tempFile, SearchRequest{}, {}); }));
        QPlainTextEdit results;
        shown.push_back(Milliseconds([&] {
            const auto& found = search.outcome.result.texts[0];
            results.setPlainText(QString::fromUtf8(found.data(), static_cast<qsizetype>(found.size())));
        }));
    }
    Print("  text into the paste box (setPlainText)", intoBox);
    Print("  text out of the paste box (toPlainText)", outOfBox);
    Print("  TempFile.txt written (UTF-8)", written);
    Print("  report searched (SearchReportFile)", searched);
    Print("  panel 0 result text into its box", shown);
    return 0;
}
