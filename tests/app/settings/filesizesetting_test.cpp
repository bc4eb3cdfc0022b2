#include "app/settings/filesizesetting.h"

#include <gtest/gtest.h>

namespace tallywick {
namespace {

TEST(FileSizeSetting, ReadsEntriesAndPassesOverGarbage)
{
    EXPECT_EQ(ParseFileSizes(QString()), FileSizes{});
    EXPECT_EQ(ParseFileSizes("/quarnel/shareware/pelmor.zip=48213|/a b/ü.exe=0"),
              (FileSizes{{"/quarnel/shareware/pelmor.zip", 48213}, {"/a b/\xC3\xBC.exe", 0}}));
    EXPECT_EQ(ParseFileSizes("garbage||/f.zip=12k| /g.zip=5 |=7|/h.zip=-1|/f.zip=3|/f.zip=4"),
              (FileSizes{{"/f.zip", 4}, {"/g.zip", 5}}))
        << "the later of two entries wins";
}

TEST(FileSizeSetting, WritesWhatItReadsBack)
{
    const FileSizes sizes{{"/quarnel/shareware/pelmor.zip", 48213}, {"/a=b.exe", 7}, {"/x|y", 1}};
    const QString text = FileSizesText(sizes);
    EXPECT_EQ(text, "/a=b.exe=7|/quarnel/shareware/pelmor.zip=48213");
    EXPECT_EQ(ParseFileSizes(text), (FileSizes{{"/quarnel/shareware/pelmor.zip", 48213}, {"/a=b.exe", 7}}));
    // A comma in a stored text, which the settings file's format treats apart, is TextsComeBackAsWritten's.
}

} // namespace
} // namespace tallywick
