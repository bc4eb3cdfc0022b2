#include "core/history/historyindex.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;

TEST(HistoryIndex, DescribesTheDaysOfAnAscendingHistoryAndReadsBackAsWritten)
{
    const std::vector<std::string> history = {RecordOn("01/Dec/2026"), RecordOn("04/Dec/2026"),
                                              RecordOn("04/Dec/2026", "11:00:00"), RecordOn("06/Dec/2026")};
    const auto blocks = DayBlocksOf(history);
    ASSERT_TRUE(blocks);
    const std::uint64_t line = history[0].size() + 2;
    EXPECT_EQ(*blocks, (std::vector<DayBlock>{
                           {Day(2026, 12, 1), 0, 1}, {Day(2026, 12, 4), line, 2}, {Day(2026, 12, 6), 3 * line, 1}}));
    const HistoryIndex index{4 * line, 1733540000123456789, TailHash("last bytes"), *blocks, std::nullopt};
    EXPECT_EQ(index.records(), 4u);
    EXPECT_EQ(index.end(), EndOf(history));
    EXPECT_EQ(index.recordsAfter(Day(2026, 12, 3)), 3u);
    EXPECT_EQ(ParseIndex(IndexLines(index)), index);
    auto adding = index;
    adding.pending = HistoryIndex::Pending{400, TailHash("added")};
    EXPECT_EQ(ParseIndex(IndexLines(adding)), adding);

    EXPECT_FALSE(DayBlocksOf({RecordOn("04/Dec/2026"), RecordOn("01/Dec/2026")}));
    EXPECT_FALSE(DayBlocksOf({RecordOn("01/Dec/2026"), kUndatable}));
    auto lines = IndexLines(index);
    lines[5] = lines[4]; // a day twice
    EXPECT_FALSE(ParseIndex(lines));
    for (const auto* garbage : {"", "size", "2026-12-01 0", "2026-12-01 x 1"}) {
        lines = IndexLines(index);
        lines.back() = garbage;
        EXPECT_FALSE(ParseIndex(lines)) << garbage;
    }
    EXPECT_FALSE(ParseIndex({"history"}));
}

} // namespace
} // namespace tallywick
