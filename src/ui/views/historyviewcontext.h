#pragma once

#include "app/files/datafolder.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace tallywick {

class Preferences;
class SettingsStore;

// What the history views read from the running program. The lists belong to the main window
// and outlive every view (the views close before the main window's lists go).
struct HistoryViewContext {
    const std::vector<std::string>& history;
    const std::vector<std::string>& trackedItems;
    Preferences& preferences; // the time limit, the traffic report page, the views' periods
    SettingsStore& settings;  // GraphStyle1, GraphStyle2, TimeSpan
    DataFolder dataFolder;    // where the exports go
    std::function<std::chrono::sys_days()> today;
    // Records the upkeep removed for age that wait for the closing save to archive them.
    const std::vector<std::string>* removedForAge = nullptr;
};

} // namespace tallywick
