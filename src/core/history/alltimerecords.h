#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Every record that ever entered the history: each non-empty record of history (the list in
// memory and the records the upkeep removed for age but not archived yet), then each archived
// record that history does not hold. A record both archived and still in the history counts
// once, so an archive written just before a save was cut short counts nothing twice.
std::vector<std::string_view> AllTimeRecords(const std::vector<std::string>& archived,
                                             const std::vector<std::string>& history,
                                             const std::vector<std::string>& removedForAge = {});

struct AllTimeTotal {
    std::string item;
    std::int64_t total = 0;
    std::optional<std::chrono::year_month> first; // months with a dated download; none when
    std::optional<std::chrono::year_month> last;  // no record of the item has a readable date
};

// Per tracked item (each distinct item once, in list order), the records that hold it in their
// request part: a record holding two items counts for each, as the file chart counts. Records
// whose date cannot be read count in the total but name no month.
std::vector<AllTimeTotal> AllTimeTotals(const std::vector<std::string_view>& records,
                                        const std::vector<std::string>& trackedItems);

// The records that hold item in their request part; all of them for no item ("All History").
std::int64_t AllTimeCount(const std::vector<std::string_view>& records, std::optional<std::string_view> item);

} // namespace tallywick
