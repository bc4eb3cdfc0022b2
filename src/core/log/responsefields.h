#pragma once

#include <optional>
#include <string_view>

namespace tallywick {

// Fields of a common or combined log format line that the counting options read:
//   host - - [date] "GET /file HTTP/1.1" 206 1234 "referrer" "user agent"
// Both are read without assuming fixed positions, since hosts and requests vary in length.

// The three-digit status after the request's closing quote (blanks between them allowed);
// nothing when the line has no quoted request or no such number there.
std::optional<int> ResponseStatus(std::string_view line);

// The last double-quoted field of the line, without its quotes; nothing when the line does not
// end with a quoted field (trailing blanks aside), as in the common log format.
std::optional<std::string_view> UserAgent(std::string_view line);

} // namespace tallywick
