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
    for (QString repeated = RepeatedReport(chosen); !repeated.isEmpty(); repeated = RepeatedReport(chosen))
        chosen.removeAt(chosen.lastIndexOf(repeated));
    return OldestReportsFirst(chosen);
}

bool NothingOpenedYet(const StartingReport& start, const QString& searchedPath, bool pasteBoxHoldsText)
{
    return !start.chosen && !pasteBoxHoldsText && searchedPath == start.path;
}

} // namespace tallywick
