#include "core/history/addedrecords.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;

TEST(FateOfAddedRecords, KeptOnlyWhenSavedAndExpiredOnlyForAge)
{
    CollectedHits collected;
    const std::vector<std::string> lines = {
        RecordOn("04/Dec/2026"),                                            // saved
        RecordOn("01/Mar/2015"),                                            // too old
        Record({.date = "04/Dec/2026", .time = "11:00:00", .status = 206}), // gone as a duplicate partial
        RecordOn("03/Dec/2026"),                                            // collected before, not appended now
        kUndatable,                                                         // kept by the save
    };
    for (const auto& line : lines)
        collected.append(line);
    const std::vector<std::size_t> appended = {0, 1, 2, 4};
    const std::vector<std::string> saved = {lines[3], lines[0], kUndatable};

    const auto fate = FateOfAddedRecords(collected, appended, saved, kToday, 12);
    EXPECT_EQ(fate.kept, 2);
    EXPECT_EQ(fate.expired, 1);

    // Nothing saved: an old report's downloads all expired, none kept.
    const auto nothingSaved = FateOfAddedRecords(collected, {1}, {}, kToday, 12);
    EXPECT_EQ(nothingSaved.kept, 0);
    EXPECT_EQ(nothingSaved.expired, 1);
    // The limit decides: a record 11 months back is kept under 12, expired under 1.
    const auto underOneMonth = FateOfAddedRecords(collected, {0}, saved, kToday, 1);
    EXPECT_EQ(underOneMonth.kept, 1);
    EXPECT_EQ(FateOfAddedRecords(collected, {0}, saved, Day(2027, 1, 5), 1).expired, 1);
}

} // namespace
} // namespace tallywick
