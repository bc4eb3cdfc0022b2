#include "app/report/reportfile.h"

#include "app/files/fileexists.h"
#include "app/report/readahead.h"
#include "core/history/reportcoverage.h"
#include "core/log/lines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace tallywick {
namespace {

constexpr qint64 kBlockSize = 1 << 20;
const QString kNotEnoughMemory = QStringLiteral("Not enough memory to search the report");

// Told each block, with the pieces found in it ahead (or null).
using FoundChunkSink = std::function<void(std::string_view, const FoundRun*)>;

// Hands the source's blocks to sink, read ahead on a thread of their own where the file allows,
// and there found ahead of the search as finding says.
std::optional<QString> ReadSource(BlockSource& source, bool fromPipe, const FoundChunkSink& sink,
                                  const ReadProgress& progress, const ChunkSink& beside,
                                  std::optional<ReportSearch::FindingAhead> finding = std::nullopt)
{
    // False when the reading is to stop.
    const auto hand = [&](std::string_view bytes, qint64 fileRead, const FoundRun* found) {
        sink(bytes, found);
        return !progress || progress(fileRead);
    };
    // A pipe's read may wait for ever, and a search must stop when asked: it is read here.
    if (!fromPipe) {
        std::optional<ReadAhead> reading;
        try {
            reading.emplace(source, kBlockSize, 3, beside, std::move(finding));
        } catch (const std::system_error&) {
            // no thread: read here
        }
        if (reading) {
            for (auto block = reading->next(); !block.bytes.empty(); block = reading->next()) {
                if (!hand(block.bytes, block.fileRead, block.found))
                    return std::nullopt;
            }
            return reading->error();
        }
    }
    std::vector<char> block(kBlockSize);
    for (;;) {
        const qint64 got = source.read(block.data(), kBlockSize);
        if (got < 0)
            return source.errorString();
        if (got == 0)
            return std::nullopt;
        const std::string_view bytes(block.data(), static_cast<std::size_t>(got));
        if (beside)
            beside(bytes);
        if (!hand(bytes, source.fileRead(), nullptr))
            return std::nullopt;
    }
}

// A report that could not be opened; it tells why.
class UnopenedReport : public QIODevice {
public:
    explicit UnopenedReport(const QString& reason) { setErrorString(reason); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }
};

// Hands every hit to both sinks.
class BothSinks final : public HitSink {
public:
    BothSinks(HitSink& first, HitSink& second) : first_(first), second_(second) {}
    void take(const SearchHit& hit) override
    {
        first_.take(hit);
        second_.take(hit);
    }

private:
    HitSink& first_;
    HitSink& second_;
};

// A plain report searched with its sizes left for later, open still, the bytes searched, and
// where they began among all that the search was fed.
struct ReadAgain {
    std::unique_ptr<QIODevice> device;
    ReportPath path;
    qint64 bytes = 0;
    std::uint64_t fedFrom = 0;
};
// Each keeps a file open until the search ends.
constexpr std::size_t kMostReadAgain = 64;

enum class ReadEnd { Done, Failed, Stopped };

// Hands the lines of up to `bytes` of device to lines() in runs, the last line too; fewer bytes
// when the file ends sooner (cut short since, as a rotation that truncates it does).
// stillGoing() false stops.
ReadEnd ReadLinesOf(QIODevice& device, qint64 bytes, const std::function<void(std::string_view)>& lines,
                    const std::function<bool()>& stillGoing)
{
    std::vector<char> block(kBlockSize);
    LineAssembler assembler(kLongestLine);
    for (qint64 left = bytes; left > 0;) {
        const qint64 got = device.read(block.data(), std::min(left, kBlockSize));
        if (got < 0)
            return ReadEnd::Failed;
        if (got == 0)
            break;
        assembler.feed(std::string_view(block.data(), static_cast<std::size_t>(got)), lines);
        left -= got;
        if (!stillGoing())
            return ReadEnd::Stopped;
    }
    lines(assembler.rest());
    return ReadEnd::Done;
}

// The same bytes again, from the start, for the sizes: as many as the search wants.
ReadEnd ReadSizeLines(ReadAgain& report, ReportSearch& search, const std::function<bool()>& stillGoing)
{
    const auto before = search.sizeLinesBefore();
    if (before <= report.fedFrom)
        return ReadEnd::Done;
    const auto bytes = static_cast<qint64>(std::min<std::uint64_t>(report.bytes, before - report.fedFrom));
    if (!report.device->seek(0))
        return ReadEnd::Failed;
    return ReadLinesOf(
        *report.device, bytes, [&](std::string_view run) { search.noteSizeLines(run); }, stillGoing);
}

// A plain file's blocks come with the pieces of their lines found ahead; a compressed one's
// thread is kept busy inflating.
std::optional<QString> ReadReportFindingAhead(QIODevice& device, bool gzip, const FoundChunkSink& sink,
                                              const ReadProgress& progress, const ChunkSink& beside,
                                              std::optional<ReportSearch::FindingAhead> finding)
{
    if (gzip) {
        GzipSource source(device);
        return ReadSource(source, device.isSequential(), sink, progress, beside);
    }
    DeviceSource source(device);
    return ReadSource(source, device.isSequential(), sink, progress, beside, std::move(finding));
}

} // namespace

std::optional<QString> ReadReport(QIODevice& device, bool gzip, const ChunkSink& sink, const ReadProgress& progress,
                                  const ChunkSink& beside)
{
    return ReadReportFindingAhead(
        device, gzip, [&](std::string_view bytes, const FoundRun*) { sink(bytes); }, progress, beside, std::nullopt);
}

bool IsCompressedReport(const QString& path)
{
    return path.endsWith(QLatin1String(".gz"), Qt::CaseInsensitive);
}

bool CanReadAgain(const ReportPath& path)
{
    return !IsCompressedReport(path.text()) && QFileInfo(path.text()).isFile();
}

std::unique_ptr<QIODevice> OpenReportFile(const ReportPath& path)
{
    int descriptor = -1;
    do
        descriptor = ::open(path.bytes().constData(), O_RDONLY | O_CLOEXEC);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        return std::make_unique<UnopenedReport>(QString::fromLocal8Bit(std::strerror(errno)));
    auto file = std::make_unique<QFile>();
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return std::make_unique<UnopenedReport>(file->errorString());
    }
    return file;
}

ReportFileRead ReadReportFile(const ReportPath& path, const SearchRequest& request, HitSink& sink,
                              const ReportOpener& open, const SearchProgress& progress, ReportDays* days)
{
    return ReadReportFiles(ReportPaths{path}, request, sink, open, progress, days);
}

ReportFileRead ReadReportFiles(const ReportPaths& paths, const SearchRequest& request, HitSink& sink,
                               const ReportOpener& open, const SearchProgress& progress, ReportDays* days,
                               FateSink* fates)
{
    using Status = ReportFileSearch::Status;
    ReportFileRead read;
    for (const ReportPath& path : paths) {
        if (!NativeFileExists(path.bytes())) {
            read.status = Status::NotFound;
            read.failedPath = path;
            return read;
        }
    }
    try {
        std::optional<ReportSearch> searching;
        if (fates)
            searching.emplace(request, sink, *fates);
        else
            searching.emplace(request, sink);
        ReportSearch& search = *searching;
        std::uint64_t fed = 0;
        // A file's days are read only from the bytes it held when the search began: a log that
        // grows meanwhile never has a day counted as covered whose lines the search may not have
        // read. (A pipe's or a compressed report's have no such bound.)
        std::vector<std::uint64_t> daysWithin;
        if (days) {
            for (const ReportPath& path : paths)
                daysWithin.push_back(CanReadAgain(path) ? static_cast<std::uint64_t>(QFileInfo(path.text()).size())
                                                        : std::numeric_limits<std::uint64_t>::max());
        }
        const auto addDays = [&](std::string_view lines) { days->addLines(lines); };
        char lastByte = '\n';
        const auto feed = [&](std::string_view chunk, const FoundRun* found = nullptr) {
            search.feed(chunk, found);
            fed += chunk.size();
            if (!chunk.empty())
                lastByte = chunk.back();
        };
        qint64 earlierFiles = 0; // the bytes of the files already read
        // Plain files are read a second time for the sizes of the files downloaded, as far as the
        // search wants, which then reads only the lines of those files (see
        // ReportSearch::leaveSizesForLater).
        std::vector<ReadAgain> again;
        for (qsizetype index = 0; index < paths.size(); ++index) {
            const ReportPath& path = paths[index];
            auto device = open(path);
            if (!device || !device->isOpen()) {
                read.status = Status::Failed;
                read.error = device ? device->errorString() : QStringLiteral("Cannot open the report");
                read.failedPath = path;
                return read;
            }
            if (lastByte != '\n' && lastByte != '\r')
                feed("\n");
            const std::uint64_t fedFrom = fed;
            // Read where the file is read, ahead of the search where it can be.
            LineAssembler dayLines(kLongestLine);
            std::uint64_t dayBytesLeft = days ? daysWithin[static_cast<std::size_t>(index)] : 0;
            ChunkSink readDays;
            if (days) {
                readDays = [&](std::string_view chunk) {
                    chunk =
                        chunk.substr(0, static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), dayBytesLeft)));
                    dayBytesLeft -= chunk.size();
                    dayLines.feed(chunk, addDays);
                };
            }
            read.starts.push_back({fed, search.linesBegun()});
            const bool gzip = IsCompressedReport(path.text());
            const bool later = CanReadAgain(path) && !device->isSequential() && again.size() < kMostReadAgain;
            search.leaveSizesForLater(later);
            bool stopped = false;
            qint64 fileRead = 0;
            const auto error = ReadReportFindingAhead(
                *device, gzip, feed,
                [&](qint64 bytesRead) {
                    fileRead = bytesRead;
                    stopped = progress && !progress(earlierFiles + bytesRead, search.counts().lineCount);
                    return !stopped;
                },
                readDays, search.findingAhead());
            earlierFiles += fileRead;
            if (error) {
                read.status = Status::Failed;
                read.error = *error;
                read.failedPath = path;
                return read;
            }
            if (stopped) {
                read.status = Status::Stopped;
                return read;
            }
            if (days)
                addDays(dayLines.rest()); // a last line lacking its break
            if (later)
                again.push_back({std::move(device), path, fileRead, fedFrom});
        }
        if (!again.empty() && search.wantsSizeLines()) {
            for (ReadAgain& report : again) {
                const auto error = ReadSizeLines(
                    report, search, [&] { return !progress || progress(earlierFiles, search.counts().lineCount); });
                if (error == ReadEnd::Failed) {
                    read.status = Status::Failed;
                    read.error = report.device->errorString();
                    read.failedPath = report.path;
                    return read;
                }
                if (error == ReadEnd::Stopped) {
                    read.status = Status::Stopped;
                    return read;
                }
            }
        }
        read.counts = std::move(search).finish();
    } catch (const std::bad_alloc&) {
        read.status = Status::Failed;
        read.error = kNotEnoughMemory;
    }
    return read;
}

ReportFileSearch SearchReportFile(const ReportPath& path, const SearchRequest& request,
                                  const std::vector<std::string>& trackedItems, const ReportOpener& open,
                                  const SearchProgress& progress, ResultTextSink::ReportHits reportHits)
{
    return SearchReportFiles(ReportPaths{path}, request, trackedItems, open, progress, reportHits);
}

ReportFileSearch SearchReportFiles(const ReportPaths& paths, const SearchRequest& request,
                                   const std::vector<std::string>& trackedItems, const ReportOpener& open,
                                   const SearchProgress& progress, ResultTextSink::ReportHits reportHits,
                                   CoveredDays covered, FateSink* fates)
{
    ReportFileSearch search;
    try {
        ResultTextSink texts(request.moreFlags, reportHits);
        // Collected as they are found: the report hits may be kept as places only, or not at all.
        CollectedHits collected;
        TrackedHitSink tracked(trackedItems, collected);
        BothSinks sinks(texts, tracked);
        ReportDays days;
        const auto read = ReadReportFiles(paths, request, sinks, open, progress,
                                          covered == CoveredDays::Gather ? &days : nullptr, fates);
        search.status = read.status;
        search.error = read.error;
        search.failedPath = read.failedPath;
        if (read.status != ReportFileSearch::Status::Done)
            return search;
        search.outcome.result = std::move(texts).finish(read.counts);
        if (covered == CoveredDays::Gather)
            search.days = days.days();
        search.starts = read.starts;
        search.outcome.collected = std::move(collected);
        search.outcome.historyChanged = tracked.historyChanged();
    } catch (const std::bad_alloc&) {
        search.status = ReportFileSearch::Status::Failed;
        search.error = kNotEnoughMemory;
        search.outcome.result = {};
    }
    return search;
}

ReportFileSearch CollectReportFile(const ReportPath& path, const SearchRequest& request,
                                   const std::vector<std::string>& trackedItems, const ReportOpener& open)
{
    return CollectReportFiles(ReportPaths{path}, request, trackedItems, open);
}

ReportFileSearch CollectReportFiles(const ReportPaths& paths, const SearchRequest& request,
                                    const std::vector<std::string>& trackedItems, const ReportOpener& open,
                                    CoveredDays covered)
{
    ReportFileSearch search;
    // Collected apart: a report that fails part-way collects nothing.
    CollectedHits collected;
    TrackedHitSink sink(trackedItems, collected);
    ReportDays days;
    const auto read = ReadReportFiles(paths, request, sink, open, {}, covered == CoveredDays::Gather ? &days : nullptr);
    search.status = read.status;
    search.error = read.error;
    search.failedPath = read.failedPath;
    if (read.status == ReportFileSearch::Status::Done) {
        search.outcome.historyChanged = sink.historyChanged();
        search.outcome.collected = std::move(collected);
        search.outcome.result.counts = read.counts;
        if (covered == CoveredDays::Gather)
            search.days = days.days();
    }
    return search;
}

} // namespace tallywick
