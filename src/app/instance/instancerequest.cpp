#include "app/instance/instancerequest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tallywick {
namespace {

constexpr QByteArrayView kShow = "show";
constexpr QByteArrayView kOpen = "open";

// What the encoding leaves as it stands; anything else in a path is percent-encoded.
bool IsEncodedPathByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/' || c == '%';
}

std::optional<QString> DecodePath(QByteArrayView encoded)
{
    if (encoded.isEmpty() || !std::all_of(encoded.begin(), encoded.end(), IsEncodedPathByte))
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded.toByteArray());
    const QString path = QString::fromUtf8(bytes);
    if (bytes.contains('\0') || !QDir::isAbsolutePath(path))
        return std::nullopt;
    return path;
}

} // namespace

QByteArray EncodeInstanceRequest(const InstanceRequest& request)
{
    QByteArray line = request.reports.isEmpty() ? kShow.toByteArray() : kOpen.toByteArray();
    for (const QString& report : request.reports)
        line.append(' ').append(report.toUtf8().toPercentEncoding("/"));
    line.append('\n');
    return line;
}

std::optional<InstanceRequest> DecodeInstanceRequest(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line == kShow)
        return InstanceRequest{};
    const QList<QByteArray> words = line.toByteArray().split(' ');
    if (words.size() < 2 || words.first() != kOpen)
        return std::nullopt;
    InstanceRequest request;
    for (qsizetype i = 1; i < words.size(); ++i) {
        auto path = DecodePath(words[i]);
        if (!path)
            return std::nullopt;
        request.reports.append(std::move(*path));
    }
    return request;
}

QString InstanceChannelName(const QString& dataFolder)
{
    const QFileInfo info(dataFolder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("tallywick-") + QString::fromLatin1(hash);
}

} // namespace tallywick
