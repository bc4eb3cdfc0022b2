#include "core/search/longlinescan.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

// A text that spans the parts of a line is found, on either side of the request column (38).
TEST(LongLineScan, FindsTheTextAcrossPartsAndTellsTheColumn)
{
    using Found = LongLineScan::Found;
    LongLineScan scan("pelmor.zip");
    scan.add(std::string(30, 'x') + "pelm");
    scan.add("or.zip");
    EXPECT_EQ(scan.found(), Found::BeforeRequestColumn);
    scan.add(std::string(100, 'y') + "pe");
    scan.add("l");
    scan.add("mor.zip");
    EXPECT_EQ(scan.found(), Found::PastRequestColumn);

    scan.reset();
    scan.add(std::string(37, 'x'));
    scan.add("pelmor.zi");
    EXPECT_EQ(scan.found(), Found::Nowhere);
    scan.add("p");
    EXPECT_EQ(scan.found(), Found::PastRequestColumn); // it begins at character 38

    LongLineScan empty("");
    empty.add(std::string(37, 'x'));
    EXPECT_EQ(empty.found(), Found::Nowhere);
    empty.add("x");
    EXPECT_EQ(empty.found(), Found::PastRequestColumn);

    LongLineScan broken("a\nb");
    broken.add("a\nb a\nb");
    EXPECT_EQ(broken.found(), Found::Nowhere);
}

} // namespace
} // namespace tallywick
