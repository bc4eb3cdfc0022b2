#include "app/report/keptreporthits.h"

namespace tallywick {

bool KeptReportHits::forEachLine(const std::function<void(std::string_view)>& take) const
{
    if (places_.empty()) {
        for (const auto line : lines_)
            take(line);
        return true;
    }
    // Read whole before any is handed on: a report that changed half-way gives none.
    const auto lines = readBack();
    if (!lines)
        return false;
    for (const auto line : *lines)
        take(line);
    return true;
}

std::optional<LineList> KeptReportHits::readBack() const
{
    ReportLines::Reader reader(reports_, ReportLines::Reader::Check::Unchecked);
    LineList lines;
    for (const LinePlace& place : places_) {
        const auto line = reader.view(place.offset, kLongestLine);
        if (!line || PlaceOfLine(place.offset, *line) != place)
            return std::nullopt;
        lines.push_back(*line);
    }
    return lines;
}

} // namespace tallywick
