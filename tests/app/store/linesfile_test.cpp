#include "app/store/linesfile.h"

#include "app/store/trackingfile.h"
#include "support/storetesting.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;
using Status = LinesRead::Status;

class LinesFileTest : public ::testing::Test {
protected:
    QString path() const { return dir_.filePath("tracking.dat"); }
    Lines read(const std::string& bytes, EmptyLines empty = EmptyLines::Keep) const
    {
        WriteBytes(path(), bytes);
        const auto read = ReadLinesFile(path(), empty);
        EXPECT_EQ(read.status, Status::Read);
        return read.lines;
    }
    QTemporaryDir dir_;
};

TEST_F(LinesFileTest, EveryKindOfLineBreakEndsALine)
{
    EXPECT_EQ(read("a\r\nb\rc\nd\n\re", EmptyLines::Drop), (Lines{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(read("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(read("a\r"), Lines{"a"});
    EXPECT_EQ(read(""), Lines{});
    // A line longer than a read block, and a CR LF split between two blocks.
    const std::string longLine(3 << 20, 'x');
    const std::string edge((1 << 20) - 1, 'y');
    EXPECT_EQ(read(longLine + "\n" + edge + "\r\nz"), (Lines{longLine, edge, "z"}));
}

TEST_F(LinesFileTest, MissingIsAnEmptyListAndUnreadableSaysWhy)
{
    EXPECT_EQ(ReadLinesFile(path(), EmptyLines::Keep).status, Status::Missing);
    EXPECT_TRUE(LoadTrackedItems(path()).empty());
    ASSERT_TRUE(QDir().mkpath(path()));
    const auto failed = ReadLinesFile(path(), EmptyLines::Keep);
    EXPECT_EQ(failed.status, Status::Failed);
    EXPECT_FALSE(failed.error.isEmpty());
    EXPECT_TRUE(LoadTrackedItems(path()).empty());
}

TEST_F(LinesFileTest, TrackedItemsAreSavedAsTheTrackingDialogWritesThem)
{
    EXPECT_FALSE(SaveTrackedItems(path(), {"/a.zip", "", "/b.exe"}));
    EXPECT_EQ(FileBytes(path()), "/a.zip\r\n\r\n/b.exe\r\n");
    EXPECT_EQ(LoadTrackedItems(path()), (Lines{"/a.zip", "", "/b.exe"}));
    EXPECT_FALSE(SaveTrackedItems(path(), {}));
    EXPECT_EQ(FileBytes(path()), "");
}

TEST_F(LinesFileTest, ASaveThatFailsHalfWayLeavesThePreviousFileWhole)
{
    WriteBytes(path(), "previous\r\n");
    const auto error = WriteLinesFile(path(), Lines(50000, std::string(60, 'r')), FailAfter(1 << 20));
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->contains("No space")) << error->toStdString();
    EXPECT_EQ(FileBytes(path()), "previous\r\n");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tracking.dat"})
        << "no temporary file is left behind";
    EXPECT_TRUE(WriteLinesFile(dir_.filePath("no/such/folder.dat"), Lines{"a"}));
}

} // namespace
} // namespace tallywick
