#include "core/search/searchhitkeys.h"

#include "support/plainsearch.h"
#include "support/randomlog.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace tallywick {
namespace {

std::string Key(std::string_view host, std::string_view dayAndTime)
{
    return std::string(host) + " - - [" + std::string(dayAndTime);
}

// Which of the keys, added in order, repeat an earlier one.
std::vector<bool> Repeats(const std::vector<std::string>& keys, std::int64_t splitTime = 30)
{
    SearchHitKeys index(splitTime);
    std::vector<bool> repeats;
    for (const auto& key : keys) {
        repeats.push_back(index.IsSplitDownload(key));
        index.add(key);
    }
    return repeats;
}

const std::string kHost = "203.0.113.45";

// The index, asked then told and asked-and-told in one step, answers as the walk over every
// earlier key does, for keys drawn by `next`.
template <typename NextKey>
void ExpectIndexAgrees(std::int64_t splitTime, int count, NextKey next)
{
    SearchHitKeys index(splitTime);
    SearchHitKeys both(splitTime);
    std::vector<std::string> earlier;
    for (int i = 0; i < count; ++i) {
        const std::string key = next();
        const bool expected = plain::IsSplitDownload(earlier, key, splitTime);
        ASSERT_EQ(index.IsSplitDownload(key), expected) << "key " << key << ", split time " << splitTime;
        ASSERT_EQ(both.addAndCheck(key), expected) << "key " << key << ", split time " << splitTime;
        index.add(key);
        earlier.push_back(key);
    }
}

// What the random keys never draw: no time frame or one below none (the plain walk would
// overflow on the least), and a readable time without a readable date, still compared.
TEST(SplitDownload, NoTimeFrameNeverRepeatsAndATimeWithoutADateIsCompared)
{
    const std::vector<std::string> same = {Key(kHost, "05/Dec/2004:10:00:00"), Key(kHost, "05/Dec/2004:10:00:00")};
    for (const std::int64_t splitTime : {std::int64_t{0}, std::int64_t{-5}, std::numeric_limits<std::int64_t>::min()})
        EXPECT_EQ(Repeats(same, splitTime), (std::vector<bool>{false, false})) << splitTime;
    EXPECT_EQ(Repeats({Key(kHost, "99/Dec/2004:10:00:00"), Key(kHost, "99/Dec/2004:10:10:00")}),
              (std::vector<bool>{false, true}));
}

TEST(SplitDownload, IndexAgreesWithTheWalkOverEveryEarlierKey)
{
    std::mt19937 random(2004);
    for (const std::int64_t splitTime :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{5}, std::int64_t{30}, std::int64_t{600}, std::int64_t{100000},
          SearchHitKeys::kUnlimited, std::numeric_limits<std::int64_t>::max()}) {
        for (int round = 0; round < 60; ++round)
            ExpectIndexAgrees(splitTime, 120, [&] { return std::string(TimeKey(randomlog::Line(random))); });
    }
}

// Hosts that begin one another, times over centuries in any order, and time frames from a minute
// to beyond any gap between two dates.
TEST(SplitDownload, IndexAgreesInAnyOrderOverAnySpan)
{
    const std::array<std::string, 6> hosts = {"192.168.1.1",   "192.168.1.10", "192.168.1.100",
                                              "192.168.1.1 -", "203.0.113.45", "203.0.113.4"};
    const std::array<std::string, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::mt19937 random(1899);
    for (const std::int64_t splitTime : {std::int64_t{1}, std::int64_t{30}, std::int64_t{1440} * 400,
                                         std::int64_t{60} * 24 * 366 * 100, std::numeric_limits<std::int64_t>::max()}) {
        for (int round = 0; round < 40; ++round) {
            // Close times (many repeats) in some rounds, times over centuries in others.
            const int years = round % 2 == 0 ? 1 : 8000;
            ExpectIndexAgrees(splitTime, 150, [&] {
                char time[64];
                std::snprintf(time, sizeof time, "%02d/%s/%04d:%02d:%02d:%02d", 1 + static_cast<int>(random() % 28),
                              months[random() % 12].c_str(), 1900 + static_cast<int>(random() % years),
                              static_cast<int>(random() % 24), static_cast<int>(random() % 60),
                              static_cast<int>(random() % 60));
                return Key(hosts[random() % hosts.size()], time);
            });
        }
    }
}

TEST(SplitDownload, OddHostsThatEndInPartOfTheSeparatorStillFindTheirEarlierKeys)
{
    // "203.0.113.45 - -" is the host of the second key (its separator comes two blanks later):
    // the first key begins with that text.
    const std::string first = Key("203.0.113.45", "05/Dec/2004:10:00:00");
    const std::string second = "203.0.113.45 - - - - [05/Dec/2004:10:01:00";
    ASSERT_EQ(HostOfKey(second), "203.0.113.45 - -");
    EXPECT_EQ(Repeats({first, second}), (std::vector<bool>{false, true}));
    EXPECT_TRUE(plain::IsSplitDownload({first}, second, 30));
}

} // namespace
} // namespace tallywick
