#include "app/report/reportdays.h"

#include "core/history/reportcoverage.h"
#include "core/log/lines.h"

namespace tallywick {

std::optional<std::vector<std::chrono::sys_days>> ReadReportDays(const ReportPath& path, const ReportOpener& open)
{
    ReportDays days;
    const auto addLines = [&](std::string_view lines) { days.addLines(lines); };
    const auto device = open(path);
    if (!device || !device->isOpen())
        return std::nullopt;
    LineAssembler assembler(kLongestLine);
    if (ReadReport(*device, IsCompressedReport(path.text()),
                   [&](std::string_view chunk) { assembler.feed(chunk, addLines); }))
        return std::nullopt;
    addLines(assembler.rest());
    return days.days();
}

} // namespace tallywick
