#include "app/report/reportfile.h"

#include "app/files/fileexists.h"

#include <QFile>

#include <new>

#include <zlib.h>

namespace tallywick {
namespace {

constexpr qint64 kBlockSize = 1 << 20;
const QString kNotEnoughMemory = QStringLiteral("Not enough memory to search the report");

std::optional<QString> ReadPlain(QIODevice& device, const ChunkSink& sink)
{
    std::vector<char> block(kBlockSize);
    for (;;) {
        const qint64 got = device.read(block.data(), kBlockSize);
        if (got < 0)
            return device.errorString();
        if (got == 0)
            return std::nullopt;
        sink(std::string_view(block.data(), static_cast<std::size_t>(got)));
    }
}

std::optional<QString> ReadGzip(QIODevice& device, const ChunkSink& sink)
{
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return QStringLiteral("Cannot start decompressing");
    struct End {
        z_stream* s;
        ~End() { inflateEnd(s); }
    } end{&stream};

    std::vector<char> in(kBlockSize);
    std::vector<char> out(4 * kBlockSize);
    bool memberOpen = false; // inside a gzip member that has not ended yet
    for (;;) {
        const qint64 got = device.read(in.data(), kBlockSize);
        if (got < 0)
            return device.errorString();
        if (got == 0)
            break;
        stream.next_in = reinterpret_cast<Bytef*>(in.data());
        stream.avail_in = static_cast<uInt>(got);
        for (;;) {
            stream.next_out = reinterpret_cast<Bytef*>(out.data());
            stream.avail_out = static_cast<uInt>(out.size());
            const int rc = inflate(&stream, Z_NO_FLUSH);
            if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
                return QStringLiteral("Corrupt compressed report: %1")
                    .arg(QString::fromLatin1(stream.msg ? stream.msg : "bad data"));
            const auto produced = out.size() - stream.avail_out;
            if (produced > 0)
                sink(std::string_view(out.data(), produced));
            if (rc == Z_STREAM_END) {
                memberOpen = false;
                inflateReset(&stream); // another member may follow
                if (stream.avail_in == 0)
                    break;
                continue;
            }
            memberOpen = true;
            if (stream.avail_out != 0)
                break; // all input taken; more output needs more input
        }
    }
    if (memberOpen)
        return QStringLiteral("Compressed report ends too early");
    return std::nullopt;
}

} // namespace

std::optional<QString> ReadReport(QIODevice& device, bool gzip, const ChunkSink& sink)
{
    return gzip ? ReadGzip(device, sink) : ReadPlain(device, sink);
}

bool IsCompressedReport(const QString& path)
{
    return path.endsWith(QLatin1String(".gz"), Qt::CaseInsensitive);
}

std::unique_ptr<QIODevice> OpenReportFile(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    file->open(QIODevice::ReadOnly);
    return file;
}

ReportFileSearch SearchReportFile(const QString& path, const SearchRequest& request,
                                  const std::vector<std::string>& trackedItems, CollectedHits collected,
                                  const ReportOpener& open)
{
    ReportFileSearch search;
    search.outcome.collected = std::move(collected);
    if (!FileExists(path)) {
        search.status = ReportFileSearch::Status::NotFound;
        return search;
    }
    const auto device = open(path);
    if (!device || !device->isOpen()) {
        search.status = ReportFileSearch::Status::Failed;
        search.error = device ? device->errorString() : QStringLiteral("Cannot open the report");
        return search;
    }
    try {
        ReportSearch reportSearch(request);
        if (const auto error = ReadReport(*device, IsCompressedReport(path),
                                          [&](std::string_view chunk) { reportSearch.feed(chunk); })) {
            search.status = ReportFileSearch::Status::Failed;
            search.error = *error;
            return search;
        }
        search.outcome.result = std::move(reportSearch).finish();
        search.outcome.historyChanged =
            AddTrackedHits(search.outcome.result.reportHits, trackedItems, search.outcome.collected);
    } catch (const std::bad_alloc&) {
        // The collected hits passed in are whole: a line is appended to them entirely or not at all.
        search.status = ReportFileSearch::Status::Failed;
        search.error = kNotEnoughMemory;
        search.outcome.result = {};
    }
    return search;
}

} // namespace tallywick
