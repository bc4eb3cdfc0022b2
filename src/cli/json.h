#pragma once

#include "core/search/largetext.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tallywick::cli {

// A JSON value that keeps its object keys in the order they were set.
class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;

    Json() = default; // null
    Json(bool value) : value_(value) {}
    Json(int value) : value_(std::int64_t{value}) {}
    Json(std::int64_t value) : value_(value) {}
    Json(double value) : value_(value) {}

    // Text given as bytes: a valid UTF-8 sequence stands for its character, any other byte for
    // the character of the same value (U+0080 to U+00FF), so logs in Latin-1 or with stray bytes
    // come out readable and lossless.
    static Json text(std::string_view bytes) { return Json(Text{std::string(bytes)}); }
    static Json array() { return Json(Array{}); }
    static Json object() { return Json(Object{}); }
    template <class Range>
    static Json texts(const Range& range)
    {
        Json list = array();
        for (const auto& item : range)
            list.push(text(item));
        return list;
    }

    Json& set(std::string key, Json value);
    Json& push(Json value);

    // Two-space indented, ending with a line break.
    std::string dump() const;
    // Appends the value as dump lays it out at that depth of nesting, without the line break.
    void write(std::string& out, int depth) const;

private:
    friend class JsonStream;
    struct Text {
        std::string bytes;
    };
    explicit Json(Text text) : value_(std::move(text)) {}
    explicit Json(Array array) : value_(std::move(array)) {}
    explicit Json(Object object) : value_(std::move(object)) {}

    std::variant<std::monostate, bool, std::int64_t, double, Text, Array, Object> value_;
};

// Appends bytes as a quoted JSON string, decoded as described for Json::text.
void AppendJsonString(std::string& out, std::string_view bytes);
// The same without the quotes.
void AppendJsonStringBody(std::string& out, std::string_view bytes);
void AppendJsonStringBody(LargeText& out, std::string_view bytes);

} // namespace tallywick::cli
