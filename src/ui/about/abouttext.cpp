#include "ui/about/abouttext.h"

#include <QCoreApplication>

namespace tallywick {

QString AboutDescription()
{
    return QCoreApplication::translate("tallywick::AboutDialog",
                                       "This program was written for my own personal use\n"
                                       "in reading Tripod traffic reports.\n"
                                       "\n"
                                       "Copy the entire traffic report into the clipboard.\n"
                                       "Paste clipboard contents into bottom textbox on form.");
}

QString AboutDisclaimer()
{
    return QCoreApplication::translate("tallywick::AboutDialog", "Warning: %1")
        .arg(QCoreApplication::translate("tallywick::AboutDialog",
                                         "This program is provided \"as is\", without warranty of any kind, express or "
                                         "implied. You use it at your own risk."));
}

} // namespace tallywick
