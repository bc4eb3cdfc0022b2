#include "app/report/reportfile.h"

#include "app/files/fileexists.h"
#include "core/history/reportcoverage.h"
#include "core/log/lines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <future>
#include <new>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

namespace tallywick {
namespace {

constexpr qint64 kBlockSize = 1 << 20;
const QString kNotEnoughMemory = QStringLiteral("Not enough memory to search the report");

std::optional<QString> ReadPlain(QIODevice& device, const ChunkSink& sink, const ReadProgress& progress)
{
    std::vector<char> block(kBlockSize);
    qint64 read = 0;
    for (;;) {
        const qint64 got = device.read(block.data(), kBlockSize);
        if (got < 0)
            return device.errorString();
        if (got == 0)
            return std::nullopt;
        sink(std::string_view(block.data(), static_cast<std::size_t>(got)));
        read += got;
        if (progress && !progress(read))
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

QString CorruptReport(const char* reason)
{
    return QStringLiteral("Corrupt compressed report: %1").arg(QString::fromLatin1(reason));
}

// Takes the zero bytes at the start of the stream's input; true when there were any.
bool SkipZeros(z_stream& stream)
{
    const auto* begin = stream.next_in;
    while (stream.avail_in > 0 && *stream.next_in == 0) {
        ++stream.next_in;
        --stream.avail_in;
    }
    return stream.next_in != begin;
}

std::optional<QString> ReadGzip(QIODevice& device, const ChunkSink& sink, const ReadProgress& progress)
{
    qint64 read = 0;
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return QStringLiteral("Cannot start decompressing");
    struct End {
        z_stream* s;
        ~End() { inflateEnd(s); }
    } end{&stream};

    std::vector<char> in(kBlockSize);
    std::vector<char> out(4 * kBlockSize);
    bool memberOpen = false;  // inside a gzip member that has not ended yet
    bool memberEnded = false; // at least one member was read to its end
    bool padded = false;      // zero bytes followed the last member (a block device's padding)
    for (;;) {
        const qint64 got = device.read(in.data(), kBlockSize);
        if (got < 0)
            return device.errorString();
        if (got == 0)
            break;
        stream.next_in = reinterpret_cast<Bytef*>(in.data());
        stream.avail_in = static_cast<uInt>(got);
        for (;;) {
            if (!memberOpen && memberEnded) {
                // Another member, or padding up to the end, which gzip passes over too.
                padded = SkipZeros(stream) || padded;
                if (stream.avail_in == 0)
                    break;
                if (padded)
                    return CorruptReport("data after the zero padding");
            }
            stream.next_out = reinterpret_cast<Bytef*>(out.data());
            stream.avail_out = static_cast<uInt>(out.size());
            const int rc = inflate(&stream, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return CorruptReport(stream.msg ? stream.msg : "bad data");
            const auto produced = out.size() - stream.avail_out;
            if (produced > 0)
                sink(std::string_view(out.data(), produced));
            if (rc == Z_STREAM_END) {
                memberOpen = false;
                memberEnded = true;
                inflateReset(&stream); // another member may follow
                if (stream.avail_in == 0)
                    break;
                continue;
            }
            memberOpen = true;
            if (stream.avail_out != 0)
                break; // all input taken; more output needs more input
        }
        read += got;
        if (progress && !progress(read))
            return std::nullopt;
    }
    if (memberOpen)
        return QStringLiteral("Compressed report ends too early");
    return std::nullopt;
}

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

struct DaysRead {
    std::vector<std::chrono::sys_days> days;
    ReportPath failedPath; // and why, when one could not be read
    QString error;
};

// The days of the reports that can be read again, read on a thread of their own beside the
// search rather than from its read, which they would slow down (a pipe's or a compressed
// report's come from the search's read). Each file is read up to the size it had when the search
// began: a log that grows meanwhile never has a day counted as covered whose lines the search
// may not have read. However the search ends, the thread ends before what it reads goes.
class DaysBesideSearch {
public:
    DaysBesideSearch(const ReportPaths& paths, const ReportOpener& open) : beside_(paths.size(), false)
    {
        for (qsizetype i = 0; i < paths.size(); ++i) {
            if (CanReadAgain(paths[i])) {
                files_.push_back({paths[i], QFileInfo(paths[i].text()).size()});
                beside_[i] = true;
            }
        }
        if (files_.empty())
            return;
        try {
            read_ = std::async(std::launch::async, [this, &open] { return readDays(open); });
        } catch (const std::system_error&) {
            std::fill(beside_.begin(), beside_.end(), false); // no thread: the search's read gives them
        }
    }
    DaysBesideSearch(const DaysBesideSearch&) = delete;
    DaysBesideSearch& operator=(const DaysBesideSearch&) = delete;
    ~DaysBesideSearch()
    {
        stop_ = true;
        if (read_.valid())
            read_.wait();
    }

    // Whether the days of the report at that place among the paths are read here.
    bool readsDaysOf(qsizetype index) const { return beside_[index]; }
    // Waits for them; nothing when no file is read here.
    std::optional<DaysRead> finish() { return read_.valid() ? std::optional(read_.get()) : std::nullopt; }

private:
    struct File {
        ReportPath path;
        qint64 size = 0;
    };

    DaysRead readDays(const ReportOpener& open) const
    {
        DaysRead read;
        ReportDays days;
        const auto addLines = [&](std::string_view lines) { days.addLines(lines); };
        for (const File& file : files_) {
            if (stop_)
                break;
            const auto device = open(file.path);
            if (!device || !device->isOpen()) {
                read.failedPath = file.path;
                read.error = device ? device->errorString() : QStringLiteral("Cannot open the report");
                return read;
            }
            if (ReadLinesOf(*device, file.size, addLines, [this] { return !stop_.load(); }) == ReadEnd::Failed) {
                read.failedPath = file.path;
                read.error = device->errorString();
                return read;
            }
        }
        read.days = days.days();
        return read;
    }

    QList<bool> beside_;
    std::vector<File> files_;
    std::atomic<bool> stop_ = false;
    std::future<DaysRead> read_;
};

} // namespace

std::optional<QString> ReadReport(QIODevice& device, bool gzip, const ChunkSink& sink, const ReadProgress& progress)
{
    return gzip ? ReadGzip(device, sink, progress) : ReadPlain(device, sink, progress);
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
                               FateListener* fates)
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
            searching.emplace(request, sink, fates->sink);
        else
            searching.emplace(request, sink);
        ReportSearch& search = *searching;
        std::uint64_t fed = 0;
        std::optional<DaysBesideSearch> daysBeside;
        if (days)
            daysBeside.emplace(paths, open);
        bool daysHere = false;
        LineAssembler dayLines(kLongestLine);
        const auto addDays = [&](std::string_view lines) { days->addLines(lines); };
        char lastByte = '\n';
        const auto feed = [&](std::string_view chunk) {
            search.feed(chunk);
            fed += chunk.size();
            if (daysHere)
                dayLines.feed(chunk, addDays);
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
            daysHere = days != nullptr && !daysBeside->readsDaysOf(index);
            if (fates)
                fates->starts.push_back({fed, search.linesBegun()});
            const bool gzip = IsCompressedReport(path.text());
            const bool later = CanReadAgain(path) && !device->isSequential() && again.size() < kMostReadAgain;
            search.leaveSizesForLater(later);
            bool stopped = false;
            qint64 fileRead = 0;
            const auto error = ReadReport(*device, gzip, feed, [&](qint64 bytesRead) {
                fileRead = bytesRead;
                stopped = progress && !progress(earlierFiles + bytesRead, search.counts().lineCount);
                return !stopped;
            });
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
            if (later)
                again.push_back({std::move(device), path, fileRead, fedFrom});
        }
        if (days)
            addDays(dayLines.rest()); // a last line of a file read here, lacking its break
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
        if (const auto beside = daysBeside ? daysBeside->finish() : std::nullopt) {
            if (!beside->error.isEmpty()) {
                read.status = Status::Failed;
                read.error = beside->error;
                read.failedPath = beside->failedPath;
                return read;
            }
            days->addDays(beside->days);
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
                                   CoveredDays covered, FateListener* fates)
{
    ReportFileSearch search;
    try {
        ResultTextSink texts(request.moreFlags, reportHits);
        ReportDays days;
        const auto read = ReadReportFiles(paths, request, texts, open, progress,
                                          covered == CoveredDays::Gather ? &days : nullptr, fates);
        search.status = read.status;
        search.error = read.error;
        search.failedPath = read.failedPath;
        if (read.status != ReportFileSearch::Status::Done)
            return search;
        search.outcome.result = std::move(texts).finish(read.counts);
        if (covered == CoveredDays::Gather)
            search.days = days.days();
        // A line is appended to the collected hits entirely or not at all: they stay whole.
        search.outcome.historyChanged =
            AddTrackedHits(search.outcome.result.reportHits, trackedItems, search.outcome.collected);
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
