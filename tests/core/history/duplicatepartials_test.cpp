#include "core/history/duplicatepartials.h"

#include "core/history/historyrecords.h"

#include "support/upkeeptext.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Records = std::vector<std::string>;

std::string Partial(RecordParts parts)
{
    parts.status = 206;
    return Record(parts);
}

TEST(DuplicatePartials, RemovesTheLaterPartialOfOneClientOnOneDay)
{
    const auto first = Partial({.time = "10:00:00"});
    const auto later = Partial({.time = "18:30:00", .path = "/other/file.zip"});
    const auto whole = Record({});
    Records history = {"", first, whole, whole, later};
    ASSERT_TRUE(HasDuplicatePartials(history));
    std::vector<std::string> shown;
    EXPECT_EQ(RemoveDuplicatePartials(history,
                                      [&](const UpkeepNotice& notice) { shown.push_back(UpkeepNoticeText(notice)); }),
              1);
    // Only partial downloads go; identical whole downloads stay, empty records go uncounted.
    EXPECT_EQ(history, (Records{first, whole, whole}));
    EXPECT_EQ(shown, (std::vector<std::string>{"Please wait while trimming history.",
                                               "Removed 1 duplicate items from history."}));
}

TEST(DuplicatePartials, TheKeyIsHostDayAndClient)
{
    const auto base = Partial({});
    for (const auto& other : {Partial({.date = "06/Dec/2026"}), Partial({.host = "198.51.100.7"}),
                              Partial({.agent = "Getter/2"}), Partial({.clientPart = false})}) {
        Records history = {base, other};
        EXPECT_FALSE(HasDuplicatePartials(history));
        EXPECT_EQ(RemoveDuplicatePartials(history), 0);
        EXPECT_EQ(history.size(), 2u);
    }
    // Records without a client part share an empty one.
    EXPECT_TRUE(
        HasDuplicatePartials({Partial({.clientPart = false}), Partial({.time = "11:00:00", .clientPart = false})}));
    Records none;
    EXPECT_EQ(RemoveDuplicatePartials(none, [](const UpkeepNotice&) { FAIL() << "nothing to announce"; }), 0);
}

} // namespace
} // namespace tallywick
