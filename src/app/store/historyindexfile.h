#pragma once

#include "core/history/historyindex.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace tallywick {

// "history.idx" beside "history.dat": what the history file holds, for adding records at its end
// without reading it. It is only ever a help: a missing, stale or damaged one is made again by the
// next save, and it never holds a record.
inline constexpr const char* kHistoryIndexFileName = "history.idx";
QString IndexPathBeside(const QString& historyPath);

struct HistoryFileState {
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
};
std::optional<HistoryFileState> StateOfFile(const QString& path);
// The file's bytes before end, the last kIndexTailBytes of them; and their hash.
std::optional<std::string> ReadTailBytes(const QString& path, std::uint64_t end);
std::optional<std::uint64_t> TailHashOfFile(const QString& path, std::uint64_t end);

std::optional<HistoryIndex> ReadHistoryIndex(const QString& indexPath);
// The reason when it could not be written.
std::optional<QString> WriteHistoryIndex(const QString& indexPath, const HistoryIndex& index);

} // namespace tallywick
