#include "app/files/reportfilters.h"

#include <QRegularExpression>

namespace tallywick {
namespace {

const QString kLogs = QStringLiteral("Logs (*.log *.log.* *.gz *.txt)");
const QString kText = QStringLiteral("Text (*.txt)");
const QString kAll = QStringLiteral("All files (*)");

} // namespace

QStringList OpenReportFilters()
{
    return {kLogs, kText, kAll};
}

QStringList SaveReportFilters()
{
    return {kText, kLogs, kAll};
}

bool FilterMatches(const QString& filter, const QString& fileName)
{
    const auto open = filter.indexOf(QLatin1Char('('));
    const auto close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return false;
    const auto patterns = filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& pattern : patterns) {
        const auto expression = QRegularExpression::fromWildcard(pattern, Qt::CaseInsensitive);
        if (expression.match(fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace tallywick
