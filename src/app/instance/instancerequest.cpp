#include "app/instance/instancerequest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tallywick {
namespace {

constexpr QByteArrayView kShow = "show";
constexpr QByteArrayView kOpen = "open ";

} // namespace

QByteArray EncodeInstanceRequest(const InstanceRequest& request)
{
    // A line break inside the path makes the request one the running program refuses.
    QByteArray line = request.report.isEmpty() ? kShow.toByteArray() : kOpen.toByteArray() + request.report.toUtf8();
    line.append('\n');
    return line;
}

std::optional<InstanceRequest> DecodeInstanceRequest(QByteArrayView line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.contains('\n') || line.contains('\0'))
        return std::nullopt;
    if (line == kShow)
        return InstanceRequest{};
    if (line.startsWith(kOpen) && line.size() > kOpen.size())
        return InstanceRequest{QString::fromUtf8(line.sliced(kOpen.size()))};
    return std::nullopt;
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
