#pragma once

#include "core/log/datevalue.h"

#include <QStringList>

#include <optional>

namespace tallywick {

// The date of the first dated line among the first few MB of a report, plain or gzip.
std::optional<DateValue> ReportFirstDate(const QString& path);

// The reports in the order to search them as one: oldest first by their first dated line.
// When one of them is not a regular file (a pipe, say), it cannot be read twice, so the order
// given is kept.
QStringList OldestReportsFirst(const QStringList& paths);

// The first of paths that names the same file as one before it (searched twice, its downloads
// would count twice); empty when there is none.
QString RepeatedReport(const QStringList& paths);

} // namespace tallywick
