#pragma once

#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

struct LinesRead {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    std::vector<std::string> lines; // Failed: the lines read before the failure
    QString error;                  // Failed only
};

enum class EmptyLines { Keep, Drop };

// Opens a data file for reading; tests put one that fails part-way in its place.
using ReadFileOpener = std::function<std::unique_ptr<QIODevice>(const QString& path)>;
std::unique_ptr<QIODevice> OpenFileForReading(const QString& path);

// Reads a data file line by line (CR LF, a lone CR and a lone LF all end a line) without holding
// the whole file twice. A file that does not exist is not an error but its own status. From
// `from` on and up to `upTo` bytes, when given: both must fall between lines.
LinesRead ReadLinesFile(const QString& path, EmptyLines emptyLines, const ReadFileOpener& open = OpenFileForReading,
                        qint64 from = 0, std::optional<qint64> upTo = std::nullopt);

// Opens the file that a save writes to; tests put one that fails part-way in its place.
using SaveFileOpener = std::function<std::unique_ptr<QSaveFile>(const QString& path)>;
std::unique_ptr<QSaveFile> OpenSaveFile(const QString& path);

// Replaces the file with count lines, line(i) for i = 0..count-1, each followed by CR LF. The
// file is replaced only when everything was written: on failure the previous file stays whole.
// Returns the reason when it fails.
std::optional<QString> WriteLinesFile(const QString& path, std::size_t count,
                                      const std::function<std::string_view(std::size_t)>& line,
                                      const SaveFileOpener& open = OpenSaveFile);

// The same for a list of lines.
std::optional<QString> WriteLinesFile(const QString& path, const std::vector<std::string>& lines,
                                      const SaveFileOpener& open = OpenSaveFile);

} // namespace tallywick
