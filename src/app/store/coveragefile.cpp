#include "app/store/coveragefile.h"

namespace tallywick {

CoverageRead ReadCoverageFile(const QString& path)
{
    auto read = ReadLinesFile(path, EmptyLines::Drop);
    CoverageRead result{read.status, std::nullopt, read.error};
    if (read.status == LinesRead::Status::Read)
        result.coverage = ParseCoverage(read.lines);
    return result;
}

CoverageRead ReadCoverageFile(const DataFolder& folder)
{
    return ReadCoverageFile(folder.file(kCoverageFileName));
}

std::optional<QString> SaveCoverageFile(const QString& path, const ReportCoverage& coverage, const SaveFileOpener& open)
{
    return WriteLinesFile(path, CoverageLines(coverage), open);
}

} // namespace tallywick
