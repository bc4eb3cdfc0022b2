#pragma once

#include <QLocale>
#include <QString>

class QCoreApplication;

namespace tallywick {

// Installs on `app` the program's translation for `locale` found in `folder`
// (tallywick_de.qm, tallywick_pt_BR.qm, ...), and Qt's own for its standard buttons and dialogs.
// Returns whether the program's translation was found; without one the texts stay English.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder);

// The folder of the installed translations, found beside the program as its help is.
QString TranslationsFolder();

} // namespace tallywick
