#include "app/store/historyindexfile.h"

#include "app/store/linesfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace tallywick {

QString IndexPathBeside(const QString& historyPath)
{
    return QFileInfo(historyPath).dir().filePath(QString::fromUtf8(kHistoryIndexFileName));
}

std::optional<HistoryFileState> StateOfFile(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return HistoryFileState{static_cast<std::uint64_t>(info.st_size),
                            std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::optional<std::string> ReadTailBytes(const QString& path, std::uint64_t end)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || static_cast<std::uint64_t>(file.size()) < end)
        return std::nullopt;
    const std::uint64_t begin = end > kIndexTailBytes ? end - kIndexTailBytes : 0;
    if (!file.seek(static_cast<qint64>(begin)))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(end - begin));
    if (static_cast<std::uint64_t>(bytes.size()) != end - begin)
        return std::nullopt;
    return bytes.toStdString();
}

std::optional<std::uint64_t> TailHashOfFile(const QString& path, std::uint64_t end)
{
    const auto bytes = ReadTailBytes(path, end);
    if (!bytes)
        return std::nullopt;
    return TailHash(*bytes);
}

std::optional<HistoryIndex> ReadHistoryIndex(const QString& indexPath)
{
    const auto read = ReadLinesFile(indexPath, EmptyLines::Drop);
    if (read.status != LinesRead::Status::Read)
        return std::nullopt;
    return ParseIndex(read.lines);
}

std::optional<QString> WriteHistoryIndex(const QString& indexPath, const HistoryIndex& index)
{
    return WriteLinesFile(indexPath, IndexLines(index));
}

} // namespace tallywick
