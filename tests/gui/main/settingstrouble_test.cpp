// Settings the desktop program cannot take as stored are said at the start, never passed over.

#include "mainwindowfixture.h"

#include <QFileInfo>

namespace tallywick {

using namespace testing;

class SettingsTroubleTest : public QObject {
    Q_OBJECT

private slots:
    void anUnreadableSettingsFileIsSaidAndLeftAlone()
    {
        TestProgram run;
        QVERIFY(QDir().mkpath(run.setup.settingsFile));
        QVERIFY(run.start());
        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{1});
        QVERIFY2(said[0].text.contains(QStringLiteral("cannot be read (it is a folder)")), qPrintable(said[0].text));
        run.window().close();
        QVERIFY(QFileInfo(run.setup.settingsFile).isDir());
    }

    void aSettingsFileThatCannotBeWrittenIsSaidOnce()
    {
        TestProgram run;
        // Its folder is a file: every write fails.
        const QString folder = run.dir.filePath(QStringLiteral("config"));
        WriteFile(folder, "not a folder");
        run.setup.settingsFile = folder + QStringLiteral("/Tallywick.ini");
        QVERIFY(run.start());
        FindChild<QCheckBox>(run.window(), "searchOnStartBox")->click();
        run.window().close();
        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{1});
        QVERIFY2(said[0].text.contains(QStringLiteral("The settings could not be saved")), qPrintable(said[0].text));
    }

    void aSettingWhoseBytesAreNotUtf8IsNamed()
    {
        TestProgram run;
        WriteFile(run.setup.settingsFile, "[Settings]\nCombo10_0=GET /caf\xe9.zip\n");
        QVERIFY(run.start());
        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{1});
        QVERIFY2(said[0].text.contains(QStringLiteral("\"Combo10_0\" holds bytes that are not UTF-8")),
                 qPrintable(said[0].text));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::SettingsTroubleTest)
#include "settingstrouble_test.moc"
