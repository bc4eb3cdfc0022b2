#include "core/search/downloadcounts.h"

namespace tallywick {
namespace {

std::uint64_t HashText(std::string_view text)
{
    return std::hash<std::string_view>{}(text);
}

std::uint64_t HashKey(std::uint32_t client, std::uint32_t agent, std::uint32_t path, std::int32_t period)
{
    std::uint64_t h = (std::uint64_t{client} << 32 | agent) * 0x9E3779B97F4A7C15ull;
    h ^= (std::uint64_t{path} << 32 | static_cast<std::uint32_t>(period)) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    return h ^ (h >> 33);
}

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
    const std::string_view kept = names_.emplace_back(name);
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

void DownloadCounter::noteLine(std::string_view line)
{
    const auto fields = ReadLogFields(line, LogFieldsWanted::ThroughBytes);
    if (fields.status != 200 || !fields.bytes)
        return;
    const auto path = fields.knownPath();
    if (!path)
        return;
    const auto number = paths_.number(*path);
    if (number >= largest_.size())
        largest_.resize(number + 1, -1);
    largest_[number] = std::max(largest_[number], *fields.bytes);
}

bool DownloadCounter::Delivers(const LogFields& fields)
{
    return fields.bytes && (fields.status == 200 || fields.status == 206);
}

void DownloadCounter::startDownload(int panel, const LogFields& fields)
{
    Download download;
    download.panel = panel;
    const auto path = fields.knownPath();
    if (path)
        download.path = paths_.number(*path);
    if (Delivers(fields) && path)
        download.delivered = *fields.bytes;
    downloads_.push_back(download);

    const auto client = clients_.number(ipv6Network64_ ? network_.of(fields.client) : fields.client);
    const auto agent = agents_.number(fields.userAgent.value_or(std::string_view{}));
    const auto pathText = path ? download.path : paths_.number({});
    const auto day = fields.time ? static_cast<std::int32_t>(fields.time->utcDay()) : kNoTime;
    const auto hour = fields.time ? static_cast<std::int32_t>(fields.time->utcHour()) : kNoTime;
    addUnique(panel, {client, agent, pathText, day}, {client, agent, pathText, hour});
}

void DownloadCounter::addUnique(int panel, const UniqueKey& day, const UniqueKey& hour)
{
    days_[panel].findOrInsert(HashKey(day.client, day.agent, day.path, day.period), day, true);
    hours_[panel].findOrInsert(HashKey(hour.client, hour.agent, hour.path, hour.period), hour, true);
}

void DownloadCounter::addRepeat(std::uint32_t download, const LogFields& fields)
{
    Download& owner = downloads_[download];
    if (!Delivers(fields) || owner.path == kNoPath)
        return;
    const auto path = fields.knownPath();
    if (path && *path == paths_.name(owner.path)) {
        constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
        owner.delivered = *fields.bytes > kMost - owner.delivered ? kMost : owner.delivered + *fields.bytes;
    }
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
        counts.sizes.emplace(paths_.name(download.path), size);
        if (download.delivered >= size)
            ++panel.complete;
        else
            ++panel.incomplete;
    }
    for (int panel = 0; panel < kPanelCount; ++panel) {
        counts.panels[panel].uniquePerDay = static_cast<std::int64_t>(days_[panel].size());
        counts.panels[panel].uniquePerHour = static_cast<std::int64_t>(hours_[panel].size());
    }
    return counts;
}

} // namespace tallywick
