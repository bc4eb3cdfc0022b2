#include "app/report/blocksource.h"

#include <limits>

namespace tallywick {
namespace {

constexpr qint64 kInputSize = 1 << 20;

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

} // namespace

qint64 DeviceSource::read(char* into, qint64 capacity)
{
    const qint64 got = device_.read(into, capacity);
    if (got > 0)
        read_ += got;
    return got;
}

GzipSource::GzipSource(QIODevice& device) : device_(device), input_(kInputSize)
{
    started_ = inflateInit2(&stream_, 16 + MAX_WBITS) == Z_OK;
    if (!started_)
        failure_ = QStringLiteral("Cannot start decompressing");
}

GzipSource::~GzipSource()
{
    if (started_)
        inflateEnd(&stream_);
}

qint64 GzipSource::fail(const QString& why, qint64 produced)
{
    if (produced > 0) {
        failure_ = why;
        return produced;
    }
    error_ = why;
    return -1;
}

qint64 GzipSource::read(char* into, qint64 capacity)
{
    if (failure_)
        return fail(*failure_, 0);
    capacity = std::min<qint64>(capacity, std::numeric_limits<uInt>::max());
    stream_.next_out = reinterpret_cast<Bytef*>(into);
    stream_.avail_out = static_cast<uInt>(capacity);
    const auto produced = [&] { return capacity - static_cast<qint64>(stream_.avail_out); };
    while (stream_.avail_out > 0) {
        if (stream_.avail_in == 0 && !inputEnded_) {
            const qint64 got = device_.read(input_.data(), kInputSize);
            if (got < 0)
                return fail(device_.errorString(), produced());
            inputEnded_ = got == 0;
            fileRead_ += got;
            stream_.next_in = reinterpret_cast<Bytef*>(input_.data());
            stream_.avail_in = static_cast<uInt>(got);
        }
        if (!memberOpen_) {
            if (stream_.avail_in == 0)
                break; // the input ended between members
            if (memberEnded_) {
                // Another member, or padding up to the end, which gzip passes over too.
                padded_ = SkipZeros(stream_) || padded_;
                if (stream_.avail_in == 0)
                    continue;
                if (padded_)
                    return fail(CorruptReport("data after the zero padding"), produced());
            }
        }
        const int rc = inflate(&stream_, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            return fail(CorruptReport(stream_.msg ? stream_.msg : "bad data"), produced());
        if (rc == Z_STREAM_END) {
            memberOpen_ = false;
            memberEnded_ = true;
            inflateReset(&stream_); // another member may follow
            continue;
        }
        memberOpen_ = true;
        // No progress with all the input taken: more is needed, and there is none.
        if (rc == Z_BUF_ERROR && stream_.avail_in == 0 && inputEnded_)
            return fail(QStringLiteral("Compressed report ends too early"), produced());
    }
    return produced();
}

} // namespace tallywick
