#pragma once

#include "app/store/archivefolder.h"
#include "app/store/historystore.h"
#include "core/history/reportcoverage.h"

#include <QString>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

struct HistorySession;

// The closing save of a history that keeps what the time limit removes. The records past the
// limit (those the save leaves out and those the upkeep already removed from memory) go to the
// archive first; only then is "history.dat" replaced. A save cut short between the two leaves
// records in both, which the all-time counts take once. Records the archive could not take stay
// in "history.dat", each once, until a later save archives them. Once saved, the session's History
// is what "history.dat" holds.
struct KeepingSaveOutcome {
    ArchiveAdd archive;
    HistorySaveOutcome save;
};
KeepingSaveOutcome SaveHistoryKeepingOld(HistorySession& session, HistoryStore& store, const ArchiveFolder& archive,
                                         std::chrono::sys_days today, int TimeLimit,
                                         const SaveFileOpener& open = OpenSaveFile);

// Adds the days of the reports searched this run to "coverage.dat" (made on the first such save,
// see NewCoverageStart), bounded by the time limit. Nothing when no report was searched. The
// reason when the file could not be read or written; a file that cannot be read is left alone.
std::optional<QString> SaveCoveredDays(const HistorySession& session, const QString& coveragePath,
                                       std::chrono::sys_days today, int TimeLimit,
                                       const SaveFileOpener& open = OpenSaveFile);

// "coverage.dat" beside "history.dat".
QString CoveragePathBeside(const QString& historyPath);

// The days a search read from its reports, added to the session.
void NoteCoveredDays(HistorySession& session, const std::vector<std::chrono::sys_days>& days);

} // namespace tallywick
