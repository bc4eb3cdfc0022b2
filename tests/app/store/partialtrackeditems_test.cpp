#include "app/store/partialtrackeditems.h"
#include "support/failingdevice.h"

#include "support/storetesting.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

ReadFileOpener FailingAfter(std::string bytes)
{
    return [bytes](const QString&) -> std::unique_ptr<QIODevice> { return std::make_unique<FailingDevice>(bytes); };
}

class PartialTrackedItems : public ::testing::Test {
protected:
    void SetUp() override { testing::WriteBytes(path, "/a.zip\r\n/b.zip\r\n"); }
    QTemporaryDir dir;
    QString path = dir.filePath("tracking.dat");
};

TEST_F(PartialTrackedItems, AWholeFileIsReadWithoutAWord)
{
    const auto load = LoadTrackedItemsKeepingPart(path);
    EXPECT_EQ(load.items, (std::vector<std::string>{"/a.zip", "/b.zip"}));
    EXPECT_FALSE(load.problem);
    EXPECT_TRUE(LoadTrackedItemsKeepingPart(dir.filePath("none.dat")).items.empty());
    EXPECT_FALSE(LoadTrackedItemsKeepingPart(dir.filePath("none.dat")).problem);
}

TEST_F(PartialTrackedItems, AFailurePartWayKeepsTheWholeItemsBeforeItAndSaysSo)
{
    const auto load = LoadTrackedItemsKeepingPart(path, FailingAfter("/a.zip\r\n/b.zip\r\n/c.z"));
    EXPECT_EQ(load.items, (std::vector<std::string>{"/a.zip", "/b.zip"}));
    ASSERT_TRUE(load.problem);
    EXPECT_TRUE(load.problem->contains("Input/output error"));
    EXPECT_TRUE(load.problem->contains("2 items"));

    const auto none = LoadTrackedItemsKeepingPart(path, FailingAfter(""));
    EXPECT_TRUE(none.items.empty());
    EXPECT_TRUE(none.problem);
}

} // namespace
} // namespace tallywick
