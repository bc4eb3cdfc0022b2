#include "cli/labels.h"

#include "core/views/dateformat.h"

namespace tallywick::cli {

std::string AllFoundLabel(std::int64_t allFound, std::int64_t lines)
{
    return "All Found: " + std::to_string(allFound) + " of " + std::to_string(lines);
}

std::string FoundLabel(std::int64_t found)
{
    return "Found: " + std::to_string(found);
}

std::string OverlongLinesLabel(std::int64_t lines)
{
    return "Lines too long to search: " + std::to_string(lines);
}

std::string LeftOutLabel(const LeftOutCounts& leftOut, bool downloadTools)
{
    std::string label = "Left out: " + std::to_string(leftOut.robots) + " robots, ";
    if (downloadTools)
        label += std::to_string(leftOut.downloadTools) + " download tools, ";
    return label + std::to_string(leftOut.failed) + " failed";
}

std::string CompleteLabel(const PanelDownloads& panel)
{
    return "Complete: " + std::to_string(panel.complete) + ", incomplete: " + std::to_string(panel.incomplete) +
           ", size unknown: " + std::to_string(panel.sizeUnknown);
}

std::string UniqueLabel(const PanelDownloads& panel)
{
    return "Unique a day: " + std::to_string(panel.uniquePerDay) + ", an hour: " + std::to_string(panel.uniquePerHour);
}

std::string RemovedStatusText(std::int64_t count)
{
    return "Removed " + std::to_string(count) + " duplicate items from history.";
}

std::string HitLabel(std::int64_t hits)
{
    return std::to_string(hits) + " Hits";
}

std::string FromLabel(std::optional<std::chrono::sys_days> day)
{
    return day ? "From: " + FormatDate(*day) : "From:";
}

std::string ToLabel(std::optional<std::chrono::sys_days> day)
{
    return day ? "To: " + FormatDate(*day) : "To:";
}

std::string TodayLabel(std::chrono::sys_days today)
{
    return "Today is " + LongDate(today);
}

} // namespace tallywick::cli
