#pragma once

#include "app/history/alltimedownloads.h"
#include "ui/views/historyviewcontext.h"

#include <QString>

#include <cstdint>

namespace tallywick {

// The downloads of all time as a view counts them: the archive, read when the view opens, with
// the history in memory.
class AllTimeHistory : public AllTimeDownloads {
public:
    explicit AllTimeHistory(const HistoryViewContext& context);

    // Why the archive could not be read, as the view says it; empty when it could.
    QString error() const;
};

// "12 Hits (all time: 40)"
QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime);

} // namespace tallywick
