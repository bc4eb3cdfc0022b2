#include "mainwindowfixture.h"

#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tallywick::testing {
namespace {

void PressEnterInFindBox(MainWindow& window)
{
    QTest::keyClick(FindChild<QComboBox>(window, "searchBox0")->lineEdit(), Qt::Key_Return);
}

QAction* OpenItem(const TestProgram& run)
{
    TrayIcon* tray = run.program->tray();
    for (int i = 0; i < tray->menuItemCount(); ++i) {
        if (tray->menuKey(i) == QLatin1String("open"))
            return tray->menu().actions().at(i);
    }
    return nullptr;
}

} // namespace

// What a new user meets before and around the first report.
class FirstUseTest : public QObject {
    Q_OBJECT

private slots:
    void enterBeforeAnyReportAsksForOneInTheStatusBar()
    {
        TestProgram run;
        QVERIFY(run.start());
        PressEnterInFindBox(run.window());
        QVERIFY(run.messages(QStringLiteral("File Not Found")).empty());
        QCOMPARE(run.window().statusText(), QStringLiteral("Open or paste a log first"));

        // Once pasted, the search runs as ever.
        run.paste(Joined(SmallReport()));
        PressEnterInFindBox(run.window());
        QCOMPARE(run.window().statusText(), run.window().tempFilePath());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void aStoredReportThatIsGoneIsStillReportedMissing()
    {
        TestProgram run;
        const QString stored = run.dir.filePath(QStringLiteral("gone.log"));
        run.setting("Path", stored);
        QVERIFY(run.start());
        PressEnterInFindBox(run.window());
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound.front().text, stored);
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
        Dialogs::queueFileName(newer);
        FindChild<QAction>(run.window(), "openAction")->trigger();
        QCOMPARE(run.window().reportPath(), newer);
        // Rotated away while the window was hidden: not stored, yet still the window's report.
        QVERIFY(QFile::remove(newer));
        run.window().close();
        QTRY_VERIFY(!run.program->mainWindow());
        QCOMPARE(run.stored("Path"), older);

        OpenItem(run)->trigger();
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
        FindChild<QAction>(window, "trackingAction")->trigger();
        auto* dialog = window.findChild<TrackingDialog*>();
        QVERIFY(dialog);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "addAllButton"), Qt::LeftButton);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);

        const auto& history = window.session().History;
        const auto zips = std::count_if(history.begin(), history.end(), [](const std::string& record) {
            return record.find("pelmor.zip") != std::string::npos;
        });
        QVERIFY(zips > 0);
        QVERIFY(window.statusText().contains(QStringLiteral("newly tracked items")));
        // Another search collects nothing twice.
        const auto size = history.size();
        PressEnterInFindBox(window);
        FindChild<QAction>(window, "trackingAction")->trigger();
        QCOMPARE(window.session().History.size(), size);
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

        FindChild<QAction>(window, "timeLimitAction")->trigger();
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
        QVERIFY(run.window().trackedItems().empty());
    }
};

} // namespace tallywick::testing

QTEST_MAIN(tallywick::testing::FirstUseTest)
#include "firstuse_test.moc"
