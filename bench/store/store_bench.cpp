// store_bench: times the history store and its upkeep on a large history.
//
//   store_bench phases [--records N] [--collected N] [--dir DIR]
//       LoadHistory, MergeCollectedHits, IsHistoryOutOfOrder, SortHistory, HasDuplicatePartials,
//       RemoveDuplicatePartials and SaveHistory, each timed on its own.
//   store_bench report-days REPORT
//       The pass that finds the days a report covers (for "coverage.dat"), beside a plain read of
//       the same file: what recording coverage adds to each search.
//   store_bench prepare-record DIR [--records N]
//       Writes a data folder (DIR/data: history.dat, tracking.dat) and settings (DIR/Tallywick.ini)
//       for timing "tallywick-cli record" against a report from generate-log, whose lines start
//       on 2026-10-01; the history ends the day before.
//
// Records are generated here with a fixed seed: a day-ordered history of downloads of the two
// tracked files, 1 in 5 of them partial (206), from a few thousand clients.

#include "app/report/reportdays.h"
#include "app/settings/settingsstore.h"
#include "app/store/historystore.h"
#include "app/store/trackingfile.h"
#include "core/history/duplicatepartials.h"
#include "core/history/historymerge.h"
#include "core/history/historyorder.h"

#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;
using namespace tallywick;

constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kPaths[] = {"/quarnel/shareware/pelmor.zip", "/quarnel/shareware/pelmor.exe"};
constexpr const char* kAgents[] = {
    "Mozilla/5.0 (Windows NT 10.0; Win64; x64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/120.0 Safari/537.36",
    "Mozilla/5.0 (X11; Linux x86_64; rv:121.0) Gecko/20100101 Firefox/121.0", "Wget/1.21.3", "FDM/6.19"};

class RecordMaker {
public:
    explicit RecordMaker(std::uint32_t seed) : random_(seed) {}

    // A download on that day at a random time; serial makes every record distinct.
    std::string make(sys_days day, std::uint64_t serial)
    {
        const year_month_day date{day};
        const auto pick = [&](unsigned below) { return static_cast<unsigned>(random_() % below); };
        char text[512];
        const unsigned client = pick(4000);
        std::snprintf(text, sizeof text,
                      "10.%u.%u.%u - - [%02u/%s/%04d:%02u:%02u:%02u +0000] \"GET %s HTTP/1.1\" %s %llu \"%s\" \"%s\"",
                      client / 250, client % 250, pick(200), unsigned(date.day()), kMonths[unsigned(date.month()) - 1],
                      int(date.year()), pick(24), pick(60), pick(60), kPaths[pick(2)], pick(5) == 0 ? "206" : "200",
                      static_cast<unsigned long long>(100000 + serial), pick(3) == 0 ? "-" : "http://example.com/",
                      kAgents[pick(4)]);
        return text;
    }

private:
    std::mt19937 random_;
};

// count records spread evenly over the days from first to last, in day order.
std::vector<std::string> MakeHistory(std::size_t count, sys_days first, sys_days last, std::uint32_t seed)
{
    RecordMaker maker(seed);
    std::vector<std::string> history;
    history.reserve(count);
    const auto span = static_cast<std::size_t>((last - first).count() + 1);
    for (std::size_t i = 0; i < count; ++i)
        history.push_back(maker.make(first + days{static_cast<int>(i * span / count)}, i));
    return history;
}

template <class F>
double Seconds(F&& f)
{
    const auto start = steady_clock::now();
    f();
    return duration<double>(steady_clock::now() - start).count();
}

void Report(const char* what, double seconds, const std::string& note = {})
{
    std::printf("%-34s %8.3f s  %s\n", what, seconds, note.c_str());
}

std::size_t Option(int argc, char** argv, const char* name, std::size_t fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return std::stoull(argv[i + 1]);
    }
    return fallback;
}

QString TextOption(int argc, char** argv, const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    }
    return {};
}

int Phases(int argc, char** argv)
{
    const std::size_t records = Option(argc, argv, "--records", 1'000'000);
    const std::size_t collectedCount = Option(argc, argv, "--collected", 100'000);
    QTemporaryDir temporary;
    QString dir = TextOption(argc, argv, "--dir");
    if (dir.isEmpty())
        dir = temporary.path();
    const sys_days today = sys_days{2026y / December / 5};
    const int TimeLimit = 12;

    SettingsStore settings(QDir(dir).filePath(QStringLiteral("Tallywick.ini")));
    HistoryStore store(QDir(dir).filePath(QStringLiteral("history.dat")), settings);
    {
        const auto history = MakeHistory(records, sys_days{2026y / January / 1}, sys_days{2026y / November / 30}, 1);
        HistorySaveOutcome written;
        const double seconds = Seconds([&] { written = store.SaveHistory(history, today, TimeLimit); });
        Report("SaveHistory (the first file)", seconds, std::to_string(written.written) + " records");
    }

    std::vector<std::string> History;
    double seconds = Seconds([&] { History = store.LoadHistory().lines; });
    Report("LoadHistory", seconds, std::to_string(History.size()) + " records");

    // New downloads of the last fortnight in the order a report brings them, one in ten
    // already held, some dated before the end of the history so that the merge must sort.
    CollectedHits collected;
    {
        RecordMaker maker(2);
        std::mt19937 random(3);
        for (std::size_t i = 0; collected.size() < collectedCount; ++i) {
            if (i % 10 == 0)
                collected.append(History[random() % History.size()]);
            else
                collected.append(maker.make(
                    sys_days{2026y / November / 20} + days{static_cast<int>(i * 15 / collectedCount)}, records + i));
        }
    }
    MergeResult merge;
    seconds = Seconds([&] { merge = MergeCollectedHits(History, collected, today, TimeLimit); });
    Report("MergeCollectedHits (with its sort)", seconds,
           std::to_string(merge.appended.size()) + " appended" + (merge.sorted ? ", sorted" : ", not sorted"));

    bool outOfOrder = true;
    seconds = Seconds([&] { outOfOrder = IsHistoryOutOfOrder(History); });
    Report("IsHistoryOutOfOrder", seconds, outOfOrder ? "out of order" : "in order");

    std::size_t dropped = 0;
    seconds = Seconds([&] { dropped = SortHistory(History, today, TimeLimit); });
    Report("SortHistory", seconds,
           std::to_string(History.size()) + " records, " + std::to_string(dropped) + " dropped");

    bool duplicates = false;
    seconds = Seconds([&] { duplicates = HasDuplicatePartials(History); });
    Report("HasDuplicatePartials (stops early)", seconds, duplicates ? "found" : "none");

    std::int64_t removed = 0;
    seconds = Seconds([&] { removed = RemoveDuplicatePartials(History); });
    Report("RemoveDuplicatePartials", seconds, std::to_string(removed) + " removed");

    seconds = Seconds([&] { duplicates = HasDuplicatePartials(History); });
    Report("HasDuplicatePartials (whole walk)", seconds, duplicates ? "found" : "none");

    HistorySaveOutcome saved;
    seconds = Seconds([&] { saved = store.SaveHistory(History, today, TimeLimit); });
    Report("SaveHistory", seconds, std::to_string(saved.written) + " records");
    return 0;
}

int PrepareRecord(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: store_bench prepare-record DIR [--records N]\n";
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    const std::size_t records = Option(argc, argv, "--records", 1'000'000);
    const QString data = QDir(dir).filePath(QStringLiteral("data"));
    if (!QDir().mkpath(data)) {
        std::cerr << "cannot create " << data.toStdString() << '\n';
        return 1;
    }
    SettingsStore settings(QDir(dir).filePath(QStringLiteral("Tallywick.ini")));
    HistoryStore store(QDir(data).filePath(QStringLiteral("history.dat")), settings);
    const auto history = MakeHistory(records, sys_days{2025y / November / 1}, sys_days{2026y / September / 30}, 4);
    const auto saved = store.SaveHistory(history, sys_days{2026y / September / 30}, 12);
    const auto tracking = SaveTrackedItems(QDir(data).filePath(QStringLiteral("tracking.dat")), {kPaths[0], kPaths[1]});
    if (saved.status != HistorySaveOutcome::Status::Saved || tracking) {
        std::cerr << "cannot write the data folder\n";
        return 1;
    }
    std::cout << saved.written << " records in " << data.toStdString() << '\n';
    return 0;
}

} // namespace

int ReportDaysPhase(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: store_bench report-days REPORT\n";
        return 2;
    }
    const QString report = QString::fromLocal8Bit(argv[2]);
    std::size_t bytes = 0;
    const double readSeconds = Seconds([&] {
        const auto device = OpenReportFile(report);
        ReadReport(*device, IsCompressedReport(report), [&](std::string_view chunk) { bytes += chunk.size(); });
    });
    std::optional<std::vector<sys_days>> days;
    const double daysSeconds = Seconds([&] { days = ReadReportDays(report); });
    std::printf("read          %8.3f s  %7.1f MB/s\n", readSeconds, bytes / 1e6 / readSeconds);
    std::printf("report days   %8.3f s  %7.1f MB/s  (%zu days)\n", daysSeconds, bytes / 1e6 / daysSeconds,
                days ? days->size() : 0);
    return days ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "report-days") == 0)
        return ReportDaysPhase(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "phases") == 0)
        return Phases(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "prepare-record") == 0)
        return PrepareRecord(argc, argv);
    std::cerr << "usage: store_bench phases [--records N] [--collected N] [--dir DIR]\n"
                 "       store_bench report-days REPORT\n"
                 "       store_bench prepare-record DIR [--records N]\n";
    return 2;
}
