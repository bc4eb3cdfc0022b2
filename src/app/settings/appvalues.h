#pragma once

#include <QString>

namespace tallywick {

class SettingsStore;

// The application-wide values read from the settings at start-up and changed by the option
// dialogs while the program runs.
struct AppValues {
    int TimeLimit = 12;
    QString Traffic_URL;
    QString Traffic_menu;
    QString Details_URL;
    QString Details_menu;
    int Split_Time = 30;
    bool LeaveOutRobots = false;
    bool LeaveOutFailed = false;
    bool AppRunning = false;
};

// Reads them in the start-up order: TimeLimit, Traffic_URL, Traffic_menu, Details_URL,
// Details_menu, Split_Time, then the two leave-out options.
AppValues ReadAppValues(const SettingsStore& settings);

} // namespace tallywick
