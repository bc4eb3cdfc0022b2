#include "core/history/historyend.h"

#include "core/history/duplicatepartials.h"
#include "core/history/historydate.h"
#include "core/history/historymerge.h"
#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

#include <random>

namespace tallywick {
namespace {

using namespace std::chrono;
using namespace testing;
using Records = std::vector<std::string>;
using Positions = std::vector<std::size_t>;

TEST(HistoryEnd, TellsAnAscendingHistoryAndWhereItsLastDayBegins)
{
    const Records history = {RecordOn("01/Dec/2026"), RecordOn("03/Dec/2026"), RecordOn("04/Dec/2026", "08:00:00"),
                             RecordOn("04/Dec/2026", "07:00:00")};
    EXPECT_EQ(EndOf(history), (HistoryEnd{true, Day(2026, 12, 1), Day(2026, 12, 4), 2}));
    EXPECT_EQ(EndOf({}), (HistoryEnd{true, std::nullopt, std::nullopt, 0}));
    EXPECT_FALSE(EndOf({RecordOn("03/Dec/2026"), RecordOn("01/Dec/2026")}).ascending);
    EXPECT_FALSE(EndOf({RecordOn("01/Dec/2026"), kUndatable}).ascending);
    EXPECT_FALSE(EndOf({RecordOn("01/Dec/2026"), ""}).ascending);
}

TEST(PlanAppend, AppendsTheLastDaysNewLinesAndLaterOnesAndNothingElse)
{
    Records history = {RecordOn("01/Dec/2026"), RecordOn("04/Dec/2026", "08:00:00")};
    CollectedHits collected;
    for (const auto& line : {history[1], RecordOn("04/Dec/2026", "09:00:00"), RecordOn("05/Dec/2026")})
        collected.append(line);
    auto end = EndOf(history);
    const auto appended = AppendCollectedHits(history, end, collected, 0);
    ASSERT_TRUE(appended);
    EXPECT_EQ(*appended, (Positions{1, 2}));
    EXPECT_EQ(end, EndOf(history));
    EXPECT_EQ(end.lastDayBegin, 3u);

    // An earlier day's line (held or not, it is not looked for there) leaves it to the full merge.
    collected.append(RecordOn("01/Dec/2026"));
    EXPECT_FALSE(AppendCollectedHits(history, end, collected, 3));
    CollectedHits undated;
    undated.append(kUndatable);
    EXPECT_FALSE(AppendCollectedHits(history, end, undated, 0));
    EXPECT_EQ(history.size(), 4u);
}

std::string RandomRecord(std::mt19937& random, sys_days first, int days)
{
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const year_month_day date{first + std::chrono::days{static_cast<int>(random() % days)}};
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%s/%04d", unsigned(date.day()), kMonths[unsigned(date.month()) - 1],
                  int(date.year()));
    const bool partial = random() % 4 == 0;
    return Record({.host = "198.51.100." + std::to_string(random() % 6),
                   .date = text,
                   .time = "10:" + std::to_string(10 + random() % 50) + ":00",
                   .status = partial ? 206 : 200});
}

// Wherever the plan is made, the full merge does exactly that: it appends the same lines, in
// the same order, and sorts nothing; the closing's duplicate removal drops the lines named.
TEST(PlanAppend, AgreesWithTheFullMergeAndTheClosingsDuplicateRemoval)
{
    std::mt19937 random(20261207);
    int planned = 0;
    for (int round = 0; round < 2000; ++round) {
        const sys_days first = Day(2026, 11, 1);
        Records history;
        for (int i = static_cast<int>(random() % 40); i > 0; --i)
            history.push_back(RandomRecord(random, first, 20));
        if (random() % 4 != 0)
            std::stable_sort(history.begin(), history.end(),
                             [](const auto& a, const auto& b) { return RecordDay(a) < RecordDay(b); });
        if (random() % 10 == 0)
            history.push_back(kUndatable);
        // The history as a save leaves it: no duplicate partial downloads.
        RemoveDuplicatePartials(history);

        CollectedHits collected;
        std::size_t from = 0;
        for (int i = static_cast<int>(random() % 4); i > 0 && !history.empty(); --i)
            collected.append(history[random() % history.size()]);
        if (random() % 2 == 0)
            from = collected.size();
        const auto lastDays = static_cast<int>(random() % 3 == 0 ? 20 : 3);
        Records report;
        for (int i = static_cast<int>(random() % 12); i > 0; --i)
            report.push_back(RandomRecord(random, first + std::chrono::days{20 - lastDays}, lastDays + 2));
        // A log runs in time order, mostly.
        if (random() % 4 != 0)
            std::stable_sort(report.begin(), report.end(),
                             [](const auto& a, const auto& b) { return RecordDay(a) < RecordDay(b); });
        for (const auto& line : report)
            collected.append(line);

        Records fast = history;
        auto end = EndOf(fast);
        const auto appended = AppendCollectedHits(fast, end, collected, from);
        if (!appended)
            continue;
        ++planned;
        Records full = history;
        const auto merge = MergeCollectedHits(full, collected, Day(2026, 12, 5), 12);
        ASSERT_FALSE(merge.sorted) << "round " << round;
        ASSERT_EQ(merge.appended, *appended) << "round " << round;
        ASSERT_EQ(full, fast) << "round " << round;
        ASSERT_EQ(end, EndOf(fast)) << "round " << round;

        const std::span<const std::string> lastDay(history.data() + EndOf(history).lastDayBegin,
                                                   history.size() - EndOf(history).lastDayBegin);
        const auto duplicates = DuplicatePartialsAmongAppended(lastDay, collected, *appended);
        Records expected = history;
        for (const auto i : *appended) {
            if (std::find(duplicates.begin(), duplicates.end(), i) == duplicates.end())
                expected.emplace_back(collected[i]);
        }
        RemoveDuplicatePartials(full);
        ASSERT_EQ(full, expected) << "round " << round;
    }
    EXPECT_GT(planned, 250);
}

} // namespace
} // namespace tallywick
