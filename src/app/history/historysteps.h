#pragma once

#include "app/history/keepingsteps.h"
#include "app/store/historystore.h"
#include "core/history/historymerge.h"
#include "core/history/upkeepstatus.h"
#include "core/search/collectedhits.h"

#include <QStringList>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The history as the main window keeps it from its load to its closing.
struct HistorySession {
    std::vector<std::string> History;
    CollectedHits collected;                        // new tracked downloads of this run
    bool HistoryChanged = false;                    // collected holds lines not merged yet
    bool historyWasEmpty = true;                    // "history.dat" held no record at load
    std::vector<std::string> removedForAge;         // dropped from History for age, not archived yet
    std::vector<std::chrono::sys_days> coveredDays; // the days of the reports searched this run
};

struct HistoryLoadOutcome {
    LinesRead::Status status = LinesRead::Status::Missing;
    QString error;       // Failed: why; later saves are refused (HistoryStore::saveRefusal)
    bool sorted = false; // "NeedSort" was set
};

// The main window load's history steps: a fresh session, LoadHistory, then SortHistory when
// "NeedSort" is set.
HistoryLoadOutcome LoadHistoryStep(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                   int TimeLimit, const UpkeepStatus& status = {});

// What the main window runs when it is deactivated and before a history view opens:
// MergeCollectedHits when HistoryChanged is set, which it then clears. Nothing when it was clear.
std::optional<MergeResult> MergeIfChanged(HistorySession& session, std::chrono::sys_days today, int TimeLimit,
                                          const UpkeepStatus& status = {});

struct ClosingHistoryOutcome {
    std::optional<MergeResult> merge;            // HistoryChanged was set
    std::optional<std::int64_t> removedPartials; // there were duplicate partial downloads
    ArchiveAdd archive;                          // the records past the time limit archived
    HistorySaveOutcome save;
    std::optional<QString> coverageError; // "coverage.dat" could not be read or written

    // What the user is told went wrong: the save, the archive, the covered days; empty when
    // nothing did.
    QStringList problems() const;
};

// The history steps of the main window's closing, in order: merge when HistoryChanged is set,
// RemoveDuplicatePartials when HasDuplicatePartials, then SaveHistory (file and "NeedSort") with
// the records past the time limit archived first, then the days the run's reports covered.
ClosingHistoryOutcome RunClosingHistorySteps(HistorySession& session, HistoryStore& store, std::chrono::sys_days today,
                                             int TimeLimit, const UpkeepStatus& status = {});

} // namespace tallywick
