#include "cli/json.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tallywick::cli {
namespace {

// Length of the well-formed UTF-8 sequence at the start of bytes, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const auto continuation = [&](std::size_t i) { return i < bytes.size() && (byte(i) & 0xC0) == 0x80; };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return continuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2))
            return 0;
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F))
            return 0; // overlong or a surrogate
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3))
            return 0;
        if ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
            return 0; // overlong or beyond U+10FFFF
        return 4;
    }
    return 0;
}

bool Plain(unsigned char c)
{
    return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
}

// The most bytes one byte of text becomes: a control character's "\u00XX".
constexpr std::size_t kMostEscapedPerByte = 6;

// Copies the printable ASCII other than '"' and '\\' at the start of [in, end) (most of a log) to
// out, and returns how many bytes that was. Sixteen bytes at a time where the processor compares
// bytes in a vector, else eight: each block is stored whole, and what follows its first byte
// that needs escaping is written over after. Each test below flags the bytes of a word that fail
// it; a borrow flags only bytes after one flagged already, so the first flag is exact. out has
// room for kMostEscapedPerByte bytes for each byte of input, so a whole block always fits.
std::size_t CopyPlainRun(const char* in, const char* end, char* out)
{
    const char* const begin = in;
#if defined(__SSE2__)
    for (; end - in >= 16; in += 16, out += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
        // Compared as signed bytes, those from 0x80 on are below 0x20 too.
        const __m128i below = _mm_cmplt_epi8(v, _mm_set1_epi8(0x20));
        const __m128i quote = _mm_cmpeq_epi8(v, _mm_set1_epi8('"'));
        const __m128i backslash = _mm_cmpeq_epi8(v, _mm_set1_epi8('\\'));
        const __m128i del = _mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F));
        const auto flags = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_or_si128(below, quote), _mm_or_si128(backslash, del))));
        if (flags != 0)
            return static_cast<std::size_t>(in - begin) + static_cast<std::size_t>(std::countr_zero(flags));
    }
#endif
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101;
        constexpr std::uint64_t kHighs = 0x8080808080808080;
        const auto zeroBytes = [](std::uint64_t word) { return (word - kOnes) & ~word & kHighs; };
        for (; end - in >= 8; in += 8, out += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, in, 8);
            std::memcpy(out, &word, 8);
            const std::uint64_t below = (word - kOnes * 0x20) & ~word & kHighs;
            const std::uint64_t deleteOrAbove = (word | ((word & ~kHighs) + kOnes)) & kHighs;
            const std::uint64_t quoteOrBackslash = zeroBytes(word ^ (kOnes * '"')) | zeroBytes(word ^ (kOnes * '\\'));
            if (const std::uint64_t flags = below | deleteOrAbove | quoteOrBackslash)
                return static_cast<std::size_t>(in - begin) + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
        }
    }
    for (; in < end && Plain(static_cast<unsigned char>(*in)); ++in, ++out)
        *out = *in;
    return static_cast<std::size_t>(in - begin);
}

// Writes bytes escaped to out, which has room for kMostEscapedPerByte bytes for each of them;
// returns the end of what it wrote.
char* EscapeJsonBody(std::string_view bytes, char* out)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const char* in = bytes.data();
    const char* const end = in + bytes.size();
    for (;;) {
        const std::size_t run = CopyPlainRun(in, end, out);
        in += run;
        out += run;
        if (in == end)
            return out;
        const auto c = static_cast<unsigned char>(*in);
        if (c == '"' || c == '\\') {
            *out++ = '\\';
            *out++ = static_cast<char>(c);
            ++in;
        } else if (c < 0x80) {
            // A control character or DEL.
            *out++ = '\\';
            if (c == '\n' || c == '\r' || c == '\t') {
                *out++ = c == '\n' ? 'n' : c == '\r' ? 'r' : 't';
            } else {
                out = std::copy_n("u00", 3, out);
                *out++ = kHex[c >> 4];
                *out++ = kHex[c & 0xF];
            }
            ++in;
        } else if (const auto length = Utf8SequenceLength(std::string_view(in, static_cast<std::size_t>(end - in)));
                   length > 0) {
            out = std::copy_n(in, length, out);
            in += length;
        } else {
            // A byte that is not UTF-8: the Latin-1 character of the same value.
            *out++ = static_cast<char>(0xC0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
            ++in;
        }
    }
}

void AppendIndent(std::string& out, int depth)
{
    out += '\n';
    out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

} // namespace

void AppendJsonString(std::string& out, std::string_view bytes)
{
    out += '"';
    AppendJsonStringBody(out, bytes);
    out += '"';
}

void AppendJsonStringBody(LargeText& out, std::string_view bytes)
{
    out.appendAtMost(bytes.size() * kMostEscapedPerByte, [&](char* at) { return EscapeJsonBody(bytes, at); });
}

void AppendJsonStringBody(std::string& out, std::string_view bytes)
{
    const std::size_t before = out.size();
    out.resize(before + bytes.size() * kMostEscapedPerByte);
    out.resize(static_cast<std::size_t>(EscapeJsonBody(bytes, out.data() + before) - out.data()));
}

Json& Json::set(std::string key, Json value)
{
    auto& object = std::get<Object>(value_);
    for (auto& [name, existing] : object) {
        if (name == key) {
            existing = std::move(value);
            return *this;
        }
    }
    object.emplace_back(std::move(key), std::move(value));
    return *this;
}

Json& Json::push(Json value)
{
    std::get<Array>(value_).push_back(std::move(value));
    return *this;
}

std::string Json::dump() const
{
    std::string out;
    write(out, 0);
    out += '\n';
    return out;
}

void Json::write(std::string& out, int depth) const
{
    struct Writer {
        std::string& out;
        int depth;
        void operator()(std::monostate) const { out += "null"; }
        void operator()(bool value) const { out += value ? "true" : "false"; }
        void operator()(std::int64_t value) const { out += std::to_string(value); }
        void operator()(double value) const
        {
            if (!std::isfinite(value)) {
                out += "null";
                return;
            }
            char buffer[32];
            const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
            out.append(buffer, error == std::errc{} ? end : buffer);
        }
        void operator()(const Text& text) const { AppendJsonString(out, text.bytes); }
        void operator()(const Array& array) const
        {
            if (array.empty()) {
                out += "[]";
                return;
            }
            out += '[';
            for (std::size_t i = 0; i < array.size(); ++i) {
                out += i == 0 ? "" : ",";
                AppendIndent(out, depth + 1);
                array[i].write(out, depth + 1);
            }
            AppendIndent(out, depth);
            out += ']';
        }
        void operator()(const Object& object) const
        {
            if (object.empty()) {
                out += "{}";
                return;
            }
            out += '{';
            for (std::size_t i = 0; i < object.size(); ++i) {
                out += i == 0 ? "" : ",";
                AppendIndent(out, depth + 1);
                AppendJsonString(out, object[i].first);
                out += ": ";
                object[i].second.write(out, depth + 1);
            }
            AppendIndent(out, depth);
            out += '}';
        }
    };
    std::visit(Writer{out, depth}, value_);
}

} // namespace tallywick::cli
