#include "app/files/windowstextfile.h"

#include "app/files/replacefile.h"

namespace tallywick {

QByteArray WithWindowsLineBreaks(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace("\r\n", "\n");
    bytes.replace('\n', "\r\n");
    return bytes;
}

std::optional<QString> WriteWindowsTextFile(const QString& path, const QString& text)
{
    return ReplaceFile(path, WithWindowsLineBreaks(text));
}

} // namespace tallywick
