#include "ui/about/helpfolder.h"

#include "app/files/besideprogram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef TALLYWICK_HELP_SUBDIR
#error "TALLYWICK_HELP_SUBDIR comes from the build"
#endif

namespace tallywick {

QString HelpFolder(const QString& programFolder)
{
    const QString index = FindBesideProgram(programFolder, QStringLiteral(TALLYWICK_HELP_SUBDIR "/index.html"));
    return index.isEmpty() ? QString() : QFileInfo(index).path();
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
