#pragma once

#include "core/log/simdlevel.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallywick {

// A line ends at CR LF, at a lone CR or at a lone LF; the break is not part of the line, and a
// last line without a break is a line too.
constexpr bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Offset of the first line break at or after from, or text.size(). (AVX2 takes the SSE2 path:
// lines are short.)
std::size_t FindLineBreak(std::string_view text, std::size_t from, SimdLevel level = BestSimdLevel());

// Offset just after the last line break before pos, or 0: where the line holding pos begins.
std::size_t FindLineStart(std::string_view text, std::size_t pos, SimdLevel level = BestSimdLevel());

// Offset just past the line break that starts at pos (CR LF counts as one break).
constexpr std::size_t SkipLineBreak(std::string_view text, std::size_t pos)
{
    if (pos < text.size() && text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
        return pos + 2;
    return pos < text.size() ? pos + 1 : pos;
}

// Calls f(line) for every line of text, in order.
template <class F>
void ForEachLine(std::string_view text, F&& f, SimdLevel level = BestSimdLevel())
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const auto end = FindLineBreak(text, begin, level);
        f(text.substr(begin, end - begin));
        begin = SkipLineBreak(text, end);
    }
}

// Number of lines in text.
std::size_t CountLines(std::string_view text, SimdLevel level = BestSimdLevel());

// Turns a stream of arbitrary chunks into runs of whole lines. The unfinished end of a chunk is
// carried into the next one; a CR at the very end of a chunk is held back, since a LF may follow.
//
// With a longest line, a line that grows longer than that is not carried: its bytes are let go
// as they come, and only its end is reported, so that a stream without line breaks is read in
// bounded memory. Lines that a chunk holds whole are passed on whatever their length.
//
// Where each run and each line let go began in the stream is known: a caller that points back
// into the report (a byte offset per line) asks while it is told.
class LineAssembler {
    struct Ignore {
        void operator()() const {}
    };
    struct IgnoreBytes {
        void operator()(std::string_view) const {}
    };

public:
    static constexpr std::size_t kUnbounded = static_cast<std::size_t>(-1);

    explicit LineAssembler(std::size_t longestLine = kUnbounded, SimdLevel level = BestSimdLevel()) :
        longestLine_(longestLine), level_(level)
    {
    }

    // Calls f(run) for the whole lines that the chunk completes; every run ends with its break.
    // Calls overlong() where a line that was too long to carry ends, and skipped(bytes) with the
    // bytes of such a line as they are let go (its break not among them). Only a line carried over
    // from the previous chunk is copied; the rest is handed on where it lies.
    template <class F, class Overlong = Ignore, class Skipped = IgnoreBytes>
    void feed(std::string_view chunk, F&& f, Overlong&& overlong = {}, Skipped&& skipped = {})
    {
        if (swallowLf_ && !chunk.empty()) {
            swallowLf_ = false;
            if (chunk.front() == '\n') {
                chunk.remove_prefix(1); // the rest of a CR LF that ended a skipped line
                ++streamPos_;
            }
        }
        if (chunk.empty())
            return;
        if (skipping_) {
            const auto lineEnd = FindLineBreak(chunk, 0, level_);
            skipped(chunk.substr(0, lineEnd));
            if (lineEnd == chunk.size()) {
                skippedBytes_ += chunk.size();
                return; // the skipped line goes on
            }
            endSkippedLine(chunk, lineEnd, overlong);
            if (chunk.empty())
                return;
        } else if (!carry_.empty()) {
            if (carry_.back() == '\r' && chunk.front() != '\n') {
                // The CR held back ends its line after all.
                deliver(f, std::string_view(carry_));
                carry_.clear();
            } else {
                const auto lineEnd = FindLineBreak(chunk, 0, level_);
                // (a CR held in the carry is followed by this chunk's LF here)
                const bool tooLong = carry_.size() - (carry_.back() == '\r') + lineEnd > longestLine_;
                if (lineEnd == chunk.size() || (chunk[lineEnd] == '\r' && lineEnd + 1 == chunk.size())) {
                    if (tooLong)
                        skipCarriedLine(chunk, lineEnd, overlong, skipped);
                    else
                        carry_.append(chunk); // the carried line goes on
                    return;
                }
                const auto end = SkipLineBreak(chunk, lineEnd);
                if (tooLong) {
                    skipped(std::string_view(carry_));
                    skipped(chunk.substr(0, lineEnd));
                    skippedOffset_ = streamPos_;
                    overlong();
                    streamPos_ += carry_.size() + end;
                    carry_.clear();
                } else {
                    carry_.append(chunk.substr(0, end));
                    deliver(f, std::string_view(carry_));
                    carry_.clear();
                }
                chunk.remove_prefix(end);
            }
        }
        const auto end = CompleteEnd(chunk);
        if (end > 0)
            deliver(f, chunk.substr(0, end));
        const auto open = chunk.substr(end);
        const bool heldCr = !open.empty() && open.back() == '\r';
        if (open.size() - heldCr > longestLine_)
            skipCarriedLine(open, open.size() - heldCr, overlong, skipped);
        else
            carry_.assign(open);
    }

    // The run of whole lines that feed() hands on where it lies in chunk, when the byte fed before
    // chunk was before ('\n' for none) and no line carried into it was too long: what a thread
    // ahead of the feeding may prepare. Empty when there is none.
    static std::string_view RunInPlace(std::string_view chunk, char before, SimdLevel level = BestSimdLevel());

    // What the stream ended with: whole lines and a last line that may lack its break (empty
    // when that last line was too long to carry).
    std::string_view rest() const { return carry_; }
    // The stream ended inside a line too long to carry: that line counts too.
    bool endsInOverlongLine() const { return skipping_; }

    // Where in the stream (bytes from its start) the run that f is being told begins; after
    // feeding, where rest() begins.
    std::uint64_t runOffset() const { return streamPos_; }
    // Where the line too long to carry that overlong() is being told of began.
    std::uint64_t overlongOffset() const { return skippedOffset_; }

private:
    template <class F>
    void deliver(F& f, std::string_view run)
    {
        f(run);
        streamPos_ += run.size();
    }

    // The line that the carry held, and that went on to lineEnd within chunk, is too long.
    template <class Overlong, class Skipped>
    void skipCarriedLine(std::string_view chunk, std::size_t lineEnd, Overlong& overlong, Skipped& skipped)
    {
        skipped(std::string_view(carry_));
        skipped(chunk.substr(0, lineEnd));
        skippedBytes_ = carry_.size();
        carry_.clear();
        carry_.shrink_to_fit();
        skipping_ = true;
        if (lineEnd < chunk.size()) // it ends with a CR at the end of the chunk
            endSkippedLine(chunk, lineEnd, overlong);
        else
            skippedBytes_ += chunk.size();
    }

    // The skipped line ends with the break at lineEnd; chunk keeps what follows the break.
    template <class Overlong>
    void endSkippedLine(std::string_view& chunk, std::size_t lineEnd, Overlong& overlong)
    {
        skipping_ = false;
        skippedOffset_ = streamPos_;
        overlong();
        if (chunk[lineEnd] == '\r' && lineEnd + 1 == chunk.size())
            swallowLf_ = true;
        const auto end = SkipLineBreak(chunk, lineEnd);
        streamPos_ += skippedBytes_ + end;
        skippedBytes_ = 0;
        chunk.remove_prefix(end);
    }

    // Length of the prefix of chunk that ends with a complete line break (0 when there is
    // none): a LF, or a CR that something other than LF follows.
    static std::size_t CompleteEnd(std::string_view chunk);

    std::size_t longestLine_;
    SimdLevel level_;
    std::string carry_;
    bool skipping_ = false;           // inside a line too long to carry
    bool swallowLf_ = false;          // a skipped line ended with a CR at the end of a chunk
    std::uint64_t streamPos_ = 0;     // where the carry, or the line being let go, begins
    std::uint64_t skippedBytes_ = 0;  // of the line being let go, so far
    std::uint64_t skippedOffset_ = 0; // where the line last let go began
};

} // namespace tallywick
