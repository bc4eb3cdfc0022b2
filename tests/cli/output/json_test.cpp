#include "cli/json.h"

#include <gtest/gtest.h>

#include <string>

namespace tallywick::cli {
namespace {

std::string Escaped(std::string_view bytes)
{
    std::string out;
    AppendJsonStringBody(out, bytes);
    return out;
}

// Printable ASCII is copied sixteen or eight bytes at a time: every byte that is not stops the
// copy where it stands, at any place in the first, second or third block, with plain text on
// either side.
TEST(JsonText, EveryByteThatNeedsEscapingIsFoundAtAnyPlace)
{
    const std::string plain = "GET /quarnel/shareware/pelmor.zip HTTP/1.1 200 48213 (Mozilla)";
    for (std::size_t length = 0; length <= plain.size(); ++length)
        ASSERT_EQ(Escaped(plain.substr(0, length)), plain.substr(0, length));
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const std::string alone = Escaped(std::string_view(&c, 1));
        if (alone == std::string(1, c) && byte < 0x80)
            continue; // plain itself
        for (std::size_t before = 0; before <= 40; ++before) {
            const std::size_t after = 40 - before;
            const std::string bytes = plain.substr(0, before) + c + plain.substr(before, after);
            ASSERT_EQ(Escaped(bytes), plain.substr(0, before) + alone + plain.substr(before, after))
                << "byte " << byte << " after " << before << " plain bytes";
        }
    }
    EXPECT_EQ(Escaped("a\"b\\c\x7f"
                      "d\te"),
              "a\\\"b\\\\c\\u007fd\\te");
}

} // namespace
} // namespace tallywick::cli
