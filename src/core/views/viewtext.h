#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallywick {

// The text views show each record followed by an empty line, lines ended by CR LF.
inline constexpr std::string_view kRecordSeparator = "\r\n\r\n";

inline void AppendRecord(std::string& text, std::string_view record, std::int64_t& hits)
{
    text.append(record);
    text.append(kRecordSeparator);
    ++hits;
}

} // namespace tallywick
