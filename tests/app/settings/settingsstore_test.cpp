#include "app/settings/preferences.h"
#include "app/settings/settingsstore.h"
#include "app/settings/settingstrouble.h"

#include "support/storetesting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tallywick {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // A settings file as a user or another program left it; a file of its own each time, since
    // the settings library keeps the files it has read.
    QString iniWith(const QByteArray& lines)
    {
        const QString path = dir_.filePath(QStringLiteral("%1.ini").arg(++files_));
        testing::WriteBytes(path, "[Settings]\n" + lines.toStdString());
        return path;
    }

    QTemporaryDir dir_;
    int files_ = 0;
};

TEST_F(SettingsStoreTest, ReadingWritesNothing)
{
    const SettingsStore settings(dir_.filePath("none.ini"));
    EXPECT_EQ(settings.read(keys::TimeLimit), 12);
    EXPECT_FALSE(QFile::exists(settings.path()));
}

TEST_F(SettingsStoreTest, TextsComeBackAsWritten)
{
    const QStringList texts = {"GET /a,b,c.zip", "a, b", " padded ", "@at;x#y=z \"q\" \\", "Grüße", QString()};
    const QString path = dir_.filePath("texts.ini");
    {
        SettingsStore settings(path);
        for (int i = 0; i < texts.size(); ++i)
            settings.write(SearchSlotKey(0, i), texts[i]);
        settings.write(keys::NeedSort, true);
    }
    const SettingsStore settings(path);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(settings.read(SearchSlotKey(0, i), "absent"), texts[i]);
    EXPECT_EQ(settings.read("NeedSort", QString()), "True");
    EXPECT_EQ(SettingsStore(iniWith("Traffic_URL=http://example.com/?a=1,b=2\n")).read(keys::TrafficUrl),
              "http://example.com/?a=1,b=2");
}

TEST_F(SettingsStoreTest, EveryWriteIsAnnounced)
{
    SettingsStore settings(dir_.filePath("typed.ini"));
    QStringList announced;
    QObject::connect(&settings, &SettingsStore::changed, [&](const QString& key) { announced << key; });
    settings.write(keys::Path, "/var/log/access.log");
    settings.write(keys::TrafficMenu, "&Stats");
    settings.write(keys::TimeLimit, 6);
    settings.write(keys::NeedSort, true);
    EXPECT_EQ(announced, (QStringList{"Path", "Traffic_menu", "TimeLimit", "NeedSort"}));
}

TEST_F(SettingsStoreTest, KeysMatchWithoutRegardToCaseAndWritesKeepTheStoredSpelling)
{
    SettingsStore settings(iniWith("timelimit=6\nneedSORT=tRUE\n"));
    EXPECT_EQ(settings.read(keys::TimeLimit), 6);
    EXPECT_TRUE(settings.read(keys::NeedSort));
    settings.write(keys::TimeLimit, 8);
    EXPECT_EQ(settings.read(keys::TimeLimit), 8);
    QFile file(settings.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("timelimit=8") && !text.contains("TimeLimit")) << text.toStdString();
}

TEST_F(SettingsStoreTest, ValuesThatDoNotConvertReadAsTheKeysDefault)
{
    const struct {
        const IntegerKey& key;
        const char* stored;
        int expected;
    } cases[] = {
        {keys::TimeLimit, "abc", 12}, {keys::TimeLimit, "99999", 12}, {keys::TimeLimit, "0", 12},
        {keys::TimeLimit, "25", 12},  {keys::TimeLimit, "6.5", 12},   {keys::TimeLimit, " 24 ", 24},
        {keys::TimeLimit, "1", 1},    {keys::SplitTime, "abc", 30},   {keys::SplitTime, "99999", 30},
        {keys::SplitTime, "45", 45},  {keys::TimeSpan, "4", 0},       {keys::SearchFile, "1", 1},
    };
    for (const auto& c : cases) {
        const SettingsStore settings(iniWith(QByteArray(c.key.name) + "=" + c.stored + "\n"));
        EXPECT_EQ(settings.read(c.key), c.expected) << c.key.name << "=" << c.stored;
    }
    const SettingsStore truths(iniWith("NeedSort=maybe\nGraphStyle1=TRUE\nTraffic_URL_Option=False\n"));
    EXPECT_FALSE(truths.read(keys::NeedSort));
    EXPECT_TRUE(truths.read(keys::GraphStyle1));
    EXPECT_FALSE(truths.read(keys::TrafficUrlOption));
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadOrWrittenIsNeverReplacedAndSaysSo)
{
    const QString folder = dir_.filePath("folder.ini");
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsStore settings(folder);
    ASSERT_TRUE(settings.readProblem());
    EXPECT_EQ(*settings.readProblem(), "it is a folder");
    EXPECT_FALSE(settings.write(keys::NeedSort, true));
    EXPECT_TRUE(QFileInfo(folder).isDir());

    EXPECT_FALSE(SettingsStore(dir_.filePath("absent.ini")).readProblem());

    // Readable as absent, but a file stands where its folder should be: the write says it failed.
    SettingsStore underAFile(iniWith("NeedSort=True\n") + "/Tallywick.ini");
    EXPECT_FALSE(underAFile.readProblem());
    EXPECT_FALSE(underAFile.write(keys::NeedSort, true));
    EXPECT_TRUE(SettingsStore(dir_.filePath("fine.ini")).write(keys::NeedSort, true));
}

TEST_F(SettingsStoreTest, KeysWhoseBytesAreNotUtf8AreNamedOnce)
{
    const SettingsStore settings(iniWith("Combo10_0=GET /caf\xe9.zip\nCombo10_1=GET /caf\xc3\xa9.zip\n"
                                         "Combo11_0=\xff\nCombo10_0=\xe9 again\n[Other]\nElsewhere=\xe9\n"));
    EXPECT_EQ(settings.keysNotUtf8(), (QStringList{"Combo10_0", "Combo11_0"}));
    EXPECT_EQ(settings.read("Combo10_1", QString()), "GET /caf\u00e9.zip");
}

TEST_F(SettingsStoreTest, TroubleIsDescribedForTheUser)
{
    EXPECT_FALSE(DescribeSettingsTrouble(SettingsStore(iniWith("NeedSort=True\n"))));
    const auto bytes = DescribeSettingsTrouble(SettingsStore(iniWith("Combo10_0=caf\xe9\nCombo11_3=\xff\n")));
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->contains("\"Combo10_0\", \"Combo11_3\" hold bytes that are not UTF-8")) << bytes->toStdString();
    const QString folder = dir_.filePath("folder.ini");
    ASSERT_TRUE(QDir().mkpath(folder));
    const auto unreadable = DescribeSettingsTrouble(SettingsStore(folder));
    ASSERT_TRUE(unreadable);
    EXPECT_TRUE(unreadable->contains(folder + " cannot be read (it is a folder)")) << unreadable->toStdString();
}

TEST_F(SettingsStoreTest, TheEnvironmentNamesTheFile)
{
    qputenv("TALLYWICK_CONFIG", "/elsewhere/Tallywick.ini");
    EXPECT_EQ(SettingsStore::defaultPath(), "/elsewhere/Tallywick.ini");
    qunsetenv("TALLYWICK_CONFIG");
    EXPECT_TRUE(SettingsStore::defaultPath().endsWith("/Tallywick/Tallywick.ini"));
}

} // namespace
} // namespace tallywick
