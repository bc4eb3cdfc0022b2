#pragma once

#include "app/report/reportfile.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tallywick {

// A line of the one stream that a search of several reports read: where it began, and its bytes.
struct StreamLine {
    std::uint64_t offset = 0;
    std::size_t size = 0;
};

// The reports a search read, mapped, to copy lines out of them by where the search found them:
// the lines come from the page cache the search has just filled, with nothing read between them.
// Only plain regular files can be mapped (see CanReadAgain). A report cut short since it was
// mapped (a log rotated by truncating it) fails the copy rather than the program: the fault that
// reading a mapping past its file's end raises is caught while the lines are copied.
class MappedReports {
public:
    // Maps each report as it is now; error() tells why one could not be.
    MappedReports(const ReportPaths& reports, const std::vector<ReportStart>& starts);
    ~MappedReports();
    MappedReports(const MappedReports&) = delete;
    MappedReports& operator=(const MappedReports&) = delete;

    // Empty when every report is mapped.
    const QString& error() const { return error_; }
    // Copies the lines into out, one after another: out has room for all of them. False when one
    // is no longer within its report. Threads may copy at once. The pages mapped in for a copy are
    // let go after it: the program's memory does not grow with the reports.
    bool copyLines(std::span<const StreamLine> lines, char* out) const;
    // The pages a copy keeps mapped in at a time, at most.
    static constexpr std::uint64_t kMostMapped = std::uint64_t{64} << 20;

    // A report as mapped (named here for the copying's helpers).
    struct Report {
        std::uint64_t start = 0; // in the stream
        const char* bytes = nullptr;
        std::size_t size = 0;
    };

private:
    std::vector<Report> reports_;
    QString error_;
};

} // namespace tallywick
