#include "app/instance/instancechannel.h"
#include "mainwindowfixture.h"

#include <QElapsedTimer>

#include <future>

namespace tallywick::testing {
namespace {

// A second start asks from its own process; here from a thread, while this one runs the loop.
bool AskAsASecondStart(const TestProgram& run, const QString& report = QString())
{
    const QString name = InstanceChannelName(run.setup.dataFolder);
    auto asked = std::async(std::launch::async, [&] { return AskRunningInstance(name, {report}); });
    while (asked.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return asked.get();
}

} // namespace

class SecondStartTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartBringsTheWindowBackFromTheTray()
    {
        TestProgram run;
        QVERIFY(run.start());
        run.window().close();
        QTRY_VERIFY(!run.program->mainWindow());

        QVERIFY(AskAsASecondStart(run));
        QTRY_VERIFY(run.program->mainWindow());
        QVERIFY(run.window().isVisible());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void aReportNamedOnTheCommandLineIsOpenedAndSearched()
    {
        TestProgram run;
        const QString first = run.dir.filePath(QStringLiteral("access.log"));
        const QString second = run.dir.filePath(QStringLiteral("access.log.1"));
        WriteFile(first, Joined(SmallReport()).toUtf8());
        WriteFile(second, Joined({ReportLine("192.0.2.98", "04/Dec/2026:13:00:00", kExe),
                                  ReportLine("192.0.2.99", "04/Dec/2026:14:00:00", kExe)})
                              .toUtf8());
        run.setup.report = first;
        QVERIFY(run.start());
        QVERIFY(run.searched());
        QCOMPARE(run.window().reportPath(), first);
        QCOMPARE(FindChild<QLabel>(run.window(), "countLabel0")->text(), QStringLiteral("Found: 1"));

        QVERIFY(AskAsASecondStart(run, second));
        QTRY_COMPARE(run.window().reportPath(), second);
        QVERIFY(run.searched());
        QCOMPARE(run.window().statusText(), second);
        QCOMPARE(FindChild<QLabel>(run.window(), "countLabel0")->text(), QStringLiteral("Found: 2"));
        QVERIFY(Dialogs::shownMessages().empty());
    }
};

} // namespace tallywick::testing

QTEST_MAIN(tallywick::testing::SecondStartTest)
#include "secondstart_test.moc"
