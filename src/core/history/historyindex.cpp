#include "core/history/historyindex.h"

#include "core/history/historydate.h"
#include "core/history/reportcoverage.h"

#include <charconv>

namespace tallywick {
namespace {

constexpr std::string_view kFirstLine = "Tallywick history index 1";
constexpr std::uint64_t kLineBreak = 2;

template <class Number>
std::optional<Number> NumberOf(std::string_view text)
{
    Number value{};
    const auto* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || ptr != end || text.empty())
        return std::nullopt;
    return value;
}

// "name value"
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view name)
{
    if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ' ')
        return std::nullopt;
    return line.substr(name.size() + 1);
}

} // namespace

std::uint64_t HistoryIndex::records() const
{
    std::uint64_t count = 0;
    for (const auto& block : days)
        count += block.records;
    return count;
}

HistoryEnd HistoryIndex::end() const
{
    if (days.empty())
        return {true, std::nullopt, std::nullopt, 0};
    return {true, days.front().day, days.back().day, static_cast<std::size_t>(records() - days.back().records)};
}

std::uint64_t HistoryIndex::recordsAfter(std::chrono::sys_days day) const
{
    std::uint64_t count = 0;
    for (const auto& block : days) {
        if (block.day > day)
            count += block.records;
    }
    return count;
}

std::uint64_t TailHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool AddToDayBlocks(std::vector<DayBlock>& blocks, std::string_view record, std::uint64_t offset)
{
    const auto day = record.empty() ? std::nullopt : RecordDay(record);
    if (!day || (!blocks.empty() && *day < blocks.back().day))
        return false;
    if (blocks.empty() || *day != blocks.back().day)
        blocks.push_back({*day, offset, 0});
    ++blocks.back().records;
    return true;
}

std::optional<std::vector<DayBlock>> DayBlocksOf(const std::vector<std::string>& History)
{
    std::vector<DayBlock> blocks;
    std::uint64_t offset = 0;
    for (const auto& record : History) {
        if (!AddToDayBlocks(blocks, record, offset))
            return std::nullopt;
        offset += record.size() + kLineBreak;
    }
    return blocks;
}

std::vector<std::string> IndexLines(const HistoryIndex& index)
{
    std::vector<std::string> lines{std::string(kFirstLine), "size " + std::to_string(index.size),
                                   "modified " + std::to_string(index.modified),
                                   "tail " + std::to_string(index.tailHash)};
    if (index.pending)
        lines.push_back("pending " + std::to_string(index.pending->length) + ' ' +
                        std::to_string(index.pending->tailHash));
    for (const auto& block : index.days)
        lines.push_back(IsoDate(block.day) + ' ' + std::to_string(block.offset) + ' ' + std::to_string(block.records));
    return lines;
}

std::optional<HistoryIndex> ParseIndex(const std::vector<std::string>& lines)
{
    if (lines.size() < 4 || lines[0] != kFirstLine)
        return std::nullopt;
    HistoryIndex index;
    const auto size = ValueOf(lines[1], "size");
    const auto modified = ValueOf(lines[2], "modified");
    const auto tail = ValueOf(lines[3], "tail");
    if (!size || !modified || !tail)
        return std::nullopt;
    const auto sizeValue = NumberOf<std::uint64_t>(*size);
    const auto modifiedValue = NumberOf<std::int64_t>(*modified);
    const auto tailValue = NumberOf<std::uint64_t>(*tail);
    if (!sizeValue || !modifiedValue || !tailValue)
        return std::nullopt;
    index.size = *sizeValue;
    index.modified = *modifiedValue;
    index.tailHash = *tailValue;
    std::size_t firstDayLine = 4;
    if (lines.size() > 4) {
        if (const auto pending = ValueOf(lines[4], "pending")) {
            const auto blank = pending->find(' ');
            const auto length = NumberOf<std::uint64_t>(pending->substr(0, blank));
            const auto hash =
                blank == std::string_view::npos ? std::nullopt : NumberOf<std::uint64_t>(pending->substr(blank + 1));
            if (!length || !hash)
                return std::nullopt;
            index.pending = HistoryIndex::Pending{*length, *hash};
            firstDayLine = 5;
        }
    }
    std::uint64_t nextOffset = 0;
    for (std::size_t i = firstDayLine; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto first = line.find(' ');
        const auto second = line.find(' ', first == std::string_view::npos ? first : first + 1);
        if (second == std::string_view::npos)
            return std::nullopt;
        const auto day = ParseIsoDay(line.substr(0, first));
        const auto offset = NumberOf<std::uint64_t>(line.substr(first + 1, second - first - 1));
        const auto records = NumberOf<std::uint64_t>(line.substr(second + 1));
        // Blocks follow each other in ascending days, and none is empty.
        if (!day || !offset || !records || *records == 0 || *offset < nextOffset ||
            (!index.days.empty() && *day <= index.days.back().day))
            return std::nullopt;
        index.days.push_back({*day, *offset, *records});
        nextOffset = *offset + *records;
    }
    if (!index.days.empty() && index.days.back().offset >= index.size)
        return std::nullopt;
    return index;
}

} // namespace tallywick
