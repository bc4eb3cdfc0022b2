#include "core/views/downloadsources.h"

#include "core/log/logfields.h"
#include "core/views/recordrules.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace tallywick {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
           });
}

bool AllOf(std::string_view text, bool (*allowed)(char))
{
    return std::all_of(text.begin(), text.end(), allowed);
}

bool NameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_';
}

bool Ipv6Character(char c)
{
    return std::isxdigit(static_cast<unsigned char>(c)) || c == ':' || c == '.';
}

bool Digit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c));
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The host of "scheme://user@host:port/path" without the scheme; nothing when it is no host.
std::optional<std::string> AuthorityHost(std::string_view authority)
{
    if (const auto at = authority.rfind('@'); at != std::string_view::npos)
        authority.remove_prefix(at + 1);
    if (authority.starts_with('[')) {
        const auto close = authority.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        const auto address = authority.substr(1, close - 1);
        const auto rest = authority.substr(close + 1);
        const bool portOk = rest.empty() || (rest.starts_with(':') && AllOf(rest.substr(1), Digit));
        if (address.empty() || !AllOf(address, Ipv6Character) || !portOk)
            return std::nullopt;
        return Lower(address);
    }
    auto host = authority;
    if (const auto colon = host.find(':'); colon != std::string_view::npos) {
        if (!AllOf(host.substr(colon + 1), Digit))
            return std::nullopt;
        host = host.substr(0, colon);
    }
    if (host.empty() || !AllOf(host, NameCharacter))
        return std::nullopt;
    auto lower = Lower(host);
    if (lower.starts_with("www.") && lower.size() > 4)
        lower.erase(0, 4);
    return lower;
}

} // namespace

std::string SourceHost(std::optional<std::string_view> referrer)
{
    if (!referrer || referrer->empty() || *referrer == "-")
        return std::string(kDirectSource);
    std::string_view rest = *referrer;
    if (StartsWithNoCase(rest, "http://"))
        rest.remove_prefix(7);
    else if (StartsWithNoCase(rest, "https://"))
        rest.remove_prefix(8);
    else
        return std::string(kUnreadableSource);
    const auto host = AuthorityHost(rest.substr(0, rest.find_first_of("/?#")));
    return host ? *host : std::string(kUnreadableSource);
}

DownloadSourcesResult DownloadSources(const std::vector<std::string_view>& records,
                                      std::optional<std::string_view> item, const Period& period, std::size_t top)
{
    // Hosts repeat a great deal: count by the referrer's text, find each text's host once.
    std::unordered_map<std::string_view, std::int64_t> byReferrer;
    std::int64_t direct = 0;
    DownloadSourcesResult result;
    for (const auto record : records) {
        if (record.empty() || (item && !HoldsItemInRequestPart(record, *item)))
            continue;
        if (!period.isAll()) {
            const auto day = RecordDay(record);
            if (!day || !period.contains(*day))
                continue;
        }
        ++result.total;
        const auto referrer = ReadLogFields(record).referrer;
        if (referrer)
            ++byReferrer[*referrer];
        else
            ++direct;
    }
    std::unordered_map<std::string, std::int64_t> byHost;
    if (direct > 0)
        byHost[std::string(kDirectSource)] += direct;
    for (const auto& [referrer, downloads] : byReferrer)
        byHost[SourceHost(referrer)] += downloads;

    std::vector<SourceShare> shares;
    shares.reserve(byHost.size());
    for (auto& [host, downloads] : byHost)
        shares.push_back({host, downloads, 0});
    std::sort(shares.begin(), shares.end(), [](const SourceShare& a, const SourceShare& b) {
        return a.downloads != b.downloads ? a.downloads > b.downloads : a.host < b.host;
    });
    if (shares.size() > top) {
        SourceShare other{std::string(kOtherSources), 0, 0};
        for (auto it = shares.begin() + static_cast<std::ptrdiff_t>(top); it != shares.end(); ++it)
            other.downloads += it->downloads;
        shares.resize(top);
        shares.push_back(std::move(other));
    }
    for (auto& share : shares)
        share.percent = static_cast<double>(share.downloads) * 100.0 / static_cast<double>(result.total);
    result.sources = std::move(shares);
    return result;
}

} // namespace tallywick
