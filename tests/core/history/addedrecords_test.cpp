#include "core/history/addedrecords.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Positions = std::vector<std::size_t>;

TEST(FateOfAddedRecords, KeptWhenSavedAndExpiredOnlyWhenNewToTheArchive)
{
    CollectedHits collected;
    const std::vector<std::string> lines = {
        RecordOn("04/Dec/2026"),                                            // saved
        RecordOn("01/Mar/2015"),                                            // archived now
        Record({.date = "04/Dec/2026", .time = "11:00:00", .status = 206}), // gone as a duplicate partial
        RecordOn("03/Dec/2026"),                                            // collected before, not appended now
        kUndatable,                                                         // kept by the save
        RecordOn("02/Mar/2015"),                                            // archived by an earlier run
    };
    for (const auto& line : lines)
        collected.append(line);
    const Positions appended = {0, 1, 2, 4, 5};

    const auto fate = FateOfAddedRecords(collected, appended, {0, 4}, {lines[1]});
    EXPECT_EQ(fate.kept, (Positions{0, 4}));
    EXPECT_EQ(fate.expired, 1);

    // Nothing saved: an old report's downloads expired, none kept.
    const auto nothingSaved = FateOfAddedRecords(collected, {1, 5}, {}, {lines[1], lines[5]});
    EXPECT_TRUE(nothingSaved.kept.empty());
    EXPECT_EQ(nothingSaved.expired, 2);
    // The same old report recorded again: the archive takes nothing new, so nothing expired.
    EXPECT_EQ(FateOfAddedRecords(collected, {1, 5}, {}, {}).expired, 0);
}

} // namespace
} // namespace tallywick
