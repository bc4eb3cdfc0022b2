#include "core/log/lines.h"

#include <algorithm>
#include <cstring>

namespace tallywick {

std::size_t CountLines(std::string_view text)
{
    // Every LF ends a line, and every CR that no LF follows; counted in two quick passes since
    // most reports use only one kind of break.
    std::size_t count = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const char* const end = text.data() + text.size();
    for (const char* p = text.data(); p < end;) {
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(end - p)));
        if (cr == nullptr)
            break;
        if (cr + 1 == end || cr[1] != '\n')
            ++count;
        p = cr + 1;
    }
    if (!text.empty() && !IsLineBreak(text.back()))
        ++count;
    return count;
}

std::size_t LineAssembler::CompleteEnd(std::string_view chunk)
{
    for (std::size_t i = chunk.size(); i-- > 0;) {
        if (chunk[i] == '\n' || (chunk[i] == '\r' && i + 1 < chunk.size()))
            return i + 1;
    }
    return 0;
}

} // namespace tallywick
