#include "ui/about/appversion.h"

#include <QCoreApplication>

// The build passes the project's version numbers.
#ifndef TALLYWICK_VERSION_MAJOR
#error "TALLYWICK_VERSION_MAJOR, _MINOR and _PATCH come from the build"
#endif

namespace tallywick {

QString VersionText()
{
    return QCoreApplication::translate("tallywick::AboutDialog", "Version %1.%2.%3")
        .arg(TALLYWICK_VERSION_MAJOR)
        .arg(TALLYWICK_VERSION_MINOR)
        .arg(TALLYWICK_VERSION_PATCH);
}

} // namespace tallywick
