#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// Records that leave the history for age are kept, whole, in an archive of one list per
// calendar month, so that nothing counted is ever forgotten.

// The records of History that the time limit removes: dated TimeLimit or more calendar months
// back. Undatable records stay in the history and are never archived.
std::vector<std::string> RecordsPastTimeLimit(const std::vector<std::string>& History, std::chrono::sys_days today,
                                              int TimeLimit);

// The dated records by the month they belong to, in their order; undatable ones are left out.
std::map<std::chrono::year_month, std::vector<std::string>> RecordsByMonth(const std::vector<std::string>& records);

// Appends to month the records it does not hold yet (exact text), each once, as the history's
// merge does, and no partial download whose duplicate key the month already has: records that
// a merge's sort sent here were never trimmed as the history is at closing. Returns how many
// were appended. Adding the same records again adds nothing.
std::size_t MergeIntoArchiveMonth(std::vector<std::string>& month, const std::vector<std::string>& records);

// "2015-05.dat"
std::string ArchiveFileName(std::chrono::year_month month);
// The month an archive file stands for; nothing for any other name.
std::optional<std::chrono::year_month> ArchiveMonthOf(std::string_view fileName);

} // namespace tallywick
