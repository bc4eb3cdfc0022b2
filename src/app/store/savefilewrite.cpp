#include "app/store/savefilewrite.h"

namespace tallywick {
namespace {

// Qt flags a flush that wrote only part of its buffer with "Unknown error"; flushing the rest
// again meets the disk's own error.
bool FlushAll(QSaveFile& file)
{
    for (;;) {
        const qint64 pending = file.bytesToWrite();
        if (file.flush())
            return true;
        if (file.bytesToWrite() == 0 || file.bytesToWrite() >= pending)
            return false;
    }
}

} // namespace

bool WriteAll(QSaveFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return file.error() == QFileDevice::NoError;
}

std::optional<QString> CommitSaveFile(QSaveFile& file)
{
    if (!FlushAll(file) || file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace tallywick
