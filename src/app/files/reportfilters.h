#pragma once

#include <QString>
#include <QStringList>

namespace tallywick {

// File > Open: logs first, so that rotated and compressed logs (access.log.1, access.log.2.gz)
// show without changing the filter.
QStringList OpenReportFilters();
// Save As writes text the user pasted, so text comes first there.
QStringList SaveReportFilters();

// Whether a file name matches one of a filter's patterns, as the file dialog matches it.
bool FilterMatches(const QString& filter, const QString& fileName);

} // namespace tallywick
