#include "core/views/zerodaymarks.h"

#include "core/views/dateformat.h"

namespace tallywick {

std::vector<std::optional<bool>> ZeroDayMarks(const std::vector<std::chrono::sys_days>& days,
                                              const ReportCoverage& coverage)
{
    std::vector<std::optional<bool>> marks;
    marks.reserve(days.size());
    for (const auto day : days) {
        switch (CoverageOf(coverage, day)) {
        case DayCoverage::Covered:
            marks.emplace_back(true);
            break;
        case DayCoverage::NoLog:
            marks.emplace_back(false);
            break;
        case DayCoverage::Unknown:
            marks.emplace_back(std::nullopt);
            break;
        }
    }
    return marks;
}

std::string ZeroDayNote(std::optional<bool> covered)
{
    return covered == false ? " (no log)" : "";
}

std::string MarkedZeroCountText(const std::vector<std::chrono::sys_days>& days,
                                const std::vector<std::optional<bool>>& marks)
{
    std::string text;
    for (std::size_t i = 0; i < days.size(); ++i)
        text += FormatDate(days[i]) + ZeroDayNote(i < marks.size() ? marks[i] : std::nullopt) + "\r\n";
    return text;
}

} // namespace tallywick
