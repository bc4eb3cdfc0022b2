#pragma once

#include "app/history/alltimedownloads.h"
#include "core/views/period.h"
#include "ui/views/historyviewcontext.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tallywick {

// The downloads of all time as a view counts them: the archive, read when the view opens, with
// the history in memory.
class AllTimeHistory : public AllTimeDownloads {
public:
    explicit AllTimeHistory(const HistoryViewContext& context);

    // Why the archive could not be read, as the view says it; empty when it could.
    QString error() const;
};

// The records a view counts over a period: the history, or the records of all time when the
// period starts before the time limit.
class PeriodRecords {
public:
    PeriodRecords(const HistoryViewContext& context, const AllTimeHistory& allTime, const Period& period);
    const std::vector<std::string>& records() const { return widened_ ? *widened_ : history_; }

private:
    const std::vector<std::string>& history_;
    std::optional<std::vector<std::string>> widened_;
};

// "12 Hits (all time: 40)"
QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime);

} // namespace tallywick
