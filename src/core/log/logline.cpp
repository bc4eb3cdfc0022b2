#include "core/log/logline.h"

namespace tallywick {

DateValue KeyDateTime(std::string_view key)
{
    const auto dateStart = FindText(kSeparatorSearchStart, key, "[") + 1;
    const auto colon = DateColon(key);
    const auto dateText = colon > dateStart ? Mid(key, dateStart, colon - dateStart) : std::string_view{};
    return DateValueOf(dateText) + TimeValueOf(Mid(key, colon + 1, kTimeLength));
}

DateValue RecordDate(std::string_view record)
{
    const auto dateStart = FindText(kSeparatorSearchStart, record, "[") + 1;
    const auto colon = FindText(dateStart, record, ":");
    if (colon <= dateStart)
        return {};
    return DateValueOf(Mid(record, dateStart, colon - dateStart));
}

std::string_view StatusPart(std::string_view line, std::size_t requestEnd)
{
    for (const auto status : kAcceptedStatuses) {
        const auto found = FindText(requestEnd + 1, line, status);
        if (found > 0)
            return MidFrom(line, found + 2);
    }
    return MidFrom(line, 2);
}

std::string PartialKey(std::string_view record)
{
    std::string key(Left(record, DateColon(record)));
    const auto status = FindText(StatusFrom(record), record, kStatus206);
    if (status > 0) {
        const auto quote = FindText(status + 4, record, "\"");
        if (quote > 0)
            key += MidFrom(record, quote - 1);
    }
    return key;
}

} // namespace tallywick
