#include "app/instance/channelfolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {
namespace {

constexpr mode_t kPrivateMode = 0700;

} // namespace

QString PrivateFolderTrouble(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    struct stat info {};
    // Not followed: a link in a shared folder may be turned to another user's folder later.
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("The folder %1 cannot be read: %2.")
            .arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is not a folder.").arg(shown);
    if (info.st_uid != ::geteuid())
        return QStringLiteral("The folder %1 belongs to another user.").arg(shown);
    if ((info.st_mode & 0777) != kPrivateMode)
        return QStringLiteral("The folder %1 can be reached by other users, or not written by you (mode %2; it must be "
                              "0700).")
            .arg(shown, QString::number(info.st_mode & 0777, 8).rightJustified(4, QLatin1Char('0')));
    return {};
}

ChannelFolder FindChannelFolder(const QString& runtimeFolder, const QString& fallback)
{
    if (!runtimeFolder.isEmpty() && PrivateFolderTrouble(runtimeFolder).isEmpty())
        return {QDir::cleanPath(runtimeFolder), {}};
    const QByteArray name = QFile::encodeName(fallback);
    if (::mkdir(name.constData(), kPrivateMode) == 0) {
        // The umask may have taken more than the group's and others' rights.
        if (::chmod(name.constData(), kPrivateMode) != 0)
            return {{},
                    QStringLiteral("The folder %1 cannot be made private: %2.")
                        .arg(QDir::toNativeSeparators(fallback), QString::fromLocal8Bit(std::strerror(errno)))};
    } else if (errno != EEXIST) {
        return {{},
                QStringLiteral("The folder %1 cannot be made: %2.")
                    .arg(QDir::toNativeSeparators(fallback), QString::fromLocal8Bit(std::strerror(errno)))};
    }
    if (QString trouble = PrivateFolderTrouble(fallback); !trouble.isEmpty())
        return {{}, std::move(trouble)};
    return {QDir::cleanPath(fallback), {}};
}

ChannelFolder UserChannelFolder()
{
    return FindChannelFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                             QDir(QDir::tempPath()).filePath(QStringLiteral("tallywick-%1").arg(::geteuid())));
}

} // namespace tallywick
