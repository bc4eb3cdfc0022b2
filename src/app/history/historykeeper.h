#pragma once

#include "app/files/datafolder.h"
#include "app/history/historysteps.h"
#include "app/report/keptreporthits.h"
#include "app/store/historystore.h"
#include "app/store/linesfile.h"
#include "core/history/historyend.h"
#include "core/history/upkeepstatus.h"
#include "core/search/collectedhits.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <cstddef>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

class BackgroundJob;
class SettingsStore;

// Where the history lives and what its upkeep goes by.
struct HistoryKeeperSetup {
    DataFolder folder;
    std::function<std::chrono::sys_days()> today;
    std::function<int()> timeLimit;
    SaveFileOpener save = OpenSaveFile;
    ReadFileOpener read = OpenFileForReading;
    // From this many records on (history and collected), a merge runs on a thread of its own and
    // its outcome comes back through the event loop.
    std::size_t backgroundMergeFrom = kBackgroundMergeRecords;
    // Off, the history is read whole only when something asks for it (holdWhole) or the closing
    // needs it; until then only its last day is read, where its file's index allows adding to its
    // end, and the closing appends the new records. A large history then costs no memory and no
    // merges to a run that only counts the day's downloads.
    bool wholeHistory = true;
};

// Merges are never run in the background (where no event loop runs, as on the command line).
inline constexpr std::size_t kNoBackgroundMerge = std::numeric_limits<std::size_t>::max();

// The download history from its load to its closing save, for the desktop program and the
// command line alike: the records, the tracked items, the downloads collected since the load and
// the days the searched reports covered; the merges that bring the collected downloads in (off
// the caller's thread when the history is large) and the steps that wait for them; the closing
// save with its archive and covered days.
class HistoryKeeper : public QObject {
    Q_OBJECT

public:
    HistoryKeeper(HistoryKeeperSetup setup, SettingsStore& settings, QObject* parent = nullptr);
    ~HistoryKeeper() override;

    // A fresh session from "history.dat", sorted when "NeedSort" asks for it.
    HistoryLoadOutcome load();
    // Reads the history whole where only its end was loaded, keeping what this run collected;
    // what reads history() asks for it first. True when it read it now.
    bool holdWhole();
    // Why the history will not be saved (its file could not be read to its end); empty when it
    // will.
    QString saveRefusal() const;

    // Reads "tracking.dat" again; what the user is told when it could be read only in part (the
    // items read before the failure are kept).
    std::optional<QString> readTrackedItems();
    const std::vector<std::string>& trackedItems() const { return trackedItems_; }
    // The items just written to "tracking.dat".
    void setTrackedItems(std::vector<std::string> items) { trackedItems_ = std::move(items); }

    // What one search found, for the history.
    struct FoundDownloads {
        const CollectedHits& collected;                 // the tracked downloads it found, each once
        const std::vector<std::string>& trackedItems;   // the items it looked for
        const KeptReportHits& reportHits;               // its hits, for items tracked since it began
        const std::vector<std::chrono::sys_days>& days; // the days its reports cover
    };
    // The search's tracked downloads join the collected ones (its hits are looked at again when
    // the tracked list changed while it ran), and its days the covered ones. Returns how many
    // collected downloads are older than the time limit: they leave the history at the next save.
    std::size_t takeSearch(const FoundDownloads& found);
    // The hits of a report for the items tracked now: whether one was new to the collected, or
    // whether the report changed since its search, so that its hits could not be read back.
    enum class TrackedHits { NothingNew, Added, ReportChanged };
    TrackedHits collectTracked(const KeptReportHits& reportHits);

    // Merges the collected downloads into the history, then runs `then` with the number of
    // records the merges added. A merge under way is waited for, not begun again. Where only the
    // history's end is loaded, nothing merges (`then` is told 0): nothing reads the history before
    // holdWhole or the closing, which take the collected downloads then.
    void bringUpToDate(std::function<void(std::size_t added)> then = {});
    bool isMerging() const;
    // Stops the merge under way: the downloads stay collected, for the next merge or the
    // closing; the steps that waited for it are dropped.
    void cancelMerge();
    // A merge that began with the old time limit begins again with the new one.
    void restartMerge();

    // The closing steps: the merge under way finished, then the collected downloads merged,
    // duplicate partial downloads removed, the records past the time limit archived, the history
    // and its covered days saved.
    ClosingHistoryOutcome close();

    // The records the history holds, in memory.
    const std::vector<std::string>& history() const { return session_.History; }
    // Records the upkeep removed for age that wait for the closing save to archive them.
    const std::vector<std::string>& removedForAge() const { return session_.removedForAge; }
    const HistorySession& session() const { return session_; }
    // The records of the history the save would leave out under that time limit.
    std::size_t countPastTimeLimit(int months) const;

signals:
    // What the upkeep does, as it goes.
    void notice(const tallywick::UpkeepNotice& notice);
    // A merge runs in the background; it ends applied, cancelled or out of memory.
    void mergeStarted();
    void mergeEnded();
    void mergeOutOfMemory();

private:
    std::chrono::sys_days today() const { return setup_.today(); }
    int timeLimit() const { return setup_.timeLimit(); }
    UpkeepStatus announce();
    HistoryLoadOutcome loadWhole();
    // Where merges begin after a load that read the history whole.
    void beginMergesFrom(const HistoryLoadOutcome& outcome);
    // The closing by adding the new records at the end of the file, where it ends as the full
    // closing would; nothing where it would not. From the file's end alone, or from a history held
    // whole that the merges since its load only appended to.
    std::optional<ClosingHistoryOutcome> closeTailByAppending();
    std::optional<ClosingHistoryOutcome> closeWholeByAppending();
    // The collected lines at those positions added after the file's records, but for the duplicate
    // partial downloads among them; `merge` is the closing's own merge, when there was one.
    ClosingHistoryOutcome appendAtClose(const HistoryStore::Tail& tail, const std::vector<std::size_t>& appended,
                                        const std::vector<std::size_t>& duplicates, std::optional<MergeResult> merge);
    void continueMerging();
    void runMergedSteps();
    // Nothing may change the history while a background merge still copies it, cancelled or not.
    void waitUntilHistoryCopied();

    HistoryKeeperSetup setup_;
    std::unique_ptr<HistoryStore> store_;
    HistorySession session_;
    // The history's end, for merges that only append; and how many collected lines the history
    // holds (all merged, and nothing taken out since).
    HistoryEnd end_;
    std::size_t mergedUpTo_ = 0;
    // The collected lines the merges appended to the history held whole since its load (none:
    // something else changed it).
    std::optional<std::vector<std::size_t>> appendedSinceLoad_;
    // Loaded instead of the whole history (wholeHistory off).
    std::optional<HistoryStore::Tail> tail_;
    std::vector<std::string> trackedItems_;
    struct MergedStep {
        std::function<void(std::size_t)> run;
        std::size_t added = 0;
    };
    std::vector<MergedStep> afterMerge_;
    std::shared_future<void> historyCopied_;
    bool closing_ = false;
    // Last: its thread ends before what it reads goes.
    std::unique_ptr<BackgroundJob> mergeJob_;
};

} // namespace tallywick
