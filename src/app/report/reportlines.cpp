#include "app/report/reportlines.h"

#include "core/log/lines.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tallywick {

ReportLines::ReportLines(const ReportPaths& reports, std::vector<ReportStart> starts)
{
    for (qsizetype i = 0; i < reports.size() && static_cast<std::size_t>(i) < starts.size(); ++i) {
        const QFileInfo info(reports[i].text());
        reports_.push_back(
            {reports[i].text(), starts[static_cast<std::size_t>(i)].offset, info.size(), info.lastModified()});
    }
}

bool ReportLines::CanReadBack(const ReportPaths& reports)
{
    return std::all_of(reports.begin(), reports.end(), [](const ReportPath& report) {
        const QFileInfo info(report.text());
        return info.isFile() && !IsCompressedReport(report.text());
    });
}

std::optional<std::string> ReportLines::line(std::uint64_t offset, std::size_t maxBytes) const
{
    const auto after = std::upper_bound(reports_.begin(), reports_.end(), offset,
                                        [](std::uint64_t at, const Report& report) { return at < report.start; });
    if (after == reports_.begin())
        return std::nullopt;
    const Report& report = *(after - 1);
    const QFileInfo info(report.path);
    if (info.size() != report.size || info.lastModified() != report.modified)
        return std::nullopt;
    QFile file(report.path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(static_cast<qint64>(offset - report.start)))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (bytes.isEmpty() && maxBytes > 0 && offset - report.start != static_cast<std::uint64_t>(report.size))
        return std::nullopt;
    const std::string_view read(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return std::string(read.substr(0, FindLineBreak(read, 0)));
}

} // namespace tallywick
