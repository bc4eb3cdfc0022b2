#include "core/log/lines.h"

#include "support/simdlevels.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

namespace tallywick {
namespace {

std::vector<std::string> LinesOf(std::string_view text)
{
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

// Feeds text in chunks of the given size and returns the lines the runs and the rest hold.
std::vector<std::string> AssembledLines(std::string_view text, std::size_t chunkSize)
{
    LineAssembler assembler;
    std::vector<std::string> lines;
    const auto collect = [&](std::string_view run) {
        for (auto& line : LinesOf(run))
            lines.push_back(std::move(line));
    };
    for (std::size_t at = 0; at < text.size(); at += chunkSize)
        assembler.feed(text.substr(at, chunkSize), collect);
    collect(assembler.rest());
    return lines;
}

TEST(Lines, EndAtCrLfAtALoneCrAndAtALoneLf)
{
    const std::string text = "a\r\nb\rc\nd\n\re";
    EXPECT_EQ(LinesOf(text), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(CountLines(text), 6u);
}

class LinesAt : public testing::AtEverySimdLevel {};
TALLYWICK_AT_EVERY_SIMD_LEVEL(LinesAt);

// The vector scans find and count what the byte rule finds and counts, over every block boundary.
TEST_P(LinesAt, ScansAgreeWithTheByteRule)
{
    std::mt19937 random(16);
    for (int round = 0; round < 4000; ++round) {
        std::string text(random() % 200, 'x');
        for (auto& c : text)
            c = "xx\r\n\0\x8d\x8a"[random() % 7];
        std::size_t lines = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
                ++lines;
        }
        if (!text.empty() && !IsLineBreak(text.back()))
            ++lines;
        ASSERT_EQ(CountLines(text, level()), lines) << round;
        for (std::size_t from = 0; from <= text.size(); ++from) {
            const auto found = text.find_first_of("\r\n", from);
            ASSERT_EQ(FindLineBreak(text, from, level()), found == std::string::npos ? text.size() : found);
            const auto before = from == 0 ? std::string::npos : text.find_last_of("\r\n", from - 1);
            ASSERT_EQ(FindLineStart(text, from, level()), before == std::string::npos ? 0 : before + 1);
        }
    }
}

// Every chunk size, so a CR LF is split between chunks somewhere and must stay one break.
TEST(LineAssembler, GivesTheSameLinesWhateverTheChunkSize)
{
    const std::string text = "first line\r\nsecond\rthird\n\r\nfourth\r\r\nfifth without break";
    const auto whole = LinesOf(text);
    for (std::size_t size = 1; size <= text.size(); ++size)
        EXPECT_EQ(AssembledLines(text, size), whole) << "chunk size " << size;
}

// What another thread prepares for a chunk is the very run the assembler hands on in place, told
// only the byte before the chunk: every chunking of breaks of all kinds, split CR LFs among them.
TEST(LineAssembler, TellsAheadTheRunItHandsOnInPlace)
{
    std::mt19937 random(11);
    const std::array<std::string_view, 5> parts{"line", "\r\n", "\r", "\n", "x"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += parts[random() % parts.size()];
        LineAssembler assembler;
        char before = '\n';
        for (std::size_t at = 0; at < text.size();) {
            const auto chunk = std::string_view(text).substr(at, 1 + random() % 12);
            std::string_view inPlace;
            assembler.feed(chunk, [&](std::string_view run) {
                if (run.data() >= chunk.data() && run.data() < chunk.data() + chunk.size())
                    inPlace = run;
            });
            const auto told = LineAssembler::RunInPlace(chunk, before);
            const auto where = [](std::string_view run) { return run.empty() ? nullptr : run.data(); };
            EXPECT_EQ(where(told), where(inPlace)) << "round " << round << " at " << at;
            EXPECT_EQ(told.size(), inPlace.size()) << "round " << round << " at " << at;
            before = chunk.back();
            at += chunk.size();
        }
    }
}

// A bounded assembler passes on every line in order; a line longer than the bound may come as
// the overlong mark instead (always when no chunk held it whole), and the carry never outgrows
// the bound.
TEST(LineAssembler, LetsGoOfLinesLongerThanItsBoundAndKeepsTheirPlace)
{
    const std::string kOverlong = "<overlong>";
    constexpr std::size_t kBound = 6;
    std::mt19937 random(38);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int i = random() % 12; i > 0; --i) {
            text.append(random() % 3 == 0 ? 7 + random() % 20 : random() % 7, 'a' + static_cast<char>(round % 26));
            text += std::array{"\n", "\r\n", "\r"}[random() % 3];
        }
        if (random() % 2 == 0)
            text.append(random() % 15, 'z'); // a last line without its break
        const std::size_t chunkSize = 1 + random() % 9;

        LineAssembler assembler(kBound);
        std::vector<std::string> lines;
        const auto collect = [&](std::string_view run) {
            for (auto& line : LinesOf(run))
                lines.push_back(std::move(line));
        };
        for (std::size_t at = 0; at < text.size(); at += chunkSize) {
            assembler.feed(text.substr(at, chunkSize), collect, [&] { lines.push_back(kOverlong); });
            ASSERT_LE(assembler.rest().size(), kBound + 1) << "a CR may be held beside a whole line";
        }
        collect(assembler.rest());
        if (assembler.endsInOverlongLine())
            lines.push_back(kOverlong);

        const auto expected = LinesOf(text);
        ASSERT_EQ(lines.size(), expected.size()) << text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (expected[i].size() <= kBound)
                EXPECT_EQ(lines[i], expected[i]) << text;
            else if (expected[i].size() > chunkSize)
                EXPECT_EQ(lines[i], kOverlong) << text;
            else
                EXPECT_TRUE(lines[i] == kOverlong || lines[i] == expected[i]) << text;
        }
    }
}

} // namespace
} // namespace tallywick
