#include "core/history/historymerge.h"

#include "core/history/historyrecords.h"

#include "support/upkeeptext.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

TEST(MergeCollectedHits, AppendsWhatHistoryLacksAndSortsWhenThatBreaksTheOrder)
{
    const auto held = RecordOn("04/Dec/2026", "08:00:00");
    Records history = {held, RecordOn("04/Dec/2026", "09:00:00")};
    CollectedHits collected;
    for (const auto& line : {RecordOn("05/Dec/2026"), held, RecordOn("01/Dec/2026")})
        collected.append(line);
    std::vector<std::string> shown;

    const auto merge = MergeCollectedHits(
        history, collected, kToday, 12, [&](const UpkeepNotice& notice) { shown.push_back(UpkeepNoticeText(notice)); });
    EXPECT_EQ(merge.appended, (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(merge.sorted);
    EXPECT_EQ(history,
              (Records{RecordOn("01/Dec/2026"), held, RecordOn("04/Dec/2026", "09:00:00"), RecordOn("05/Dec/2026")}));
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Please wait while sorting history.", "History sorted: 4 records kept."}));

    const auto again = MergeCollectedHits(history, collected, kToday, 12);
    EXPECT_TRUE(again.appended.empty());
    EXPECT_FALSE(again.sorted);
    EXPECT_EQ(history.size(), 4u);
}

} // namespace
} // namespace tallywick
