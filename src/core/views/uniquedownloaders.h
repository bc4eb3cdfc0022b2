#pragma once

#include "core/views/period.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tallywick {

// Unique downloaders a day: on each day, the distinct pairs of client and user agent that
// downloaded, summed over the days. One person fetching a file three times on a day counts once;
// the same person on two days counts twice. A line without a user agent (the Common format) has
// an empty one.
class DailyDownloaders {
public:
    // Counts the record's downloader on that day unless it was counted there already. The
    // record's text must outlive this object.
    void add(std::chrono::sys_days day, std::string_view record);
    std::int64_t count() const { return static_cast<std::int64_t>(seen_.size()); }

private:
    struct Downloader {
        std::int64_t day;
        std::string_view client;
        std::string_view agent;
        bool operator==(const Downloader&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Downloader& downloader) const;
    };
    std::unordered_set<Downloader, Hash> seen_;
};

// Per item (in the order given), the unique downloaders a day of the records dated in the
// period that hold the item in their request part; undatable records are not counted.
std::vector<std::int64_t> UniquePerDay(const std::vector<std::string_view>& records,
                                       const std::vector<std::string>& items, const Period& period = {});

} // namespace tallywick
