#pragma once

#include "ui/views/historyviewcontext.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The downloads of all time as a view counts them: the archive of the months past the time
// limit, read when the view opens, with the history in memory.
class AllTimeHistory {
public:
    explicit AllTimeHistory(const HistoryViewContext& context);

    // Some download has left the history for age: all-time figures say more than the history.
    bool reachesBeforeHistory() const;
    // Why the archive could not be read; empty when it could.
    const QString& error() const { return error_; }

    // Valid until the history in memory next changes.
    std::vector<std::string_view> records() const;
    // The records that hold item in their request part; all of them for no item.
    std::int64_t count(std::optional<std::string_view> item) const;

private:
    const std::vector<std::string>& history_;
    const std::vector<std::string>* removedForAge_;
    std::vector<std::string> archived_;
    QString error_;
};

// "12 Hits (all time: 40)"
QString HitsWithAllTime(std::int64_t hits, std::int64_t allTime);

} // namespace tallywick
