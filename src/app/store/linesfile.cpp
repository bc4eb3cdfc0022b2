#include "app/store/linesfile.h"

#include "app/store/savefilewrite.h"
#include "core/log/lines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace tallywick {
namespace {

constexpr qint64 kReadBlock = 1 << 20;
constexpr std::size_t kWriteBlock = 1 << 20;
constexpr std::string_view kLineBreak = "\r\n";

} // namespace

std::unique_ptr<QIODevice> OpenFileForReading(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    file->open(QIODevice::ReadOnly);
    return file;
}

LinesRead ReadLinesFile(const QString& path, EmptyLines emptyLines, const ReadFileOpener& open, qint64 from,
                        std::optional<qint64> upTo)
{
    LinesRead read;
    const QFileInfo info(path);
    if (!info.exists()) {
        read.status = LinesRead::Status::Missing;
        return read;
    }
    read.status = LinesRead::Status::Failed;
    if (info.isDir()) {
        read.error = QStringLiteral("%1 is a folder").arg(path);
        return read;
    }
    const auto file = open(path);
    if (!file->isOpen() || (from > 0 && !file->seek(from))) {
        read.error = file->errorString();
        return read;
    }
    qint64 left = upTo ? *upTo - from : std::numeric_limits<qint64>::max();
    const auto keep = [&](std::string_view line) {
        if (!line.empty() || emptyLines == EmptyLines::Keep)
            read.lines.emplace_back(line);
    };
    const auto keepLines = [&](std::string_view lines) { ForEachLine(lines, keep); };
    LineAssembler assembler;
    std::string block(static_cast<std::size_t>(kReadBlock), '\0');
    for (;;) {
        const qint64 got = file->read(block.data(), std::min(kReadBlock, left));
        if (got < 0) {
            read.error = file->errorString();
            return read;
        }
        if (got == 0)
            break;
        left -= got;
        assembler.feed(std::string_view(block.data(), static_cast<std::size_t>(got)), keepLines);
    }
    keepLines(assembler.rest());
    read.status = LinesRead::Status::Read;
    return read;
}

std::unique_ptr<QSaveFile> OpenSaveFile(const QString& path)
{
    return std::make_unique<QSaveFile>(path);
}

std::optional<QString> WriteLinesFile(const QString& path, std::size_t count,
                                      const std::function<std::string_view(std::size_t)>& line,
                                      const SaveFileOpener& open)
{
    const auto file = open(path);
    if (!file->open(QIODevice::WriteOnly))
        return file->errorString();
    const auto fail = [&]() -> std::optional<QString> {
        const QString error = file->errorString();
        file->cancelWriting();
        return error;
    };
    std::string buffer;
    buffer.reserve(kWriteBlock + 4096);
    for (std::size_t i = 0; i < count; ++i) {
        buffer += line(i);
        buffer += kLineBreak;
        if (buffer.size() >= kWriteBlock) {
            if (!WriteAll(*file, buffer))
                return fail();
            buffer.clear();
        }
    }
    if (!WriteAll(*file, buffer))
        return fail();
    return CommitSaveFile(*file);
}

std::optional<QString> WriteLinesFile(const QString& path, const std::vector<std::string>& lines,
                                      const SaveFileOpener& open)
{
    return WriteLinesFile(
        path, lines.size(), [&](std::size_t i) { return std::string_view(lines[i]); }, open);
}

} // namespace tallywick
