#include "core/search/downloadcounts.h"

#include <cstring>

namespace tallywick {
namespace {

std::uint64_t Mix(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 33);
}

std::uint64_t Load(const char* bytes, std::size_t count)
{
    std::uint64_t word = 0;
    if (count > 0) // an empty text may have no bytes at all
        std::memcpy(&word, bytes, count);
    return word;
}

// Every path of a report is hashed, so the hash reads three words of it, not every byte: the
// table compares the whole text anyway.
std::uint64_t HashText(std::string_view text)
{
    const auto size = text.size();
    if (size < 8)
        return Mix(Load(text.data(), size) ^ (size << 56));
    const auto first = Load(text.data(), 8);
    const auto middle = Load(text.data() + size / 2 - 4, 8);
    const auto last = Load(text.data() + size - 8, 8);
    return Mix(first ^ Mix(middle + size) ^ (last * 0x9E3779B97F4A7C15ull));
}

std::uint64_t HashKey(std::uint32_t client, std::uint32_t agent, std::uint32_t path, std::int32_t day)
{
    std::uint64_t h = (std::uint64_t{client} << 32 | path) * 0x9E3779B97F4A7C15ull;
    h ^= Mix(agent + 0x2545F4914F6CDD1Dull);
    h ^= static_cast<std::uint32_t>(day) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 33);
}

constexpr std::uint32_t kNoHour = 1u << 24;

} // namespace

std::optional<std::pair<std::string, std::int64_t>> ParseFileSizeEntry(std::string_view entry)
{
    const auto equals = entry.rfind('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const auto path = entry.substr(0, equals).substr(0, entry.find('?'));
    const auto bytes = entry.substr(equals + 1);
    if (path.empty() || bytes.empty() || bytes.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : bytes) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return std::pair{std::string(path), value};
}

std::uint32_t DownloadCounter::Names::number(std::string_view name)
{
    const auto hash = HashText(name);
    if (const auto* known = index_.find(hash, name))
        return *known;
    const std::string_view kept = names_.push_back(name);
    const auto number = static_cast<std::uint32_t>(names_.size() - 1);
    index_.findOrInsert(hash, kept, number);
    return number;
}

const std::uint32_t* DownloadCounter::Names::find(std::string_view name) const
{
    return index_.find(HashText(name), name);
}

DownloadCounter::DownloadCounter(FileSizes givenSizes, bool ipv6Network64) :
    givenSizes_(std::move(givenSizes)), ipv6Network64_(ipv6Network64)
{
}

template <class PathNumber>
void DownloadCounter::noteSize(const LogResponse& response, PathNumber&& pathNumber)
{
    if (response.status != 200 || !response.bytes || response.path.empty())
        return;
    const std::uint32_t number = pathNumber(response.path);
    if (number == kNoPath)
        return;
    if (number >= largest_.size())
        largest_.resize(number + 1, -1);
    largest_[number] = std::max(largest_[number], *response.bytes);
}

void DownloadCounter::noteLine(std::string_view line)
{
    noteSize(ReadLogResponse(line), [this](std::string_view path) { return paths_.number(path); });
}

void DownloadCounter::noteSizeLine(std::string_view line)
{
    noteSizeOf(ReadLogResponse(line));
}

void DownloadCounter::noteSizeOf(const LogResponse& response)
{
    noteSize(response, [this](std::string_view path) {
        const auto* known = paths_.find(path);
        return known ? *known : kNoPath;
    });
}

std::int64_t DeliveredTowards(const LogFields& fields, std::optional<std::string_view> path)
{
    if (!path || !fields.bytes || (fields.status != 200 && fields.status != 206) || fields.knownPath() != path)
        return 0;
    return *fields.bytes;
}

std::int64_t AddBytes(std::int64_t a, std::int64_t b)
{
    constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
    return b > kMost - a ? kMost : a + b;
}

void DownloadCounter::startDownload(int panel, const LogFields& fields)
{
    Download download;
    download.panel = panel;
    const auto path = fields.knownPath();
    if (path) {
        download.path = paths_.number(*path);
        if (download.path >= isDownloadPath_.size())
            isDownloadPath_.resize(download.path + 1, false);
        if (!isDownloadPath_[download.path]) {
            isDownloadPath_[download.path] = true;
            if (!givenSizes_.contains(*path))
                unsizedPaths_.push_back(download.path);
        }
    }
    download.delivered = DeliveredTowards(fields, path);
    downloads_.push_back(download);

    addUnique(panel, clients_.number(ipv6Network64_ ? network_.of(fields.client) : fields.client),
              agents_.number(fields.userAgent.value_or(std::string_view{})), path ? download.path : paths_.number({}),
              fields.time);
}

void DownloadCounter::addUnique(int panel, std::uint32_t client, std::uint32_t agent, std::uint32_t path,
                                const std::optional<LogTime>& time)
{
    const DayKey key{client, agent, path, time ? static_cast<std::int32_t>(time->utcDay()) : kNoTime};
    const std::uint32_t hour = time ? 1u << (time->utcHour() - time->utcDay() * 24) : kNoHour;
    std::uint32_t& hours = *days_[panel].findOrInsert(HashKey(client, agent, path, key.day), key, 0).first;
    if ((hours & hour) == 0)
        ++hours_[panel];
    hours |= hour;
}

void DownloadCounter::addRepeat(std::uint32_t download, const LogFields& fields)
{
    Download& owner = downloads_[download];
    if (owner.path != kNoPath)
        owner.delivered = AddBytes(owner.delivered, DeliveredTowards(fields, paths_.name(owner.path)));
}

DownloadCounts DownloadCounter::finish() const
{
    // The size of each path: given, or the largest seen, or none (-1).
    std::vector<std::int64_t> sizes(paths_.size(), -1);
    for (std::uint32_t path = 0; path < paths_.size(); ++path) {
        if (const auto given = givenSizes_.find(paths_.name(path)); given != givenSizes_.end())
            sizes[path] = given->second;
        else if (path < largest_.size())
            sizes[path] = largest_[path];
    }
    DownloadCounts counts;
    for (const Download& download : downloads_) {
        PanelDownloads& panel = counts.panels[download.panel];
        ++panel.downloads;
        const auto size = download.path == kNoPath ? -1 : sizes[download.path];
        if (size < 0) {
            ++panel.sizeUnknown;
            continue;
        }
        counts.sizes.emplace(std::string(paths_.name(download.path)), size);
        if (download.delivered >= size)
            ++panel.complete;
        else
            ++panel.incomplete;
    }
    for (int panel = 0; panel < kPanelCount; ++panel) {
        counts.panels[panel].uniquePerDay = static_cast<std::int64_t>(days_[panel].size());
        counts.panels[panel].uniquePerHour = hours_[panel];
    }
    return counts;
}

} // namespace tallywick
