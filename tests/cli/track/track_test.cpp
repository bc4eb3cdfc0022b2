#include "app/files/datafolderlock.h"
#include "cli/clitest.h"

#include <QFileInfo>

namespace tallywick {
namespace {

using namespace testing;

class TrackTest : public CliTest {
protected:
    CliRun track(const QStringList& arguments) const { return run(QStringList{"track"} + arguments); }
    void tracking(const std::string& bytes) const
    {
        ASSERT_TRUE(QDir().mkpath(dataDir()));
        WriteBytes(dataFile("tracking.dat"), bytes);
    }
    std::string tracking() const { return FileBytes(dataFile("tracking.dat")); }
};

TEST_F(TrackTest, AddsItemsAsTheTrackingDialogWritesThem)
{
    EXPECT_EQ(track({"list", "--json"}).out, "{\n  \"tracked\": []\n}\n");
    EXPECT_FALSE(QFileInfo::exists(dataDir())) << "listing creates nothing";
    const auto added = track({"add", "/a.zip"});
    EXPECT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "Now tracking \"/a.zip\".\n");
    EXPECT_EQ(track({"add", "/b.exe", "--json"}).out, "{\n  \"tracked\": [\n    \"/a.zip\",\n    \"/b.exe\"\n  ]\n}\n");
    EXPECT_EQ(tracking(), "/a.zip\r\n/b.exe\r\n");
    EXPECT_EQ(track({"list"}).out, "/a.zip\n/b.exe\n");

    const auto again = track({"add", "/a.zip"});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out, "\"/a.zip\" is already tracked; nothing changed.\n");
    for (const QString& bad : QStringList{QString(), "/c.zip\n/d.zip"}) {
        const auto refused = track({"add", bad});
        EXPECT_EQ(refused.code, 2);
        EXPECT_NE(refused.err.find("nothing was written"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(tracking(), "/a.zip\r\n/b.exe\r\n");
}

TEST_F(TrackTest, RemoveTakesOutEveryCopyOfTheItem)
{
    tracking("/a.zip\n\n/b.exe\r/a.zip");
    EXPECT_EQ(track({"remove", "/a.zip", "--json"}).out, "{\n  \"tracked\": [\n    \"\",\n    \"/b.exe\"\n  ]\n}\n");
    EXPECT_EQ(tracking(), "\r\n/b.exe\r\n");
    const auto absent = track({"remove", "/a.zip"});
    EXPECT_EQ(absent.code, 2);
    EXPECT_NE(absent.err.find("not tracked"), std::string::npos) << absent.err;
    EXPECT_EQ(tracking(), "\r\n/b.exe\r\n");
}

TEST_F(TrackTest, AvailableOffersTheStoredSearchStringsNotTrackedYet)
{
    setting("Combo10_0", "GET /quarnel/shareware/pelmor.zip");
    setting("Combo10_1", "GET /a.zip");
    setting("Combo11_0", ".exe");
    tracking("/a.zip\r\n");
    EXPECT_EQ(track({"available"}).out, "/quarnel/shareware/pelmor.zip\n.exe\n");
}

TEST_F(TrackTest, ChangesWaitForTheDataFolderAndNeverReplaceAnUnreadableFile)
{
    tracking("/a.zip\r\n");
    {
        DataFolderLock desktop(dataDir());
        ASSERT_EQ(desktop.tryLock(), DataFolderLock::Status::Locked);
        EXPECT_EQ(track({"add", "/b.zip"}).code, 3);
        EXPECT_EQ(track({"remove", "/a.zip"}).code, 3);
        EXPECT_EQ(track({"list"}).out, "/a.zip\n") << "reading needs no lock";
    }
    EXPECT_EQ(tracking(), "/a.zip\r\n");

    QFile::remove(dataFile("tracking.dat"));
    ASSERT_TRUE(QDir().mkpath(dataFile("tracking.dat")));
    EXPECT_EQ(track({"list"}).code, 1);
    EXPECT_EQ(track({"add", "/a.zip"}).code, 1);
    EXPECT_TRUE(QFileInfo(dataFile("tracking.dat")).isDir());
}

TEST_F(TrackTest, UsageErrors)
{
    for (const auto& arguments :
         {QStringList{}, QStringList{"frob"}, QStringList{"add"}, QStringList{"list", "/a.zip"}}) {
        const auto result = track(arguments);
        EXPECT_EQ(result.code, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_NE(result.err.find("track --help"), std::string::npos) << result.err;
    }
}

} // namespace
} // namespace tallywick
