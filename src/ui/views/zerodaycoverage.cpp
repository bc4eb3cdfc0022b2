#include "ui/views/zerodaycoverage.h"

#include <QCoreApplication>

#include "app/files/datafolder.h"
#include "app/store/coveragefile.h"
#include "core/views/dateformat.h"
#include "ui/views/viewtexts.h"

namespace tallywick {

std::optional<ReportCoverage> LoadReportCoverage(const DataFolder& folder)
{
    return ReadCoverageFile(folder.file(kCoverageFileName)).coverage;
}

QString ZeroDayEntry(std::chrono::sys_days day, std::optional<bool> covered)
{
    const QString date = ViewText(FormatDate(day));
    if (!covered)
        return date;
    return date + (*covered ? QCoreApplication::translate("tallywick::ZeroDaysView", "   no downloads")
                            : QCoreApplication::translate("tallywick::ZeroDaysView", "   no log"));
}

} // namespace tallywick
