#include "app/report/reportdays.h"

#include "core/history/reportcoverage.h"
#include "core/log/lines.h"

namespace tallywick {

std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const QStringList& paths, const ReportOpener& open)
{
    ReportDays days;
    const auto addLines = [&](std::string_view lines) {
        ForEachLine(lines, [&](std::string_view line) { days.addLine(line); });
    };
    for (const QString& path : paths) {
        const auto device = open(path);
        if (!device || !device->isOpen())
            return std::nullopt;
        LineAssembler assembler;
        if (ReadReport(*device, IsCompressedReport(path),
                       [&](std::string_view chunk) { assembler.feed(chunk, addLines); }))
            return std::nullopt;
        addLines(assembler.rest());
    }
    return days.days();
}

std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const QString& path, const ReportOpener& open)
{
    return ReadReportDays(QStringList{path}, open);
}

} // namespace tallywick
