#pragma once

#include "app/report/reportlines.h"
#include "core/search/largevector.h"
#include "core/search/linelist.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tallywick {

// The hits of a search, kept for items tracked after it: their lines, or, for reports that can be
// read again, only where each begins (a few bytes a hit instead of the whole line), read back
// when they are asked for.
class KeptReportHits {
public:
    KeptReportHits() = default;
    explicit KeptReportHits(LineList lines) : lines_(std::move(lines)) {}
    KeptReportHits(LargeVector<std::uint64_t> offsets, ReportLines reports) :
        offsets_(std::move(offsets)), reports_(std::move(reports))
    {
    }

    // Hands take each hit line in the order found, and returns true; hands nothing and returns
    // false when the reports changed since the search, so that their lines cannot be read back.
    bool forEachLine(const std::function<void(std::string_view)>& take) const;

private:
    std::optional<LineList> readBack() const;

    LineList lines_;
    LargeVector<std::uint64_t> offsets_;
    ReportLines reports_;
};

} // namespace tallywick
