#include "ui/common/translation.h"

#include "app/files/besideprogram.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#ifndef TALLYWICK_TRANSLATIONS_SUBDIR
#error "TALLYWICK_TRANSLATIONS_SUBDIR comes from the build"
#endif

namespace tallywick {

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder)
{
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    if (folder.isEmpty())
        return false;
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("tallywick"), QStringLiteral("_"), folder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

QString TranslationsFolder()
{
    return FindBesideProgram(QCoreApplication::applicationDirPath(), QStringLiteral(TALLYWICK_TRANSLATIONS_SUBDIR));
}

} // namespace tallywick
