#include "app/store/textfile.h"

#include <QFile>
#include <QFileInfo>

namespace tallywick {

TextFileRead ReadTextFile(const QString& path)
{
    TextFileRead read;
    QFile file(path);
    if (!file.exists()) {
        read.status = TextFileRead::Status::Missing;
        return read;
    }
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        read.status = TextFileRead::Status::Failed;
        read.error = QFileInfo(path).isDir() ? QStringLiteral("%1 is a folder").arg(path) : file.errorString();
        return read;
    }
    constexpr qint64 kBlock = 1 << 20;
    read.bytes.reserve(static_cast<std::size_t>(file.size() + kBlock));
    for (;;) {
        const auto old = read.bytes.size();
        read.bytes.resize(old + kBlock);
        const qint64 got = file.read(read.bytes.data() + old, kBlock);
        if (got < 0) {
            read.bytes.clear();
            read.status = TextFileRead::Status::Failed;
            read.error = file.errorString();
            return read;
        }
        read.bytes.resize(old + static_cast<std::size_t>(got));
        if (got == 0)
            break;
    }
    read.status = TextFileRead::Status::Read;
    return read;
}

} // namespace tallywick
