#include "app/report/mappedreports.h"

#include "support/storetesting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallywick {
namespace {

std::string Copied(const MappedReports& reports, const std::vector<StreamLine>& lines, bool& copied)
{
    std::size_t bytes = 0;
    for (const StreamLine& line : lines)
        bytes += line.size;
    std::string out(bytes, '\0');
    copied = reports.copyLines(lines, out.data());
    return out;
}

// Lines of two reports, by where they stand in the one stream a search read them as: the second
// began one byte after the first ended (the break a last line without one was given).
TEST(MappedReports, CopiesLinesOfEachReportByTheirPlaceInTheStream)
{
    QTemporaryDir dir;
    const std::string first = "first line\nsecond line";
    const std::string second = std::string(70'000, 'x') + "\nthird line\n";
    testing::WriteBytes(dir.filePath("a.log"), first);
    testing::WriteBytes(dir.filePath("b.log"), second);
    const std::uint64_t secondStart = first.size() + 1;
    const MappedReports reports({dir.filePath("a.log"), dir.filePath("b.log")}, {{0, 0}, {secondStart, 2}});
    ASSERT_TRUE(reports.error().isEmpty()) << reports.error().toStdString();

    bool copied = false;
    EXPECT_EQ(Copied(reports, {{secondStart + 70'001, 10}, {11, 11}, {0, 5}}, copied), "third linesecond linefirst");
    EXPECT_TRUE(copied);
    EXPECT_EQ(Copied(reports, {}, copied), "");
    EXPECT_TRUE(copied);

    for (const StreamLine outside : {StreamLine{11, 12}, StreamLine{secondStart + second.size(), 1}}) {
        Copied(reports, {{0, 5}, outside}, copied);
        EXPECT_FALSE(copied) << outside.offset;
    }
}

// A log rotated by cutting it short while its lines are copied: the copy fails, the program
// goes on.
TEST(MappedReports, AReportCutShortSinceItWasMappedFailsTheCopy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("access.log");
    constexpr std::uint64_t kBlock = 65536; // a whole number of pages
    testing::WriteBytes(path, std::string(3 * kBlock, 'x'));
    const MappedReports reports({path}, {{0, 0}});
    ASSERT_TRUE(reports.error().isEmpty());
    ASSERT_TRUE(QFile::resize(path, 0));
    bool copied = true;
    Copied(reports, {{kBlock, 100}, {2 * kBlock, 100}}, copied);
    EXPECT_FALSE(copied);
    // And again: the handler is still there after a jump out of it.
    Copied(reports, {{2 * kBlock, 100}}, copied);
    EXPECT_FALSE(copied);
}

TEST(MappedReports, AReportThatCannotBeOpenedIsAnError)
{
    QTemporaryDir dir;
    testing::WriteBytes(dir.filePath("a.log"), "a line\n");
    const MappedReports reports({dir.filePath("a.log"), dir.filePath("gone.log")}, {{0, 0}, {7, 1}});
    EXPECT_TRUE(reports.error().contains("gone.log"));
    bool copied = true;
    Copied(reports, {{0, 6}}, copied);
    EXPECT_FALSE(copied);
}

} // namespace
} // namespace tallywick
