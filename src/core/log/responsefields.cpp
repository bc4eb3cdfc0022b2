#include "core/log/responsefields.h"

namespace tallywick {
namespace {

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The next double quote from `from` on that no backslash escapes (servers write a quote inside
// a request as \").
std::size_t NextQuote(std::string_view line, std::size_t from)
{
    for (auto at = line.find('"', from); at != std::string_view::npos; at = line.find('"', at + 1)) {
        if (at == 0 || line[at - 1] != '\\')
            return at;
    }
    return std::string_view::npos;
}

} // namespace

std::optional<int> ResponseStatus(std::string_view line)
{
    // The request is the first quoted field after the date, whose brackets hold no quote.
    const auto dateEnd = line.find(']');
    const auto open = NextQuote(line, dateEnd == std::string_view::npos ? 0 : dateEnd);
    if (open == std::string_view::npos)
        return std::nullopt;
    const auto close = NextQuote(line, open + 1);
    if (close == std::string_view::npos)
        return std::nullopt;
    auto at = close + 1;
    while (at < line.size() && line[at] == ' ')
        ++at;
    if (at + 3 > line.size() || !IsDigit(line[at]) || !IsDigit(line[at + 1]) || !IsDigit(line[at + 2]))
        return std::nullopt;
    if (at + 3 < line.size() && IsDigit(line[at + 3]))
        return std::nullopt; // a longer number is no status
    return (line[at] - '0') * 100 + (line[at + 1] - '0') * 10 + (line[at + 2] - '0');
}

std::optional<std::string_view> UserAgent(std::string_view line)
{
    auto end = line.find_last_not_of(' ');
    if (end == std::string_view::npos || line[end] != '"' || end == 0)
        return std::nullopt;
    for (auto open = line.rfind('"', end - 1); open != std::string_view::npos; open = line.rfind('"', open - 1)) {
        if (open == 0 || line[open - 1] != '\\')
            return line.substr(open + 1, end - open - 1);
    }
    return std::nullopt;
}

} // namespace tallywick
