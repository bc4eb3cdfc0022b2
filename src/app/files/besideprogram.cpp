#include "app/files/besideprogram.h"

#include <QDir>
#include <QFileInfo>

namespace tallywick {
namespace {

// Enough for the deepest build-tree folder of a program or test below the build's top.
constexpr int kFoldersUp = 4;

} // namespace

QString FindBesideProgram(const QString& programFolder, const QString& relativePath)
{
    QDir folder(programFolder);
    for (int up = 0; up <= kFoldersUp; ++up) {
        const QString candidate = folder.absoluteFilePath(relativePath);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
        if (!folder.cdUp())
            break;
    }
    return {};
}

} // namespace tallywick
