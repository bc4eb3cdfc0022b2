#include "app/store/replacefile.h"

#include <QSaveFile>

namespace tallywick {

std::optional<QString> ReplaceFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> WriteTextFile(const QString& path, const QString& text)
{
    return ReplaceFile(path, text.toUtf8());
}

} // namespace tallywick
