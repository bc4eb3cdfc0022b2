#include "ui/views/zerodaycoverage.h"

#include <QCoreApplication>

#include "core/views/dateformat.h"
#include "ui/views/viewtexts.h"

namespace tallywick {

QString ZeroDayEntry(std::chrono::sys_days day, std::optional<bool> covered)
{
    const QString date = ViewText(FormatDate(day));
    if (!covered)
        return date;
    return date + (*covered ? QCoreApplication::translate("tallywick::ZeroDaysView", "   no downloads")
                            : QCoreApplication::translate("tallywick::ZeroDaysView", "   no log"));
}

} // namespace tallywick
