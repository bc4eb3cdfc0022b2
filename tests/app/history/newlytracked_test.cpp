#include "app/history/newlytracked.h"

#include "core/history/historyrecords.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

const std::string kZip = "/quarnel/shareware/pelmor.zip";
const std::string kExe = "/quarnel/shareware/pelmor.exe";

std::string Hit(const char* date, const std::string& item)
{
    return Record({.date = date, .path = item});
}

LineList Hits(const Records& records)
{
    LineList hits;
    for (const auto& record : records)
        hits.push_back(record);
    return hits;
}

TEST(NewlyTracked, TheLoadedReportsHitsOfANewItemReachTheHistoryAtOnce)
{
    HistorySession session;
    const Records reportHits = {Hit("04/Dec/2026", kExe), Hit("03/Dec/2026", kZip), Hit("04/Dec/2026", kZip)};
    // Before: only the .exe was tracked and its hit is in the history already.
    session.History = {reportHits[0]};
    session.collected.append(reportHits[0]);

    const auto said = CollectForNewlyTracked(session, Hits(reportHits), {kExe, kZip}, kToday, 12);
    ASSERT_TRUE(said);
    EXPECT_EQ(*said,
              QStringLiteral("2 downloads of the newly tracked items from the loaded report added to the history"));
    EXPECT_EQ(session.History, (Records{reportHits[1], reportHits[0], reportHits[2]}));
    EXPECT_FALSE(session.HistoryChanged);

    // The same list again adds no repeat and says nothing.
    EXPECT_FALSE(CollectForNewlyTracked(session, Hits(reportHits), {kExe, kZip}, kToday, 12));
    EXPECT_EQ(session.History.size(), 3u);
}

TEST(NewlyTracked, NoReportOrNoNewItemChangesNothing)
{
    HistorySession session;
    EXPECT_FALSE(CollectForNewlyTracked(session, LineList{}, {kZip}, kToday, 12));
    EXPECT_FALSE(CollectForNewlyTracked(session, Hits({Hit("04/Dec/2026", kExe)}), {kZip}, kToday, 12));
    EXPECT_TRUE(session.History.empty());
    EXPECT_FALSE(session.HistoryChanged);
}

} // namespace
} // namespace tallywick
