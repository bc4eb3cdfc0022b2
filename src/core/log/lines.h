#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallywick {

// A line ends at CR LF, at a lone CR or at a lone LF; the break is not part of the line, and a
// last line without a break is a line too.
constexpr bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Offset of the first line break at or after from, or text.size().
std::size_t FindLineBreak(std::string_view text, std::size_t from);

// Offset just after the last line break before pos, or 0: where the line holding pos begins.
std::size_t FindLineStart(std::string_view text, std::size_t pos);

// Offset just past the line break that starts at pos (CR LF counts as one break).
constexpr std::size_t SkipLineBreak(std::string_view text, std::size_t pos)
{
    if (pos < text.size() && text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos < text.size() ? pos + 1 : pos;
}

// Calls f(line) for every line of text, in order.
template <class F>
void ForEachLine(std::string_view text, F&& f)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const auto end = FindLineBreak(text, begin);
        f(text.substr(begin, end - begin));
        begin = SkipLineBreak(text, end);
    }
}

// Number of lines in text.
std::size_t CountLines(std::string_view text);

// Turns a stream of arbitrary chunks into runs of whole lines. The unfinished end of a chunk is
// carried into the next one; a CR at the very end of a chunk is held back, since a LF may follow.
class LineAssembler {
public:
    // Calls f(run) for the whole lines that the chunk completes; every run ends with its break.
    // Only a line carried over from the previous chunk is copied; the rest is handed on where
    // it lies.
    template <class F>
    void feed(std::string_view chunk, F&& f)
    {
        if (chunk.empty())
            return;
        if (!carry_.empty()) {
            if (carry_.back() == '\r' && chunk.front() != '\n') {
                // The CR held back ends its line after all.
                f(std::string_view(carry_));
                carry_.clear();
            } else {
                const auto lineEnd = FindLineBreak(chunk, 0);
                if (lineEnd == chunk.size() || (chunk[lineEnd] == '\r' && lineEnd + 1 == chunk.size())) {
                    carry_.append(chunk); // the carried line goes on
                    return;
                }
                const auto end = SkipLineBreak(chunk, lineEnd);
                carry_.append(chunk.substr(0, end));
                f(std::string_view(carry_));
                carry_.clear();
                chunk.remove_prefix(end);
            }
        }
        const auto end = CompleteEnd(chunk);
        if (end > 0)
            f(chunk.substr(0, end));
        carry_.assign(chunk.substr(end));
    }

    // What the stream ended with: whole lines and a last line that may lack its break.
    std::string_view rest() const { return carry_; }

private:
    // Length of the prefix of chunk that ends with a complete line break (0 when there is
    // none): a LF, or a CR that something other than LF follows.
    static std::size_t CompleteEnd(std::string_view chunk);

    std::string carry_;
};

} // namespace tallywick
