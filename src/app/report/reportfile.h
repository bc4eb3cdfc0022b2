#pragma once

#include "app/report/reportpath.h"
#include "core/search/reportsearch.h"

#include <QIODevice>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

class ReportDays;

using ChunkSink = std::function<void(std::string_view)>;
// Told, after each block, how many bytes of the device have been read; false stops the reading.
using ReadProgress = std::function<bool(qint64 bytesRead)>;

// Feeds the bytes of device to sink in large blocks, inflating them first when gzip is set
// (several concatenated gzip members are read one after another, and zero bytes that pad the
// last one are passed over, as gzip does). Returns the reason when reading fails part-way;
// stopping through progress is no failure. A plain file is read on a thread of its own, ahead of
// sink; beside is shown each block there before sink is, so that it costs sink's thread nothing
// (elsewhere it is shown each block on this thread).
std::optional<QString> ReadReport(QIODevice& device, bool gzip, const ChunkSink& sink,
                                  const ReadProgress& progress = {}, const ChunkSink& beside = {});

// A report whose name ends in ".gz" is read decompressed.
bool IsCompressedReport(const QString& path);
// A plain regular file: it can be read again, from any offset (a pipe or a compressed report
// cannot).
bool CanReadAgain(const ReportPath& path);

// Told, after each block, how many bytes of the file have been read and how many lines searched;
// false stops the search.
using SearchProgress = std::function<bool(qint64 bytesRead, std::int64_t linesSearched)>;

// Opens a report file for reading, by its bytes; tests put a failing device in its place. A
// device that is not open tells why in its errorString (the system's reason, such as
// "Permission denied"). A pipe is opened as cat opens it: waiting for its writer.
using ReportOpener = std::function<std::unique_ptr<QIODevice>(const ReportPath& path)>;
std::unique_ptr<QIODevice> OpenReportFile(const ReportPath& path);

// Whether a search also gathers the days its reports cover (see ReportDays), from the same read.
enum class CoveredDays { Skip, Gather };

// Where a report begins in the one stream that a search of several reads: the offset of its first
// byte, and the lines before it.
struct ReportStart {
    std::uint64_t offset = 0;
    std::int64_t linesBefore = 0;
};

struct ReportFileSearch {
    enum class Status { Done, NotFound, Failed, Stopped };
    Status status = Status::Done;
    QString error;         // why the search failed (Failed only)
    ReportPath failedPath; // the report that was not found or failed
    SearchOutcome outcome; // Done only; otherwise the collected hits passed in, untouched
    // The days the reports cover, ascending: Done searches that gathered them only.
    std::optional<std::vector<std::chrono::sys_days>> days;
    std::vector<ReportStart> starts; // where each report began, of a Done search
};

// One report file read into a search that hands its hits to sink: NotFound for whatever
// FileExists rejects, Failed when the file cannot be opened or read to its end or memory runs
// out, Stopped when progress said so. counts are those of a Done search. days, when given, is
// fed every line read.
struct ReportFileRead {
    ReportFileSearch::Status status = ReportFileSearch::Status::Done;
    QString error;
    ReportPath failedPath;
    SearchCounts counts;
    std::vector<ReportStart> starts; // where each report began, of a Done read
};
ReportFileRead ReadReportFile(const ReportPath& path, const SearchRequest& request, HitSink& sink,
                              const ReportOpener& open = OpenReportFile, const SearchProgress& progress = {},
                              ReportDays* days = nullptr);

// Several report files read into one search as one report, in the order given (see
// OldestReportsFirst): a split download that crosses from one into the next is one download,
// and a file whose last line lacks its break does not run on into the next. Nothing is read when
// one of them is not found. A pipe or a compressed report is opened once and read as it comes;
// a plain file is read ahead of the search on a thread of its own, which also notes its days, and
// read again for what the search left for later (the sizes of the files downloaded, from the same
// opening). progress is told the bytes read of all the files so far; fates, when given, each
// line's fate.
ReportFileRead ReadReportFiles(const ReportPaths& paths, const SearchRequest& request, HitSink& sink,
                               const ReportOpener& open = OpenReportFile, const SearchProgress& progress = {},
                               ReportDays* days = nullptr, FateSink* fates = nullptr);

// The search of one report file as the main window shows it: counts, result texts, report hits
// (their lines, where they begin, or nothing), and the tracked downloads it found (each once). A
// search that did not end Done collected nothing.
ReportFileSearch SearchReportFile(const ReportPath& path, const SearchRequest& request,
                                  const std::vector<std::string>& trackedItems,
                                  const ReportOpener& open = OpenReportFile, const SearchProgress& progress = {},
                                  ResultTextSink::ReportHits reportHits = ResultTextSink::ReportHits::Keep);
// The same over several files read as one (see ReadReportFiles), telling fates each line's fate
// when given.
ReportFileSearch SearchReportFiles(const ReportPaths& paths, const SearchRequest& request,
                                   const std::vector<std::string>& trackedItems,
                                   const ReportOpener& open = OpenReportFile, const SearchProgress& progress = {},
                                   ResultTextSink::ReportHits reportHits = ResultTextSink::ReportHits::Keep,
                                   CoveredDays covered = CoveredDays::Skip, FateSink* fates = nullptr);

// The same without result texts or report hits: only the counts and the collected downloads.
ReportFileSearch CollectReportFile(const ReportPath& path, const SearchRequest& request,
                                   const std::vector<std::string>& trackedItems,
                                   const ReportOpener& open = OpenReportFile);
ReportFileSearch CollectReportFiles(const ReportPaths& paths, const SearchRequest& request,
                                    const std::vector<std::string>& trackedItems,
                                    const ReportOpener& open = OpenReportFile, CoveredDays covered = CoveredDays::Skip);

} // namespace tallywick
