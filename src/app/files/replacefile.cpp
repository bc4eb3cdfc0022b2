#include "app/files/replacefile.h"

#include "app/store/savefilewrite.h"

#include <QSaveFile>

namespace tallywick {

std::optional<QString> ReplaceFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (!WriteAll(file, std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())))) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    return CommitSaveFile(file);
}

std::optional<QString> WriteTextFile(const QString& path, const QString& text)
{
    return ReplaceFile(path, text.toUtf8());
}

} // namespace tallywick
