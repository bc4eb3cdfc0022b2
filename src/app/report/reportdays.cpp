#include "app/report/reportdays.h"

#include "core/history/reportcoverage.h"
#include "core/log/lines.h"

namespace tallywick {

std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const QString& path, const ReportOpener& open)
{
    const auto device = open(path);
    if (!device || !device->isOpen())
        return std::nullopt;
    ReportDays days;
    const auto addLines = [&](std::string_view lines) {
        ForEachLine(lines, [&](std::string_view line) { days.addLine(line); });
    };
    LineAssembler assembler;
    if (ReadReport(*device, IsCompressedReport(path), [&](std::string_view chunk) { assembler.feed(chunk, addLines); }))
        return std::nullopt;
    addLines(assembler.rest());
    return days.days();
}

} // namespace tallywick
