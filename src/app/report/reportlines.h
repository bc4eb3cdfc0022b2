#pragma once

#include "app/report/reportfile.h"

#include <QDateTime>
#include <QFile>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Reads back lines of the reports a search read, by where they began in the one stream it read:
// a search keeps where each line stands, not its text. Only plain regular files can be read back
// (a ".gz" report or a pipe cannot: the search keeps their lines' texts instead). A report that
// changed after the search (its size or its time) gives nothing rather than another line.
class ReportLines {
public:
    ReportLines() = default;
    // Notes each report's size and time as they are now, just after the search read them.
    ReportLines(const ReportPaths& reports, std::vector<ReportStart> starts);

    // Whether every one of the reports can be read back.
    static bool CanReadBack(const ReportPaths& reports);

    // The line that begins at offset (of the stream), without its break; at most maxBytes of it.
    std::optional<std::string> line(std::uint64_t offset, std::size_t maxBytes = kMostShown) const;

    static constexpr std::size_t kMostShown = std::size_t{64} * 1024;

    // Reads many lines, keeping each report open and checking once that it has not changed. One
    // reader serves one thread.
    class Reader {
    public:
        // Unchecked: a report is read whatever its size and time now, for a caller that tells
        // the lines read back from others itself (so that a report that only grew, as a live log
        // does, still reads back).
        enum class Check { SizeAndTime, Unchecked };
        explicit Reader(const ReportLines& lines, Check check = Check::SizeAndTime);
        ~Reader();
        std::optional<std::string> line(std::uint64_t offset, std::size_t maxBytes = kMostShown);
        // The same, valid until the next call.
        std::optional<std::string_view> view(std::uint64_t offset, std::size_t maxBytes = kMostShown);

    private:
        // The file's bytes from at on, as many as size, into the window.
        bool readWindow(QFile& file, std::size_t report, std::uint64_t at, std::size_t size);

        const ReportLines& lines_;
        Check check_;
        std::vector<std::unique_ptr<QFile>> files_; // null until opened, or when it changed
        std::vector<bool> tried_;
        // Lines near one another (a search's hits) are read from one read of the file.
        std::string window_;
        std::size_t windowReport_ = 0;
        std::uint64_t windowAt_ = 0; // in the report
        bool windowValid_ = false;
        bool windowAtEnd_ = false; // the report ends where the window does
    };

private:
    struct Report {
        QString path;
        std::uint64_t start = 0;
        qint64 size = -1;
        QDateTime modified;
    };
    std::vector<Report> reports_;
};

} // namespace tallywick
