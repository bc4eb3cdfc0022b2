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

bool Direct(std::optional<std::string_view> referrer)
{
    return !referrer || referrer->empty() || *referrer == "-";
}

// "user@host:port" of an http or https address; nothing for anything else.
std::optional<std::string_view> Authority(std::string_view referrer)
{
    if (StartsWithNoCase(referrer, "http://"))
        referrer.remove_prefix(7);
    else if (StartsWithNoCase(referrer, "https://"))
        referrer.remove_prefix(8);
    else
        return std::nullopt;
    return referrer.substr(0, referrer.find_first_of("/?#"));
}

} // namespace

std::string SourceHost(std::optional<std::string_view> referrer)
{
    if (Direct(referrer))
        return std::string(kDirectSource);
    const auto authority = Authority(*referrer);
    const auto host = authority ? AuthorityHost(*authority) : std::nullopt;
    return host ? *host : std::string(kUnreadableSource);
}

DownloadSourcesResult DownloadSources(const std::vector<std::string_view>& records,
                                      std::optional<std::string_view> item, const Period& period, std::size_t top)
{
    // Addresses differ in their paths and queries, hosts repeat a great deal: count by the
    // address's "user@host:port" text, and read each such text's host once.
    std::unordered_map<std::string_view, std::int64_t> byAuthority;
    std::int64_t direct = 0;
    std::int64_t unreadable = 0;
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
        const auto referrer = ReadLogFields(record, LogFieldsWanted::AllButTime).referrer;
        if (Direct(referrer)) {
            ++direct;
        } else if (const auto authority = Authority(*referrer)) {
            ++byAuthority[*authority];
        } else {
            ++unreadable;
        }
    }
    std::unordered_map<std::string, std::int64_t> byHost;
    if (direct > 0)
        byHost[std::string(kDirectSource)] += direct;
    if (unreadable > 0)
        byHost[std::string(kUnreadableSource)] += unreadable;
    for (const auto& [authority, downloads] : byAuthority)
        byHost[AuthorityHost(authority).value_or(std::string(kUnreadableSource))] += downloads;

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
