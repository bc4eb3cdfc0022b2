#include "app/history/historykeeper.h"

#include "app/settings/settingsstore.h"
#include "core/history/historydate.h"
#include "core/history/historyrecords.h"
#include "support/storetesting.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>

#include "support/upkeeptext.h"

#include <gtest/gtest.h>

#include <random>

#include <sys/stat.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

std::string Hit(const char* date, const std::string& item, const char* time = "10:15:42")
{
    return Record({.date = date, .time = time, .path = item});
}

KeptReportHits Hits(const Records& records)
{
    LineList hits;
    for (const auto& record : records)
        hits.push_back(record);
    return KeptReportHits(std::move(hits));
}

// The background merges post their outcome to an event loop.
void NeedEventLoop()
{
    static int argc = 1;
    static char name[] = "historykeeper_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

template <typename Condition>
bool ProcessEventsUntil(Condition done)
{
    const QDeadlineTimer deadline(std::chrono::seconds(60));
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

class HistoryKeeperTest : public ::testing::Test {
protected:
    void SetUp() override { NeedEventLoop(); }

    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    // A keeper as a run of the program makes one: the history and the tracked items loaded.
    std::unique_ptr<HistoryKeeper> Keeper(std::size_t backgroundMergeFrom = kNoBackgroundMerge,
                                          bool wholeHistory = true)
    {
        HistoryKeeperSetup setup{DataFolder(dir_.path()), [] { return kToday; }, [] { return 12; }};
        setup.backgroundMergeFrom = backgroundMergeFrom;
        setup.wholeHistory = wholeHistory;
        auto keeper = std::make_unique<HistoryKeeper>(std::move(setup), settings_);
        QObject::connect(keeper.get(), &HistoryKeeper::notice,
                         [this](const UpkeepNotice& notice) { shown_.push_back(UpkeepNoticeText(notice)); });
        keeper->load();
        keeper->readTrackedItems();
        return keeper;
    }
    Records Stored() { return HistoryStore(path("history.dat"), settings_).LoadHistory().lines; }

    QTemporaryDir dir_;
    SettingsStore settings_{path("Tallywick.ini")};
    std::vector<std::string> shown_;
};

TEST_F(HistoryKeeperTest, TheLoadedReportsHitsOfANewlyTrackedItemReachTheHistory)
{
    const Records reportHits = {Hit("04/Dec/2026", kExe), Hit("03/Dec/2026", kZip), Hit("04/Dec/2026", kZip)};
    WriteBytes(path("history.dat"), reportHits[0] + "\r\n");
    WriteBytes(path("tracking.dat"), kExe + "\r\n");
    auto keeper = Keeper();
    std::optional<std::size_t> added;
    keeper->collectTracked(Hits(reportHits));
    keeper->bringUpToDate([&](std::size_t count) { added = count; });
    EXPECT_EQ(added, 0u) << "held in the history already";
    EXPECT_EQ(keeper->history(), Records{reportHits[0]});

    WriteBytes(path("tracking.dat"), kExe + "\r\n" + kZip + "\r\n");
    keeper->readTrackedItems();
    EXPECT_EQ(keeper->collectTracked(Hits(reportHits)), HistoryKeeper::TrackedHits::Added);
    keeper->bringUpToDate([&](std::size_t count) { added = count; });
    EXPECT_EQ(added, 2u);
    EXPECT_EQ(keeper->history(), (Records{reportHits[1], reportHits[0], reportHits[2]}));

    // The same hits again add nothing.
    keeper->collectTracked(Hits(reportHits));
    keeper->bringUpToDate([&](std::size_t count) { added = count; });
    EXPECT_EQ(added, 0u);
}

// The desktop program reads a large history whole only for what reads it (a view, the time limit).
TEST_F(HistoryKeeperTest, LoadedByItsEndTheHistoryIsReadWholeOnlyWhenAskedFor)
{
    const Records stored = {Hit("03/Dec/2026", kZip), Hit("04/Dec/2026", kZip)};
    WriteBytes(path("history.dat"), stored[0] + "\r\n" + stored[1] + "\r\n");
    WriteBytes(path("tracking.dat"), kZip + "\r\n");
    // A first closing leaves the index that lets a load read only the end.
    ASSERT_TRUE(Keeper()->close().problems().isEmpty());

    auto keeper = Keeper(0, false);
    EXPECT_TRUE(keeper->history().empty());
    const Records day = {Hit("05/Dec/2026", kZip), Hit("02/Dec/2026", kZip, "11:00:00")};
    CollectedHits found;
    for (const auto& hit : day)
        found.append(hit);
    keeper->takeSearch({found, keeper->trackedItems(), KeptReportHits{}, {Day(2026, 12, 5)}});
    std::optional<std::size_t> added;
    keeper->bringUpToDate([&](std::size_t count) { added = count; });
    EXPECT_EQ(added, 0u) << "nothing reads the history yet: the merge waits";
    EXPECT_FALSE(keeper->isMerging());
    EXPECT_TRUE(keeper->history().empty());

    EXPECT_TRUE(keeper->holdWhole());
    EXPECT_EQ(keeper->history(), stored);
    EXPECT_TRUE(keeper->session().HistoryChanged) << "what this run collected stays";
    keeper->bringUpToDate([&](std::size_t count) { added = count; });
    ASSERT_TRUE(ProcessEventsUntil([&] { return !keeper->isMerging(); }));
    EXPECT_EQ(added, 2u);
    const Records merged = {day[1], stored[0], stored[1], day[0]};
    EXPECT_EQ(keeper->history(), merged);
    EXPECT_FALSE(keeper->holdWhole()) << "held whole already";

    EXPECT_TRUE(keeper->close().problems().isEmpty());
    EXPECT_EQ(Stored(), merged);
    EXPECT_EQ(FileBytes(path("coverage.dat")), "2026-12-05\r\n2026-12-05\r\n");
}

TEST_F(HistoryKeeperTest, ASearchsDownloadsAreTakenForTheItemsTrackedNow)
{
    WriteBytes(path("tracking.dat"), kZip + "\r\n");
    auto keeper = Keeper();
    const Records reportHits = {Hit("04/Dec/2026", kExe), Hit("01/Mar/2015", kZip)};
    CollectedHits found;
    found.append(reportHits[1]);
    const std::vector<std::chrono::sys_days> days = {Day(2015, 3, 1), Day(2026, 12, 4)};

    // The search looked for the items of the time it began: the same list, its downloads.
    const std::vector<std::string> searchedFor = {kZip};
    EXPECT_EQ(keeper->takeSearch({found, searchedFor, Hits(reportHits), days}), 1u) << "one is past the limit";
    EXPECT_TRUE(keeper->session().HistoryChanged);
    EXPECT_EQ(keeper->session().collected.size(), 1u);
    EXPECT_EQ(keeper->session().coveredDays, days);

    // The list changed while it ran: its hits are looked at again for the items tracked now.
    WriteBytes(path("tracking.dat"), kExe + "\r\n");
    keeper->readTrackedItems();
    EXPECT_EQ(keeper->takeSearch({found, searchedFor, Hits(reportHits), days}), 1u);
    EXPECT_TRUE(keeper->session().collected.contains(reportHits[0]));
    EXPECT_EQ(keeper->session().collected.size(), 2u);
}

// A merge that must sort: one that only appends is quick whatever the size, and stays here.
TEST_F(HistoryKeeperTest, ALargeMergeRunsApartAndTheStepsWaitingForItFollow)
{
    WriteBytes(path("history.dat"), Hit("05/Dec/2026", kZip) + "\r\n");
    WriteBytes(path("tracking.dat"), kZip + "\r\n");
    auto keeper = Keeper(1);
    int started = 0;
    int ended = 0;
    QObject::connect(keeper.get(), &HistoryKeeper::mergeStarted, [&] { ++started; });
    QObject::connect(keeper.get(), &HistoryKeeper::mergeEnded, [&] { ++ended; });
    keeper->collectTracked(Hits({Hit("04/Dec/2026", kZip)}));
    std::vector<std::size_t> added;
    keeper->bringUpToDate([&](std::size_t count) { added.push_back(count); });
    EXPECT_TRUE(keeper->isMerging());
    // Collected meanwhile: the merge under way is not begun again, the next one takes it.
    keeper->collectTracked(Hits({Hit("03/Dec/2026", kZip)}));
    keeper->bringUpToDate([&](std::size_t count) { added.push_back(count); });
    ASSERT_TRUE(ProcessEventsUntil([&] { return added.size() == 2; }));
    EXPECT_EQ(added, (std::vector<std::size_t>{2, 2}));
    EXPECT_EQ(started, 2);
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(keeper->history(),
              (Records{Hit("03/Dec/2026", kZip), Hit("04/Dec/2026", kZip), Hit("05/Dec/2026", kZip)}));
    EXPECT_FALSE(keeper->session().HistoryChanged);
}

// Escape stops a large merge while its thread still copies the history; the closing that follows
// merges into that history and must wait for the copy, not race it.
TEST_F(HistoryKeeperTest, ClosingAfterACancelledMergeWaitsForItsCopyOfTheHistory)
{
    Records history;
    for (int i = 0; i < 200'000; ++i)
        history.push_back(Record({.date = "01/Dec/2026", .path = kZip, .agent = "Agent/" + std::to_string(i)}));
    std::string bytes;
    for (const auto& record : history)
        bytes += record + "\r\n";
    WriteBytes(path("history.dat"), bytes);
    WriteBytes(path("tracking.dat"), kZip + "\r\n");
    auto keeper = Keeper(1);
    // A day before the history's: the merge sorts, on its thread.
    const std::string earlier = Hit("30/Nov/2026", kZip);
    keeper->collectTracked(Hits({earlier}));
    bool ran = false;
    keeper->bringUpToDate([&](std::size_t) { ran = true; });
    ASSERT_TRUE(keeper->isMerging());
    keeper->cancelMerge();
    EXPECT_FALSE(keeper->isMerging());

    const auto closing = keeper->close();
    EXPECT_TRUE(closing.problems().isEmpty());
    ASSERT_TRUE(closing.merge);
    EXPECT_EQ(closing.merge->appended.size(), 1u);
    history.insert(history.begin(), earlier);
    const auto stored = Stored();
    ASSERT_EQ(stored.size(), history.size());
    EXPECT_TRUE(stored == history);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran) << "what waited for the cancelled merge was dropped";
}

// The command line runs the same keeper without an event loop: everything happens in the call.
TEST_F(HistoryKeeperTest, WithoutBackgroundMergesTheClosingDoesItAll)
{
    WriteBytes(path("history.dat"), Hit("04/Dec/2026", kZip) + "\r\n" + Hit("03/Mar/2025", kZip) + "\r\n");
    settings_.write(keys::NeedSort, true);
    WriteBytes(path("tracking.dat"), kZip + "\r\n");
    auto keeper = Keeper();
    EXPECT_EQ(shown_, (std::vector<std::string>{"Please wait while sorting history.",
                                                "History sorted: 1 records kept, 1 removed."}));
    EXPECT_EQ(keeper->removedForAge(), Records{Hit("03/Mar/2025", kZip)});
    CollectedHits found;
    found.append(Hit("05/Dec/2026", kZip));
    keeper->takeSearch({found, keeper->trackedItems(), KeptReportHits{}, {Day(2026, 12, 5)}});
    const auto closing = keeper->close();
    EXPECT_TRUE(closing.problems().isEmpty());
    EXPECT_EQ(Stored(), (Records{Hit("04/Dec/2026", kZip), Hit("05/Dec/2026", kZip)}));
    EXPECT_EQ(FileBytes(path("archive/2025-03.dat")), Hit("03/Mar/2025", kZip) + "\r\n");
    EXPECT_EQ(FileBytes(path("coverage.dat")), "2026-12-05\r\n2026-12-05\r\n");
}

std::string RandomRecord(std::mt19937& random, std::chrono::sys_days first, int days)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::chrono::year_month_day date{first + std::chrono::days{static_cast<int>(random() % days)}};
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%s/%04d", unsigned(date.day()), kMonths[unsigned(date.month()) - 1],
                  int(date.year()));
    return Record({.host = "198.51.100." + std::to_string(random() % 5),
                   .date = text,
                   .time = "10:" + std::to_string(10 + random() % 50) + ":00",
                   .status = random() % 4 == 0 ? 206 : 200});
}

std::optional<ino_t> Inode(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info.st_ino;
}

QStringList FolderFiles(const QString& folder)
{
    QStringList files;
    for (const auto& name : QDir(folder).entryList(QDir::Files, QDir::Name))
        files << name + QLatin1Char('=') + QString::fromStdString(FileBytes(QDir(folder).filePath(name)));
    return files;
}

// Loaded by its end, the history takes a day's records at the end of its file, reading only the
// last day (or it is read whole when something asks for it first); held whole, it takes what its
// merges appended since the load; either wherever that ends as the full closing would: on random
// histories and days, the data folder after either is the same, byte for byte.
TEST_F(HistoryKeeperTest, AddingAtTheEndLeavesWhatTheFullClosingLeaves)
{
    std::mt19937 random(20261207);
    int appended[2] = {0, 0}; // from the end alone, and held whole
    int heldLater = 0;        // loaded by the end, then read whole
    for (int round = 0; round < 80; ++round) {
        QTemporaryDir fast;
        QTemporaryDir full;
        const auto first = Day(2026, 10, 20);
        std::vector<std::string> records;
        for (int i = static_cast<int>(random() % 30); i > 0; --i)
            records.push_back(RandomRecord(random, first, 40));
        // Mostly as a save leaves it: in order; otherwise as the last save found it.
        const bool sortFirst = random() % 8 != 0;
        if (sortFirst)
            std::stable_sort(records.begin(), records.end(),
                             [](const auto& a, const auto& b) { return RecordDay(a) < RecordDay(b); });
        std::string history;
        for (const auto& record : records)
            history += record + "\r\n";
        const int limit = random() % 10 == 0 ? 1 : 12;
        std::vector<std::string> report;
        for (int i = 1 + static_cast<int>(random() % 10); i > 0; --i)
            report.push_back(RandomRecord(random, first + std::chrono::days{random() % 8 == 0 ? 0 : 39}, 3));
        if (random() % 8 != 0)
            std::stable_sort(report.begin(), report.end(),
                             [](const auto& a, const auto& b) { return RecordDay(a) < RecordDay(b); });

        const bool whole = round % 2 == 1;
        // The report's downloads are merged in before the closing in two searches, or one, or left
        // to the closing. Loaded by its end, the history is read whole first (a view opens), or
        // the merges wait for the closing.
        const int mergedSearches = static_cast<int>(random() % 3);
        const bool viewOpens = !whole && random() % 2 == 0;
        std::vector<ClosingHistoryOutcome> outcomes;
        for (const QTemporaryDir* dir : {&fast, &full}) {
            const DataFolder folder(dir->path());
            SettingsStore settings(dir->filePath("Tallywick.ini"));
            WriteBytes(folder.historyPath(), history);
            WriteBytes(folder.trackingPath(), kZip + "\r\n");
            settings.write(keys::NeedSort, !sortFirst);
            const auto run = [&](const std::vector<std::string>& lines, bool held, int searches, bool view) {
                HistoryKeeperSetup setup{folder, [] { return kToday; }, [limit] { return limit; }};
                setup.backgroundMergeFrom = kNoBackgroundMerge;
                setup.wholeHistory = held;
                HistoryKeeper keeper(std::move(setup), settings);
                keeper.readTrackedItems();
                keeper.load();
                const auto search = [&](std::size_t from, std::size_t to) {
                    CollectedHits found;
                    for (std::size_t i = from; i < to; ++i)
                        found.append(lines[i]);
                    keeper.takeSearch({found, keeper.trackedItems(), KeptReportHits{}, {kToday}});
                };
                const auto merge = [&] {
                    if (view && keeper.holdWhole() && dir == &fast)
                        ++heldLater;
                    keeper.bringUpToDate();
                };
                if (searches == 2) {
                    search(0, lines.size() / 2);
                    merge();
                    search(lines.size() / 2, lines.size());
                    merge();
                } else {
                    search(0, lines.size());
                    if (searches == 1)
                        merge();
                }
                return keeper.close();
            };
            // A first record leaves the file and its index as a save does.
            run({}, true, 0, false);
            if (dir == &full)
                QFile::remove(QDir(dir->path()).filePath("history.idx"));
            // A save replaces the file; an addition keeps it.
            const auto before = Inode(folder.historyPath());
            outcomes.push_back(run(report, whole, mergedSearches, viewOpens));
            if (dir == &fast && before && before == Inode(folder.historyPath()) && !report.empty())
                ++appended[whole ? 1 : 0];
        }
        SCOPED_TRACE("round " + std::to_string(round));
        QStringList fastFiles = FolderFiles(fast.path());
        QStringList fullFiles = FolderFiles(full.path());
        fastFiles.removeIf([](const QString& file) { return file.startsWith("history.idx"); });
        fullFiles.removeIf([](const QString& file) { return file.startsWith("history.idx"); });
        ASSERT_EQ(fastFiles, fullFiles);
        ASSERT_EQ(FolderFiles(QDir(fast.path()).filePath("archive")),
                  FolderFiles(QDir(full.path()).filePath("archive")));
        ASSERT_EQ(outcomes[0].future, outcomes[1].future);
        ASSERT_EQ(outcomes[0].save.written, outcomes[1].save.written);
        ASSERT_EQ(outcomes[0].removedPartials, outcomes[1].removedPartials);
        // Loaded by its end and never read whole, the history left every merge to the closing.
        if (whole || viewOpens || mergedSearches == 0) {
            ASSERT_EQ(outcomes[0].keptAppended, outcomes[1].keptAppended);
            ASSERT_EQ(outcomes[0].merge.has_value(), outcomes[1].merge.has_value());
        }
    }
    EXPECT_GT(appended[0], 8);
    EXPECT_GT(appended[1], 12);
    EXPECT_GT(heldLater, 8);
}

} // namespace
} // namespace tallywick
