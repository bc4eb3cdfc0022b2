#pragma once

#include "app/store/historyindexfile.h"
#include "app/store/linesfile.h"
#include "core/history/historyindex.h"

#include <QString>

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

class SettingsStore;

struct HistorySaveOutcome {
    enum class Status {
        Saved,     // the file was replaced and "NeedSort" written
        Untouched, // History was empty, and so was the file at load: both are left as they are
        Refused,   // the file could not be read to its end at load; it is left as it is
        Failed,    // writing failed; the previous file is whole and "NeedSort" unchanged
    };
    Status status = Status::Untouched;
    std::size_t written = 0; // records written (Saved only)
    bool NeedSort = false;   // the flag written (Saved only)
    QString error;           // why (Refused, Failed)
    // Saved, but "False" could not be written to "NeedSort". Nothing is lost (a stored "True"
    // only asks for a sort that finds nothing to do), but the settings file needs attention.
    QString flagError;
};

// "history.dat" with the "NeedSort" setting that describes it. It remembers whether the last
// load read the whole file: a history that could not be read to its end is never replaced by
// the incomplete one in memory.
class HistoryStore {
public:
    HistoryStore(QString path, SettingsStore& settings, SaveFileOpener save = OpenSaveFile,
                 ReadFileOpener read = OpenFileForReading);

    const QString& path() const { return path_; }

    // LoadHistory: the non-empty lines of the file in file order; none when it is missing. Where
    // the file is longer than its index says and the part the index describes is unchanged, the
    // rest is an addition cut short: it is not read, and the next save leaves it out.
    LinesRead LoadHistory();

    // The end of the file, for adding records to it without reading the rest: when "NeedSort" is
    // clear and the index describes the file as it is now.
    struct Tail {
        HistoryIndex index;
        std::vector<std::string> lastDayRecords;
    };
    std::optional<Tail> LoadTail();
    // LoadTail, where the file is still the one the last load read whole, or the last save or
    // addition left: a history held whole in memory can then add its new records at the end.
    std::optional<Tail> TailOfKnownFile();
    // Adds the records (each followed by CR LF) at the end of the file the tail was loaded from,
    // then "NeedSort" (clear) and the index. They keep the file in day order. A failure leaves
    // the file as the index knows it: the next load reads no part of the addition.
    HistorySaveOutcome AppendHistory(const Tail& tail, const std::vector<std::string_view>& records);

    // Setting "NeedSort": the stored file is out of date order and is sorted at load.
    bool NeedSort() const;

    // SaveHistory: writes History without empty records and those TimeLimit or more calendar
    // months back (History itself is not changed), then "NeedSort". An empty History is written
    // only when the last load read records: the upkeep moved them all out (to the archive), and
    // the file must not keep them.
    // With Index::Write, an index of the file follows it where the records allow one: for a
    // history whose duplicate partial downloads were removed, so that records added at its end
    // later need not be compared with the rest.
    enum class Index { Skip, Write };
    HistorySaveOutcome SaveHistory(const std::vector<std::string>& History, std::chrono::sys_days today, int TimeLimit,
                                   Index index = Index::Skip);

    // Why saves are refused (the reason the last load did not read the file to its end); empty
    // when they are not.
    const QString& saveRefusal() const { return saveRefusal_; }

private:
    QString path_;
    SettingsStore& settings_;
    SaveFileOpener save_;
    ReadFileOpener read_;
    QString saveRefusal_;
    bool loadedRecords_ = false; // the last load read at least one record
    QString indexPath_;
    // The file as this store last read or wrote it whole, while an index describes it.
    struct KnownFile {
        HistoryFileState state;
        std::uint64_t records = 0;
    };
    std::optional<KnownFile> known_;
    // The file the index written describes; none when none was written.
    std::optional<HistoryFileState> writeIndex(std::vector<DayBlock> days);
};

} // namespace tallywick
