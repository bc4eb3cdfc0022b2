#pragma once

#include "app/history/keepingsteps.h"
#include "app/store/historystore.h"
#include "core/history/historymerge.h"
#include "core/history/upkeepstatus.h"
#include "core/search/collectedhits.h"

#include <QStringList>

#include <chrono>
#include <cstddef>
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

// The same merge in three steps, so that its work can run on another thread while the session
// stays readable and keeps collecting. Begin copies what the merge needs (nothing when
// HistoryChanged is clear); Run takes a copy of History and builds the merged list from it;
// Apply replaces History with it on the session's thread.
// From this many records on (history and collected), a merge is worth a thread of its own.
inline constexpr std::size_t kBackgroundMergeRecords = 200'000;

struct MergeWork {
    CollectedHits collected;
    std::chrono::sys_days today;
    int TimeLimit = 0;
};
struct MergedHistory {
    std::vector<std::string> History;
    MergeResult merge;
    std::size_t collectedMerged = 0; // the collected lines the merge saw; later ones wait for the next
};
std::optional<MergeWork> BeginMerge(const HistorySession& session, std::chrono::sys_days today, int TimeLimit);
MergedHistory RunMerge(std::vector<std::string> History, const MergeWork& work, const UpkeepStatus& status = {});
MergeResult ApplyMerge(HistorySession& session, MergedHistory merged);

// Adds the tracked downloads one search found (in its order, each once) to the collected hits;
// sets HistoryChanged when one was new. True when one was.
bool AddFoundDownloads(HistorySession& session, const CollectedHits& found);

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
