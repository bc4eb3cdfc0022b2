#pragma once

#include "app/files/datafolder.h"
#include "app/store/linesfile.h"
#include "core/history/reportcoverage.h"

#include <QString>

#include <optional>

namespace tallywick {

inline constexpr const char* kCoverageFileName = "coverage.dat";

struct CoverageRead {
    LinesRead::Status status = LinesRead::Status::Missing;
    std::optional<ReportCoverage> coverage; // Read, and the first line is a date
    QString error;                          // Failed only
};

// "coverage.dat": the day from which uncovered days are known, then the covered days, each as
// "yyyy-mm-dd" followed by CR LF.
CoverageRead ReadCoverageFile(const QString& path);
// The one of a data folder.
CoverageRead ReadCoverageFile(const DataFolder& folder);

// Replaces the file atomically; the reason when it fails.
std::optional<QString> SaveCoverageFile(const QString& path, const ReportCoverage& coverage,
                                        const SaveFileOpener& open = OpenSaveFile);

} // namespace tallywick
