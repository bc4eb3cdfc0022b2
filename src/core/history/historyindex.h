#pragma once

#include "core/history/historyend.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick {

// The records of one day in the history file: where the first begins and how many there are.
struct DayBlock {
    std::chrono::sys_days day;
    std::uint64_t offset = 0;
    std::uint64_t records = 0;
    bool operator==(const DayBlock&) const = default;
};

// What a history file holds, so that records can be added at its end without reading it: kept
// beside it only while every record is dated and the days ascend, and only for the file it was
// written for (its size, modification time and last bytes).
struct HistoryIndex {
    std::uint64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    std::uint64_t tailHash = 0;
    std::vector<DayBlock> days; // ascending
    // An addition under way: so many bytes from size on, whose file then ends with the bytes
    // tailHash is given for (pendingHash). A file that holds only part of them was cut short.
    struct Pending {
        std::uint64_t length = 0;
        std::uint64_t tailHash = 0;
        bool operator==(const Pending&) const = default;
    };
    std::optional<Pending> pending;

    std::uint64_t records() const;
    HistoryEnd end() const;
    // The records dated after that day.
    std::uint64_t recordsAfter(std::chrono::sys_days day) const;
    bool operator==(const HistoryIndex&) const = default;
};

// How many of a file's last bytes its tail hash covers.
inline constexpr std::uint64_t kIndexTailBytes = std::uint64_t{64} * 1024;
// FNV-1a of the bytes.
std::uint64_t TailHash(std::string_view bytes);

// Adds a record written at offset (followed by CR LF) to the day blocks: it joins the last block
// when it is of that day. False, and blocks unchanged, when the record is empty or has no date,
// or its day comes before the last block's.
bool AddToDayBlocks(std::vector<DayBlock>& blocks, std::string_view record, std::uint64_t offset);
// The day blocks of a whole history as a save writes it; nothing when one cannot be added.
std::optional<std::vector<DayBlock>> DayBlocksOf(const std::vector<std::string>& History);

// The index as text lines, and back; nothing for lines that are not such an index.
std::vector<std::string> IndexLines(const HistoryIndex& index);
std::optional<HistoryIndex> ParseIndex(const std::vector<std::string>& lines);

} // namespace tallywick
