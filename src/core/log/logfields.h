#pragma once

#include "core/log/datevalue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallywick {

// The fields of an access-log line in the Common or Combined format, as Apache and nginx write
// them by default:
//
//   client ident user [05/Dec/2004:21:16:31 -0800] "GET /f.zip?x=1 HTTP/1.1" 200 4096 "referrer" "agent"
//
// Common stops after the bytes; Combined adds the referrer and the user agent; whatever follows
// the user agent (nginx's "$http_x_forwarded_for", Apache's combinedio "%I %O") is the rest.
//
// The classic count never reads a line this way: it searches its text. These fields serve the
// counts that stand beside it, and a field that cannot be read is unknown to them only.

enum class LogFormat {
    Unknown,  // not even a quoted request after a bracketed time
    Common,   // the request, and whatever of status and bytes could be read
    Combined, // and a quoted referrer and user agent after them
};

// A time of the log with its UTC offset: "05/Dec/2004:21:16:31 -0800".
struct LogTime {
    DateValue local;                  // as written
    std::optional<int> offsetMinutes; // east of UTC; nothing when it cannot be read (then UTC)

    // Seconds from 30 December 1899, 00:00 UTC.
    std::int64_t utcSeconds() const;
    // The UTC day (days from 30 December 1899) and the UTC hour (hours from then).
    std::int64_t utcDay() const;
    std::int64_t utcHour() const;
};

// The request line "METHOD URI PROTOCOL", cut at its blanks; the URI is cut at its first "?".
// A request logged as "-" has every part empty; one without blanks is all method.
struct LogRequest {
    std::string_view method;
    std::string_view path;  // the URI without its query
    std::string_view query; // after the "?", without it
    std::string_view protocol;
};

// Every text views into the line it was read from, exactly as logged: escapes (\" and \\ in a
// quoted field) are kept; Unescaped() undoes them. Reading takes no memory.
struct LogFields {
    LogFormat format = LogFormat::Unknown;
    std::string_view client;     // up to the first blank; empty when the line has none
    std::optional<LogTime> time; // nothing when it cannot be read
    std::string_view timeText;   // between the brackets, as written; empty when none
    std::optional<LogRequest> request;
    std::optional<int> status;                 // three digits
    std::optional<std::int64_t> bytes;         // nothing for "-" and for what is no whole number
    std::optional<std::string_view> referrer;  // empty for "-"; nothing in the Common format
    std::optional<std::string_view> userAgent; // empty for "-"; nothing in the Common format
    std::string_view rest;                     // the fields after the user agent (or after the bytes), blanks trimmed

    // The request's path, when there is one that is not empty.
    std::optional<std::string_view> knownPath() const
    {
        if (request && !request->path.empty())
            return request->path;
        return std::nullopt;
    }
};

// How far a line is read: the whole of it, or up to its bytes (no time, referrer or user agent),
// for a caller that reads every line of a report and needs no more; or the whole of it but its
// time, for a caller that has the line's date already.
enum class LogFieldsWanted { All, ThroughBytes, AllButTime };

// Reads what it can. The client is the text before the first blank; the time is the text in the
// first brackets after it; the request is the quoted field that follows the time (blanks
// between); then the status and the bytes, each a word, separated by blanks; then, when the
// next thing is a quoted field, the referrer, and the quoted field after it is the user agent.
// A quoted field ends at the first double quote that no backslash escapes (a backslash escapes
// the character after it), so "GET /dir\\" ends after the second backslash.
LogFields ReadLogFields(std::string_view line, LogFieldsWanted wanted = LogFieldsWanted::All);

// The status, the request's path and the bytes of a line, as ReadLogFields reads them, without
// filling the whole of LogFields: for a caller that reads every line of a report.
struct LogResponse {
    std::optional<int> status;
    std::string_view path; // the request's path; empty when there is none
    std::optional<std::int64_t> bytes;
};
LogResponse ReadLogResponse(std::string_view line);

// "05/Dec/2004:21:16:31 -0800": the date, the time of day and the offset. Nothing when the date
// or the time of day cannot be read; an offset that cannot be read is left unknown.
std::optional<LogTime> ReadLogTime(std::string_view text);

// A quoted field's text with its escapes undone: \" becomes ", \\ becomes \ (others stay).
std::string Unescaped(std::string_view field);

} // namespace tallywick
