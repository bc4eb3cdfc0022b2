#include "core/log/logfields.h"

namespace tallywick {
namespace {

constexpr auto npos = std::string_view::npos;

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::size_t SkipBlanks(std::string_view line, std::size_t at)
{
    while (at < line.size() && line[at] == ' ')
        ++at;
    return at;
}

// Where c is next found from `at`, for what is a few characters away: a plain loop beats a call.
std::size_t FindNear(std::string_view text, char c, std::size_t at)
{
    for (; at < text.size(); ++at) {
        if (text[at] == c)
            return at;
    }
    return npos;
}

// The word from `at` to the next blank or the end.
std::string_view WordAt(std::string_view line, std::size_t at)
{
    const auto end = FindNear(line, ' ', at);
    return line.substr(at, end == npos ? npos : end - at);
}

// The closing quote of the quoted field that opens at `open`: the next quote that an even
// number of backslashes (none, or escaped ones) precedes.
std::size_t ClosingQuote(std::string_view line, std::size_t open)
{
    for (auto at = line.find('"', open + 1); at != npos; at = line.find('"', at + 1)) {
        std::size_t backslashes = 0;
        while (at - backslashes > open + 1 && line[at - 1 - backslashes] == '\\')
            ++backslashes;
        if (backslashes % 2 == 0)
            return at;
    }
    return npos;
}

// "-" stands for an empty field.
std::string_view FieldValue(std::string_view text)
{
    return text == "-" ? std::string_view{} : text;
}

std::optional<int> StatusOf(std::string_view word)
{
    if (word.size() != 3 || !IsDigit(word[0]) || !IsDigit(word[1]) || !IsDigit(word[2]))
        return std::nullopt;
    return (word[0] - '0') * 100 + (word[1] - '0') * 10 + (word[2] - '0');
}

std::optional<std::int64_t> BytesOf(std::string_view word)
{
    // 18 digits cannot overflow.
    if (word.empty() || word.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : word) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

LogRequest RequestOf(std::string_view text)
{
    LogRequest request;
    if (text == "-")
        return request;
    const auto methodEnd = text.find(' ');
    request.method = text.substr(0, methodEnd);
    if (methodEnd == npos)
        return request;
    const auto uriEnd = text.find(' ', methodEnd + 1);
    const auto uri = text.substr(methodEnd + 1, uriEnd == npos ? npos : uriEnd - methodEnd - 1);
    if (uriEnd != npos)
        request.protocol = text.substr(uriEnd + 1);
    const auto question = uri.find('?');
    request.path = uri.substr(0, question);
    if (question != npos)
        request.query = uri.substr(question + 1);
    return request;
}

std::optional<int> OffsetOf(std::string_view text)
{
    if (text.size() != 5 || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    for (std::size_t i = 1; i < 5; ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
    }
    const int hours = (text[1] - '0') * 10 + (text[2] - '0');
    const int minutes = (text[3] - '0') * 10 + (text[4] - '0');
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    const int offset = hours * 60 + minutes;
    return text[0] == '-' ? -offset : offset;
}

std::string_view TrimmedBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::int64_t LogTime::utcSeconds() const
{
    return local.seconds() - std::int64_t{offsetMinutes.value_or(0)} * 60;
}

std::int64_t LogTime::utcDay() const
{
    return FloorDiv(utcSeconds(), DateValue::kSecondsPerDay);
}

std::int64_t LogTime::utcHour() const
{
    return FloorDiv(utcSeconds(), 3600);
}

std::optional<LogTime> ReadLogTime(std::string_view text)
{
    const auto colon = text.find(':');
    if (colon == npos)
        return std::nullopt;
    const auto date = DateValueOf(text.substr(0, colon));
    if (!date.isDate())
        return std::nullopt;
    const auto blank = text.find(' ', colon);
    const auto timeOfDay = ReadTimeOfDay(text.substr(colon + 1, blank == npos ? npos : blank - colon - 1));
    if (!timeOfDay)
        return std::nullopt;
    LogTime time{date + *timeOfDay, std::nullopt};
    if (blank != npos)
        time.offsetMinutes = OffsetOf(TrimmedBlanks(text.substr(blank)));
    return time;
}

namespace {

// What a line holds up to its bytes, as offsets: the part every reading of a line needs.
struct FrontFields {
    std::size_t clientEnd = npos;    // npos: no blank, nothing read
    std::size_t timeOpen = npos;     // the "[" of the time; npos: no time, no request
    std::size_t timeClose = 0;       // its "]"
    std::size_t requestOpen = 0;     // the request's quotes
    std::size_t requestClose = npos; // npos: no request
    std::optional<int> status;
    std::optional<std::int64_t> bytes;
    std::size_t next = 0; // where the fields after the bytes begin
};

FrontFields ReadFront(std::string_view line)
{
    FrontFields front;
    front.clientEnd = line.find(' ');
    if (front.clientEnd == npos)
        return front;
    // The request is the first quoted field, when the text before it ends in the bracketed time
    // (blanks between). Neither the client, the identity nor the user holds a quote, so a well
    // formed line is cut by one search for its first quote.
    const auto requestOpen = line.find('"', front.clientEnd);
    if (requestOpen == npos)
        return front;
    auto close = requestOpen;
    while (close > front.clientEnd && line[close - 1] == ' ')
        --close;
    if (close == front.clientEnd || line[--close] != ']')
        return front;
    const auto open = FindNear(line, '[', front.clientEnd);
    if (open >= close)
        return front;
    front.timeOpen = open;
    front.timeClose = close;
    front.requestOpen = requestOpen;
    front.requestClose = ClosingQuote(line, requestOpen);
    if (front.requestClose == npos)
        return front;

    // The status and the bytes: the words that follow, unless a quoted field comes first.
    auto at = SkipBlanks(line, front.requestClose + 1);
    if (at < line.size() && line[at] != '"') {
        const auto word = WordAt(line, at);
        front.status = StatusOf(word);
        at = SkipBlanks(line, at + word.size());
        if (at < line.size() && line[at] != '"') {
            const auto bytes = WordAt(line, at);
            front.bytes = BytesOf(bytes);
            at = SkipBlanks(line, at + bytes.size());
        }
    }
    front.next = at;
    return front;
}

} // namespace

LogFields ReadLogFields(std::string_view line, LogFieldsWanted wanted)
{
    LogFields fields;
    const FrontFields front = ReadFront(line);
    if (front.clientEnd == npos)
        return fields;
    fields.client = line.substr(0, front.clientEnd);
    if (front.timeOpen == npos)
        return fields;
    fields.timeText = line.substr(front.timeOpen + 1, front.timeClose - front.timeOpen - 1);
    if (wanted == LogFieldsWanted::All)
        fields.time = ReadLogTime(fields.timeText);
    if (front.requestClose == npos)
        return fields;
    fields.format = LogFormat::Common;
    fields.request = RequestOf(line.substr(front.requestOpen + 1, front.requestClose - front.requestOpen - 1));
    fields.status = front.status;
    fields.bytes = front.bytes;
    if (wanted == LogFieldsWanted::ThroughBytes)
        return fields;

    auto at = front.next;
    if (at < line.size() && line[at] == '"') {
        const auto referrerEnd = ClosingQuote(line, at);
        if (referrerEnd != npos) {
            fields.referrer = FieldValue(line.substr(at + 1, referrerEnd - at - 1));
            at = SkipBlanks(line, referrerEnd + 1);
            if (at < line.size() && line[at] == '"') {
                const auto agentEnd = ClosingQuote(line, at);
                if (agentEnd != npos) {
                    fields.userAgent = FieldValue(line.substr(at + 1, agentEnd - at - 1));
                    fields.format = LogFormat::Combined;
                    at = agentEnd + 1;
                }
            }
        }
    }
    fields.rest = TrimmedBlanks(line.substr(std::min(at, line.size())));
    return fields;
}

LogResponse ReadLogResponse(std::string_view line)
{
    const FrontFields front = ReadFront(line);
    LogResponse response;
    if (front.requestClose == npos)
        return response;
    response.status = front.status;
    response.bytes = front.bytes;
    const auto request = line.substr(front.requestOpen + 1, front.requestClose - front.requestOpen - 1);
    const auto methodEnd = FindNear(request, ' ', 0);
    if (methodEnd != npos && request != "-") {
        const auto uri = request.substr(methodEnd + 1, request.find(' ', methodEnd + 1) - methodEnd - 1);
        response.path = uri.substr(0, uri.find('?'));
    }
    return response;
}

std::string Unescaped(std::string_view field)
{
    std::string text;
    text.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 1 < field.size() && (field[i + 1] == '"' || field[i + 1] == '\\'))
            ++i;
        text += field[i];
    }
    return text;
}

} // namespace tallywick
