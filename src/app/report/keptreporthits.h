#pragma once

#include "app/report/reportlines.h"
#include "core/search/largevector.h"
#include "core/search/linelist.h"
#include "core/search/reportsearch.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tallywick {

// The hits of a search, kept for items tracked after it: their lines, or, for reports that can be
// read again, only their places (a few bytes a hit instead of the whole line), read back when
// they are asked for.
class KeptReportHits {
public:
    KeptReportHits() = default;
    explicit KeptReportHits(LineList lines) : lines_(std::move(lines)) {}
    KeptReportHits(LargeVector<LinePlace> places, ReportLines reports) :
        places_(std::move(places)), reports_(std::move(reports))
    {
    }

    // Hands take each hit line in the order found, and returns true; hands nothing and returns
    // false when a line is no longer where the search found it (a report that only grew still
    // reads back, one rotated or rewritten does not).
    bool forEachLine(const std::function<void(std::string_view)>& take) const;

private:
    std::optional<LineList> readBack() const;

    LineList lines_;
    LargeVector<LinePlace> places_;
    ReportLines reports_;
};

} // namespace tallywick
