#pragma once

#include "cli/json.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tallywick::cli {

// Writes JSON as it goes, laid out exactly as Json::dump lays out the same value, so that an
// output of any size needs no copy of itself in memory: large texts and lists are written from
// where they lie, in pieces. Small parts can still be built as Json and written whole.
class JsonStream {
public:
    explicit JsonStream(std::ostream& out) : out_(out) {}
    JsonStream(const JsonStream&) = delete;
    JsonStream& operator=(const JsonStream&) = delete;
    ~JsonStream() { flush(); }

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value, inside an object.
    void key(std::string_view name);
    void value(const Json& value);
    // The keys and values of a Json object, as members of the object being written.
    void members(const Json& object);
    // A string of the report's bytes, decoded as Json::text decodes them.
    void text(std::string_view bytes);
    // A string whose body comes already escaped (as AppendJsonStringBody escapes), in pieces.
    void beginString();
    void stringPiece(std::string_view escaped);
    void endString();
    // Items of the array being written, laid out ahead as ItemStart(depth of the items) followed
    // by a string: written as they come, in pieces cut anywhere.
    void laidOutItems(std::string_view piece);
    // What comes before an array item at depth when an item came before it: a comma, the line
    // break and the indent.
    static std::string ItemStart(int depth);
    template <class Range>
    void texts(const Range& range)
    {
        beginArray();
        for (const auto& item : range)
            text(item);
        endArray();
    }
    // Ends the document with its line break and hands everything to the stream.
    void finish();

private:
    struct Level {
        bool object = false;
        int values = 0;
    };
    void startValue();
    void close(char bracket);
    // Bytes laid out already.
    void rawPiece(std::string_view bytes);
    void flushWhenFull();
    void flush();

    std::ostream& out_;
    std::string buffer_;
    std::vector<Level> levels_;
    bool afterKey_ = false;
};

} // namespace tallywick::cli
