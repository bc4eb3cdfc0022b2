#include "app/settings/preferences.h"

#include "app/settings/settingsstore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

// What a dialog changes is written at once and announced only when it is new: whoever follows an
// announcement (a search begun again, a merge begun again) finds the setting stored already.
TEST(Preferences, AChangeIsStoredThenAnnouncedAndASameValueOnlyStored)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("Tallywick.ini"));
    settings.write(keys::SplitTime, 45);
    Preferences preferences(settings);
    EXPECT_EQ(preferences.splitTime(), 45);

    int counting = 0;
    int limit = 0;
    int pages = 0;
    QObject::connect(&preferences, &Preferences::countingChanged, [&] {
        ++counting;
        EXPECT_TRUE(settings.read(keys::LeaveOutFailed));
    });
    QObject::connect(&preferences, &Preferences::timeLimitChanged, [&] { ++limit; });
    QObject::connect(&preferences, &Preferences::webPagesChanged, [&] { ++pages; });

    CountingOptions options = preferences.counting();
    options.leaveOutFailed = true;
    preferences.setCounting(options);
    preferences.setCounting(options);
    EXPECT_EQ(counting, 1);
    options.fileSizes = {{"/files/app.zip", 48213}};
    preferences.setCounting(options);
    EXPECT_EQ(counting, 2);
    EXPECT_EQ(settings.read(keys::FileSizes), "/files/app.zip=48213");
    EXPECT_EQ(Preferences(settings).counting(), options) << "read back at the next start";

    preferences.setTimeLimit(12);
    EXPECT_EQ(limit, 0);
    EXPECT_EQ(settings.find("TimeLimit"), "12");
    preferences.setTimeLimit(6);
    EXPECT_EQ(limit, 1);
    EXPECT_EQ(settings.read(keys::TimeLimit), 6);

    const WebPage mine{"https://www.example.org/", "&Mine"};
    preferences.setWebPages(mine, preferences.detailsPage());
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(preferences.trafficPage(), mine);
    EXPECT_EQ(settings.read(keys::TrafficMenu), "&Mine");
    EXPECT_EQ(Preferences(settings).trafficPage(), mine) << "read back at the next start";
}

// Each view keeps its own period in section "Settings"; a garbage value reads as All.
TEST(Preferences, ViewPeriodsAreKeptPerViewAndGarbageReadsAsAll)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath("Tallywick.ini"));
    settings.write(keys::WeekdayPeriod, "Last 7 days");
    Preferences preferences(settings);
    EXPECT_EQ(preferences.viewPeriod(keys::HistoryPeriod), PeriodChoice{});
    EXPECT_EQ(preferences.viewPeriod(keys::WeekdayPeriod), PeriodChoice{});

    using namespace std::chrono;
    const PeriodChoice custom{PeriodKind::Custom, {sys_days{2004y / November / 1}, sys_days{2004y / November / 30}}};
    preferences.setViewPeriod(keys::MonthlyPeriod, custom);
    preferences.setViewPeriod(keys::HistoryPeriod, {PeriodKind::Last30Days, {}});
    EXPECT_EQ(settings.find("MonthlyPeriod"), "2004-11-01..2004-11-30");
    EXPECT_EQ(settings.find("HistoryPeriod"), "Last30");
    EXPECT_EQ(Preferences(settings).viewPeriod(keys::MonthlyPeriod), custom);
}

} // namespace
} // namespace tallywick
