#include "ui/about/helpfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TALLYWICK_HELP_SUBDIR
#error "TALLYWICK_HELP_SUBDIR comes from the build"
#endif

namespace tallywick {
namespace {

// Enough for the deepest build-tree folder of a program or test below the build's top.
constexpr int kFoldersUp = 4;

} // namespace

QString HelpFolder(const QString& programFolder)
{
    QDir folder(programFolder);
    for (int up = 0; up <= kFoldersUp; ++up) {
        const QString candidate = folder.absoluteFilePath(QStringLiteral(TALLYWICK_HELP_SUBDIR));
        if (QFileInfo::exists(HelpIndexPath(candidate)))
            return QDir::cleanPath(candidate);
        if (!folder.cdUp())
            break;
    }
    return {};
}

QString HelpFolder()
{
    return HelpFolder(QCoreApplication::applicationDirPath());
}

QString HelpIndexPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("index.html"));
}

} // namespace tallywick
