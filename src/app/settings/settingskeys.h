#pragma once

#include <QString>

namespace tallywick {

// Every setting the program reads or writes, with its default, in one place.

inline constexpr const char* kApplicationTitle = "Tallywick";
inline constexpr const char* kSettingsSection = "Settings";

inline constexpr const char* kDefaultTrafficUrl = "https://www.tripod.lycos.com/service/manage/traffic_report";
inline constexpr const char* kDefaultDetailsUrl = "https://www.tripod.lycos.com/service/manage/hosting";
inline constexpr const char* kDefaultTrafficMenu = "&Traffic Report";
inline constexpr const char* kDefaultDetailsMenu = "Website &Details";
inline constexpr const char* kMakerHomePage = "https://www.tallywick.org/";

struct TextKey {
    const char* name;
    const char* defaultValue;
};

// Stored as decimal text; a value that does not convert or lies outside min..max reads as the
// default.
struct IntegerKey {
    const char* name;
    int defaultValue;
    int min;
    int max;
};

// A text whose default is known only at run time, so the reader supplies it.
struct RunTimeTextKey {
    const char* name;
};

// Stored as "True" or "False"; read without regard to case.
struct TruthKey {
    const char* name;
    bool defaultValue;
};

namespace keys {

inline constexpr int kShortMin = -32768;
inline constexpr int kShortMax = 32767;

// A limit outside 1..24 months would otherwise erase the history at the next save.
inline constexpr IntegerKey TimeLimit{"TimeLimit", 12, 1, 24};
inline constexpr IntegerKey SplitTime{"Split_Time", 30, kShortMin, kShortMax};
inline constexpr TextKey TrafficUrl{"Traffic_URL", kDefaultTrafficUrl};
inline constexpr TextKey TrafficMenu{"Traffic_menu", kDefaultTrafficMenu};
inline constexpr TextKey DetailsUrl{"Details_URL", kDefaultDetailsUrl};
inline constexpr TextKey DetailsMenu{"Details_menu", kDefaultDetailsMenu};
inline constexpr TextKey UserTrafficUrl{"User_Traffic_URL", kDefaultTrafficUrl};
inline constexpr TextKey UserTrafficMenu{"User_Traffic_Menu", kDefaultTrafficMenu};
inline constexpr TextKey UserDetailsUrl{"User_Details_URL", kDefaultDetailsUrl};
inline constexpr TextKey UserDetailsMenu{"User_Details_Menu", kDefaultDetailsMenu};
inline constexpr TruthKey TrafficUrlOption{"Traffic_URL_Option", true};
inline constexpr TruthKey DetailsUrlOption{"Details_URL_Option", true};
// The default report path is the desktop folder + "Hits.txt".
inline constexpr RunTimeTextKey Path{"Path"};
// The reports last searched as one, in search order; "Path" is the last of them.
inline constexpr RunTimeTextKey Paths{"Paths"};
inline constexpr IntegerKey SearchFile{"chkSearchFile", 0, 0, 1};
inline constexpr TruthKey NeedSort{"NeedSort", false};
inline constexpr TextKey GoToUrl{"GoTo_URL", kMakerHomePage};
inline constexpr TruthKey GraphStyle1{"GraphStyle1", false};
inline constexpr TruthKey GraphStyle2{"GraphStyle2", false};
inline constexpr TruthKey MonthlyAllTime{"MonthlyAllTime", false};
inline constexpr IntegerKey TimeSpan{"TimeSpan", 0, 0, 3};
// The period of the full history text, the month and the weekday chart: "All", "ThisMonth",
// "LastMonth", "Last7", "Last30", "ThisYear" or "YYYY-MM-DD..YYYY-MM-DD".
inline constexpr TextKey HistoryPeriod{"HistoryPeriod", "All"};
inline constexpr TextKey MonthlyPeriod{"MonthlyPeriod", "All"};
inline constexpr TextKey WeekdayPeriod{"WeekdayPeriod", "All"};
// Off, every hit counts whoever asked and whatever the server answered.
inline constexpr TruthKey LeaveOutRobots{"LeaveOutRobots", false};
inline constexpr TruthKey LeaveOutFailed{"LeaveOutFailed", false};
// "Also leave out download tools" (curl, wget, download managers), with or without robots.
inline constexpr TruthKey LeaveOutDownloadTools{"LeaveOutDownloadTools", false};
// "Treat an IPv6 /64 network as one client".
inline constexpr TruthKey IPv6Network64{"IPv6Network64", false};
// The file sizes the user gives, "PATH=BYTES" entries joined by "|" (see filesizesetting.h).
inline constexpr TextKey FileSizes{"FileSizes", ""};

} // namespace keys

// The settings key of a search panel's remembered text: panel 0 or 1, slot 0 to 9.
QString SearchSlotKey(int panel, int slot);

} // namespace tallywick
