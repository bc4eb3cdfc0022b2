#include "app/instance/channelfolder.h"
#include "app/instance/instancechannel.h"
#include "mainwindowfixture.h"
#include "ui/main/commandline.h"

#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <future>

namespace tallywick::testing {
namespace {

void PressEnterInFindBox(const TestProgram& run)
{
    QTest::keyClick(run.find<QComboBox>("searchBox0")->lineEdit(), Qt::Key_Return);
}

// A second start asks from its own process; here from a thread, while this one runs the loop.
bool AskAsASecondStart(const TestProgram& run, const QStringList& reports = {})
{
    const QString path = InstanceChannelPath(UserChannelFolder().path, run.setup.dataFolder);
    auto asked = std::async(std::launch::async, [&] { return AskRunningInstance(path, {reports}); });
    while (asked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return asked.get().answered();
}

} // namespace

// What a user meets at the start: before and around the first report, a second start, and
// settings that cannot be taken as stored, which are said, never passed over.
class FirstUseTest : public QObject {
    Q_OBJECT

private slots:
    void enterBeforeAnyReportAsksForOneInTheStatusBar()
    {
        TestProgram run;
        QVERIFY(run.start());
        PressEnterInFindBox(run);
        QVERIFY(run.messages(QStringLiteral("File Not Found")).empty());
        QCOMPARE(run.window().statusText(), QStringLiteral("Open or paste a log first"));

        // Once pasted, the search runs as ever.
        run.paste(Joined(SmallReport()));
        PressEnterInFindBox(run);
        QCOMPARE(run.window().statusText(), run.window().tempFilePath());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    // And closing keeps it.
    void aStoredReportThatIsGoneIsStillReportedMissing()
    {
        TestProgram run;
        const QString stored = run.dir.filePath(QStringLiteral("gone.log"));
        run.setting("Path", stored);
        QVERIFY(run.start());
        QCOMPARE(run.window().reportPath(), stored);
        PressEnterInFindBox(run);
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound.front().text, stored);
        run.window().close();
        QCOMPARE(run.stored("Path"), stored);
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("0"));
    }

    void reopeningFromTheTrayKeepsTheWindowsReport()
    {
        TestProgram run;
        const QString older = run.dir.filePath(QStringLiteral("older.log"));
        const QString newer = run.dir.filePath(QStringLiteral("access.log.1"));
        WriteFile(older, Joined(SmallReport()).toUtf8());
        WriteFile(newer, Joined(SmallReport()).toUtf8());
        run.setting("Path", older);
        QVERIFY(run.start());
        run.open(newer);
        QCOMPARE(run.window().reportPath(), newer);
        // Rotated away while the window was hidden: not stored, yet still the window's report.
        QVERIFY(QFile::remove(newer));
        run.window().close();
        QTRY_VERIFY(!run.program->mainWindow());
        QCOMPARE(run.stored("Path"), older);

        run.trayItem("open")->trigger();
        QTRY_VERIFY(run.program->mainWindow());
        QCOMPARE(run.window().reportPath(), newer);
    }

    void trackingANewItemAddsTheLoadedReportsHitsAtOnce()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.exe"});
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        run.trigger("trackingAction");
        auto* dialog = window.findChild<TrackingDialog*>();
        QVERIFY(dialog);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "addAllButton"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);

        const auto& history = run.session().History;
        const auto zips = std::count_if(history.begin(), history.end(), [](const std::string& record) {
            return record.find("pelmor.zip") != std::string::npos;
        });
        QVERIFY(zips > 0);
        QVERIFY(window.statusText().contains(QStringLiteral("newly tracked items")));
    }

    // The hits of a report that can be read again are read back from it: not from a changed one.
    void aReportChangedSinceItsSearchAddsNothingForANewItem()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.exe"});
        const QString report = run.dir.filePath(QStringLiteral("access.log"));
        WriteFile(report, Joined(SmallReport()).toUtf8());
        QVERIFY(run.start());
        run.open(report);
        QVERIFY(run.searched());
        // Rotated: another report under the same name.
        WriteFile(report, Joined(SmallReport()).replace(QStringLiteral("04/Dec"), QStringLiteral("05/Dec")).toUtf8());
        run.trigger("trackingAction");
        auto* dialog = run.window().findChild<TrackingDialog*>();
        QVERIFY(dialog);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "addAllButton"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(run.window().statusText(),
                 QStringLiteral("The report has changed: search it again for the newly tracked items"));
    }

    void downloadsOlderThanTheTimeLimitAreAnnounced()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.exe"});
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined({ReportLine("203.0.113.45", "04/Mar/2015:10:15:42", kExe),
                          ReportLine("203.0.113.46", "20/Nov/2026:10:15:42", kExe),
                          ReportLine("203.0.113.47", "04/Dec/2026:10:15:42", kExe)}));
        QCOMPARE(window.statusText(), QStringLiteral("1 download is older than the history time limit (12 months) "
                                                     "and leaves the history at the next save"));

        run.trigger("timeLimitAction");
        auto* dialog = window.findChild<TimeLimitDialog*>();
        QVERIFY(dialog);
        auto* removal = FindChild<QLabel>(dialog, "removalLabel");
        QCOMPARE(removal->text(), QStringLiteral("1 download leaves the history at the next save."));
        FindChild<QComboBox>(dialog, "limitBox")->setCurrentIndex(0); // one month: December 2026 only
        QCOMPARE(removal->text(), QStringLiteral("2 downloads leave the history at the next save."));
        FindChild<QPushButton>(dialog, "cancelButton")->click();
    }

    void unreadableTrackedItemsAreToldOnce()
    {
        TestProgram run;
        QVERIFY(QDir().mkpath(run.dataFile("tracking.dat")));
        QVERIFY(run.start());
        run.window().showAndActivate();
        run.window().showAndActivate();
        const auto told = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(told.size(), std::size_t{1});
        QVERIFY(told.front().text.contains(QStringLiteral("tracking.dat")));
        QVERIFY(run.program->history().trackedItems().empty());
    }

    void reportsNamedOnTheCommandLineAreOpenedAndSearchedAsOne()
    {
        TestProgram run;
        ProgramCommandLine line;
        QVERIFY(line.parser().parse({QStringLiteral("tallywick"), QStringLiteral("--data-dir"), run.setup.dataFolder,
                                     QStringLiteral("access.log.1"), QStringLiteral("logs/access.log")}));
        const ProgramSetup parsed = line.setup();
        QCOMPARE(parsed.dataFolder, run.setup.dataFolder);
        QCOMPARE(parsed.reports, QStringList({QDir::current().absoluteFilePath(QStringLiteral("access.log.1")),
                                              QDir::current().absoluteFilePath(QStringLiteral("logs/access.log"))}));

        const QString older = run.dir.filePath(QStringLiteral("access.log.1"));
        const QString newer = run.dir.filePath(QStringLiteral("access.log"));
        WriteFile(older, Joined(SmallReport()).toUtf8());
        WriteFile(newer, Joined({ReportLine("192.0.2.98", "04/Dec/2026:13:00:00", kExe),
                                 ReportLine("192.0.2.99", "04/Dec/2026:14:00:00", kExe)})
                             .toUtf8());
        run.setup.reports = {newer, older};
        QVERIFY(run.start());
        QVERIFY(run.searched());
        QCOMPARE(run.window().reportPath(), newer);
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 3"));

        // A second start brings the window back from the notification area with its report.
        run.window().close();
        QTRY_VERIFY(!run.program->mainWindow());
        QVERIFY(AskAsASecondStart(run, {older}));
        QTRY_VERIFY(run.program->mainWindow());
        QVERIFY(run.window().isVisible());
        QTRY_COMPARE(run.window().reportPath(), older);
        QVERIFY(run.searched());
        QCOMPARE(run.window().statusText(), older);
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 1"));
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void troubleIsSaidOnceAndTheFileLeftAlone_data()
    {
        QTest::addColumn<int>("trouble");
        QTest::addColumn<QString>("said");
        QTest::newRow("unreadable") << 0 << QStringLiteral("cannot be read (it is a folder)");
        QTest::newRow("unwritable") << 1 << QStringLiteral("The settings could not be saved");
    }

    void troubleIsSaidOnceAndTheFileLeftAlone()
    {
        QFETCH(int, trouble);
        QFETCH(QString, said);
        TestProgram run;
        if (trouble == 0) {
            QVERIFY(QDir().mkpath(run.setup.settingsFile));
        } else {
            // Its folder is a file: every write fails.
            const QString folder = run.dir.filePath(QStringLiteral("config"));
            WriteFile(folder, "not a folder");
            run.setup.settingsFile = folder + QStringLiteral("/Tallywick.ini");
        }
        QVERIFY(run.start());
        if (trouble == 1)
            run.click("searchOnStartBox");
        run.window().close();
        const auto told = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(told.size(), std::size_t{1});
        QVERIFY2(told[0].text.contains(said), qPrintable(told[0].text));
        if (trouble == 0)
            QVERIFY(QFileInfo(run.setup.settingsFile).isDir());
    }
};

} // namespace tallywick::testing

QTEST_MAIN(tallywick::testing::FirstUseTest)
#include "firstuse_test.moc"
