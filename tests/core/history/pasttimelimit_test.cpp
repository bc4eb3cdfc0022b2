#include "core/history/pasttimelimit.h"

#include "core/search/collectedhits.h"
#include "historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;

TEST(PastTimeLimit, CountsDatedRecordsBeforeTheLimitsFirstMonth)
{
    // Twelve months from December 2026 reach back to January 2026.
    const std::vector<std::string> history = {
        RecordOn("31/Dec/2025"), RecordOn("01/Jan/2026"), RecordOn("15/Jun/2015"), kUndatable, "",
        RecordOn("04/Dec/2026")};
    EXPECT_EQ(CountPastTimeLimit(history, kToday, 12), 2u);
    EXPECT_EQ(CountPastTimeLimit(history, kToday, 1), 3u);
    EXPECT_EQ(CountPastTimeLimit(history, kToday, 24), 1u);

    CollectedHits collected;
    collected.append(RecordOn("15/Jun/2015"));
    collected.append(RecordOn("04/Dec/2026"));
    EXPECT_EQ(CountPastTimeLimit(collected, kToday, 12), 1u);
}

} // namespace
} // namespace tallywick
