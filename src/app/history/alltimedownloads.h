#pragma once

#include "app/files/datafolder.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Every download of all time: the archive of the months past the time limit, read from the
// data folder once, with the history as it stands in memory (and the records the upkeep took
// out of it for age, which wait for the next save to reach the archive).
class AllTimeDownloads {
public:
    AllTimeDownloads(const DataFolder& folder, const std::vector<std::string>& history,
                     const std::vector<std::string>& removedForAge);

    // Some download has left the history for age: all-time figures say more than the history.
    bool reachesBeforeHistory() const;
    // The archive's months that could not be read to their end ("file (reason)"); what was read
    // of them counts.
    const QStringList& errors() const { return errors_; }

    // Valid until the history in memory next changes.
    std::vector<std::string_view> records() const;
    // The records that hold item in their request part; all of them for no item.
    std::int64_t count(std::optional<std::string_view> item) const;

private:
    const std::vector<std::string>& history_;
    const std::vector<std::string>& removedForAge_;
    std::vector<std::string> archived_;
    QStringList errors_;
};

} // namespace tallywick
