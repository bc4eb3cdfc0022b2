#include "app/settings/inibytes.h"

#include <QStringDecoder>

namespace tallywick {
namespace {

bool IsUtf8(QByteArrayView bytes)
{
    // Stateless: a sequence cut off at the line's end is an error, not a wait for more.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

QStringList IniKeysNotUtf8(QByteArrayView ini, QStringView section)
{
    QStringList keys;
    bool inSection = false;
    while (!ini.isEmpty()) {
        const auto end = ini.indexOf('\n');
        QByteArrayView line = (end < 0 ? ini : ini.first(end)).trimmed();
        ini = end < 0 ? QByteArrayView() : ini.sliced(end + 1);
        if (line.startsWith('[') && line.endsWith(']')) {
            inSection = QString::fromUtf8(line.sliced(1, line.size() - 2)).trimmed() == section;
            continue;
        }
        const auto equals = line.indexOf('=');
        if (!inSection || equals < 0 || IsUtf8(line))
            continue;
        const QString key = QString::fromUtf8(line.first(equals).trimmed());
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

} // namespace tallywick
