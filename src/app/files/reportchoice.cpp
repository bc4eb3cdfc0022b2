#include "app/files/reportchoice.h"

#include "app/files/fileexists.h"
#include "app/report/reportorder.h"

#include <algorithm>

namespace tallywick {

StartingReport ChooseStartingReport(const std::optional<QString>& keptPath, const std::optional<QString>& storedPath,
                                    const QString& defaultPath)
{
    if (keptPath && !keptPath->isEmpty())
        return {*keptPath, true};
    if (storedPath && !storedPath->isEmpty())
        return {*storedPath, true};
    return {defaultPath, false};
}

QStringList StartingReportFiles(const QString& path, const std::optional<QStringList>& storedPaths)
{
    if (!storedPaths || storedPaths->size() < 2 || storedPaths->constLast() != path ||
        !std::all_of(storedPaths->cbegin(), storedPaths->cend(), RegularFileExists))
        return {path};
    return *storedPaths;
}

QStringList ReportsToSearch(QStringList chosen)
{
    chosen.removeDuplicates();
    ReportPaths reports = ReportPathsOf(chosen);
    for (auto repeated = RepeatedReport(reports); repeated; repeated = RepeatedReport(reports))
        reports.removeAt(reports.lastIndexOf(*repeated));
    return TextsOf(OldestReportsFirst(reports));
}

bool NothingOpenedYet(const StartingReport& start, const QString& searchedPath, bool pasteBoxHoldsText)
{
    return !start.chosen && !pasteBoxHoldsText && searchedPath == start.path;
}

} // namespace tallywick
