#include "mainwindowfixture.h"
#include "support/findchild.h"

#include "app/files/paths.h"
#include "app/settings/preferences.h"
#include "support/failingdevice.h"

#include <QMenu>
#include <QRegularExpression>
#include <QSaveFile>

#include <csignal>

namespace tallywick {

using namespace testing;

namespace {

// The settings as they stood when the history file was opened for saving.
struct SettingsAtHistorySave {
    std::optional<QString> Path, chkSearchFile, Combo10_0, Combo10_1, Combo11_0, NeedSort;
    bool AppRunning = true;
    int saves = 0;
};

// A history save that notes what the settings held at that moment.
SaveFileOpener NotingSave(TestProgram& run, SettingsAtHistorySave& seen)
{
    return [&run, &seen](const QString& path) {
        SettingsStore& settings = run.program->settings();
        const auto find = [&](const char* key) { return settings.find(QLatin1String(key)); };
        seen = {find("Path"),      find("chkSearchFile"), find("Combo10_0"),         find("Combo10_1"),
                find("Combo11_0"), find("NeedSort"),      run.program->appRunning(), seen.saves + 1};
        return OpenSaveFile(path);
    };
}

SaveFileOpener FailingSave()
{
    return [](const QString& path) { return std::make_unique<QSaveFile>(path + QStringLiteral("/cannot/be/here")); };
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartShowsTheDefaultsAndTheIcon()
    {
        TestProgram run;
        QVERIFY(run.start());
        QVERIFY(run.program->appRunning());

        MainWindow& window = run.window();
        QVERIFY(window.isVisible());
        QCOMPARE(window.reportPath(), DefaultReportPath());
        QVERIFY(!run.find<QCheckBox>("searchOnStartBox")->isChecked());
        QVERIFY(run.find<QCheckBox>("noDuplicatesBox")->isChecked());
        QCOMPARE(run.find<QComboBox>("searchBox0")->currentText(), QString::fromUtf8(kExe));
        QCOMPARE(run.find<QComboBox>("searchBox1")->currentText(), QString::fromUtf8(kZip));
        QVERIFY(run.find<QPlainTextEdit>("resultBox0")->isReadOnly());

        // Open, the default, and Exit.
        TrayIcon* tray = run.program->tray();
        QVERIFY(tray->isIconShown() && !tray->icon().isNull());
        QCOMPARE(tray->menuItemCount(), 2);
        QVERIFY(run.trayItem("open") && run.trayItem("exit"));
        QCOMPARE(tray->defaultMenuIndex(), 0);
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void aSecondInstanceIsRefusedAndWritesNothing()
    {
        TestProgram first;
        QVERIFY(first.start());
        first.paste(Joined(SmallReport()));
        const QByteArray settingsBefore = FileBytes(first.setup.settingsFile);

        // The first cannot answer while this thread waits for it.
        Program second(first.setup);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Tallywick already running.")));
        QVERIFY(!second.start());
        QVERIFY(second.startFailed());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QVERIFY(Dialogs::shownMessages()[0].text.startsWith(QStringLiteral("Tallywick already running.\n\n")));
        QVERIFY(Dialogs::shownMessages()[0].text.contains(QStringLiteral("did not answer")));
        QVERIFY(!second.mainWindow() && !second.tray());
        QCOMPARE(FileBytes(first.setup.settingsFile), settingsBefore);
        QVERIFY(first.window().isVisible());
    }

    // Someone else could have bound the channel's name in a folder others may write to.
    void withoutAChannelBothStartsSaySo()
    {
        TestProgram first;
        first.setup.channelFolder = first.dir.filePath(QStringLiteral("shared"));
        QVERIFY(QDir().mkpath(first.setup.channelFolder));
        QVERIFY(QFile::setPermissions(first.setup.channelFolder, QFileDevice::Permissions(0x7777)));
        QVERIFY(first.start());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        const QString told = Dialogs::shownMessages()[0].text;
        QVERIFY2(told.startsWith(QStringLiteral("Starting Tallywick again cannot show this window")), qPrintable(told));
        QVERIFY2(told.contains(first.setup.channelFolder) && told.contains(QStringLiteral("0700")), qPrintable(told));
        QVERIFY(first.window().isVisible());
        // Once: bringing the window back says nothing more.
        first.window().close();
        QTRY_VERIFY(!first.program->mainWindow());
        first.trayItem("open")->trigger();
        QTRY_VERIFY(first.program->mainWindow());

        Program second(first.setup);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Tallywick already running.\n\n.*mode 0777")));
        QVERIFY(!second.start());
        QVERIFY(second.startFailed());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{2});
        QVERIFY(Dialogs::shownMessages()[1].text.startsWith(QStringLiteral("Tallywick already running.\n\n")));
        QVERIFY(Dialogs::shownMessages()[1].text.contains(first.setup.channelFolder));
    }

    void closingSavesInOrderAndLeavesTheProgramInTheNotificationArea()
    {
        TestProgram run;
        SettingsAtHistorySave seen;
        run.setup.historySave = NotingSave(run, seen);
        run.track({"/quarnel/shareware/pelmor.zip"});
        const std::string older = ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip);
        run.writeData("history.dat", {older});
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.click("searchOnStartBox");
        run.enterSearch("searchBox0", QStringLiteral("GET /index.html"));
        const QString tempFile = run.window().tempFilePath();
        QWidget view;
        view.show();
        // Where the desktop draws the icon in a window of its own, that window stays.
        QWidget icon(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        icon.show();

        run.click("closeButton");
        QVERIFY(!view.isVisible());
        QVERIFY(icon.isVisible());

        QCOMPARE(seen.saves, 1);
        QCOMPARE(seen.Path, tempFile);
        QCOMPARE(seen.chkSearchFile, QStringLiteral("1"));
        QCOMPARE(seen.Combo10_0, QStringLiteral("GET /index.html"));
        QCOMPARE(seen.Combo10_1, QString::fromUtf8(kExe));
        QCOMPARE(seen.Combo11_0, QString::fromUtf8(kZip));
        QCOMPARE(seen.NeedSort, std::nullopt); // written with the history, after it
        QVERIFY(seen.AppRunning);

        QCOMPARE(run.history(), CrLf({older, SmallReport()[1]}));
        QCOMPARE(run.stored("NeedSort"), QStringLiteral("False"));
        QVERIFY(!run.program->appRunning());
        QTRY_VERIFY(!run.program->mainWindow());
        QVERIFY(run.program->tray()->isIconShown());
        QVERIFY(!run.program->hasEnded());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void theOpenItemAndADoubleClickLoadTheWindowAgain()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.click("moreButton1");
        run.click("fullWindowBox");
        run.enterSearch("searchBox1", QStringLiteral("GET /index.html"));
        run.trigger("exitAction");
        QTRY_VERIFY(!run.program->mainWindow());

        run.trayItem("open")->trigger();
        QTRY_VERIFY(run.program->mainWindow());
        MainWindow* second = run.program->mainWindow();
        QVERIFY(second->isVisible());
        QCOMPARE(run.find<PasteBox>("pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
        QVERIFY(!run.find<QCheckBox>("fullWindowBox")->isChecked());
        QCOMPARE(run.find<QPushButton>("pasteBoxToggle")->text(), QStringLiteral("<<"));
        QCOMPARE(run.label("totalLabel"), QString());
        QCOMPARE(run.find<QComboBox>("searchBox1")->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(run.find<QComboBox>("searchBox1")->count(), 2);
        // Loaded again, by its end: read whole, it is what the first window saved.
        QVERIFY(run.program->history().holdWhole());
        QCOMPARE(run.session().History, std::vector<std::string>{SmallReport()[1]});
        QCOMPARE(run.program->history().trackedItems().size(), std::size_t{1});
        QVERIFY(run.program->moreFlags()[1]);
        QVERIFY(run.program->appRunning() == false); // set once, by the first closing

        // Open again while open: the same window comes forward.
        emit run.program->tray()->doubleClicked(1);
        QTest::qWait(20);
        QCOMPARE(run.program->mainWindow(), second);
        second->close();
        QTRY_VERIFY(!run.program->mainWindow());
        emit run.program->tray()->doubleClicked(2);
        QTRY_VERIFY(run.program->mainWindow());
    }

    void exitFromTheTraySavesAndEnds()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        QPointer<MainWindow> window = &run.window();

        // Chosen with the mouse: the menu outlives its own click.
        QPointer<TrayIcon> tray = run.program->tray();
        QMenu& menu = tray->menu();
        menu.popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(run.trayItem("exit")).center());
        QTRY_VERIFY(run.program->hasEnded());
        QCOMPARE(run.history(), CrLf({SmallReport()[1]}));
        QVERIFY(!run.program->tray());
        QTRY_VERIFY(!tray);
        QVERIFY(!window || !window->isVisible());

        // With the window closed already, and its history views with it, nothing is shown on the way out.
        TestProgram closed;
        QVERIFY(closed.start());
        closed.trigger("dailyViewAction");
        QPointer<QWidget> view = closed.window().views().window(HistoryView::Daily);
        QVERIFY(view && view->isVisible());
        closed.window().close();
        QVERIFY(!view || !view->isVisible());
        QTRY_VERIFY(!closed.program->mainWindow());
        closed.trayItem("exit")->trigger();
        QTRY_VERIFY(closed.program->hasEnded());
        QVERIFY(!closed.program->mainWindow());
    }

    void withoutANotificationAreaClosingEndsTheProgram()
    {
        TestProgram run(false);
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        QVERIFY(!run.program->tray()->isIconShown());
        run.paste(Joined(SmallReport()));
        run.click("closeButton");
        QCOMPARE(run.history(), CrLf({SmallReport()[1]}));
        QVERIFY(run.program->hasEnded());

        // Nor when the notification area went away while the window was open.
        TestProgram gone;
        QVERIFY(gone.start());
        QVERIFY(gone.program->tray()->isIconShown());
        TrayIcon::setAvailableForTests(false);
        gone.window().close();
        QVERIFY(gone.program->hasEnded());
    }

    // A termination signal, the session's end and the event loop's end each save what was
    // collected and the settings, with nothing waiting for an answer.
    void everyEndSavesTheCollectedDownloads_data()
    {
        QTest::addColumn<int>("signalNumber"); // 0: the session ends; -1: the event loop ends
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGINT, disk full") << SIGINT << true;
        QTest::newRow("session end") << 0 << false;
        QTest::newRow("event loop end") << -1 << false;
    }

    void everyEndSavesTheCollectedDownloads()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, diskFull);
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        if (diskFull)
            run.setup.historySave = FailingSave();
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.click("searchOnStartBox");

        if (signalNumber > 0) {
            ::raise(signalNumber);
            QTRY_VERIFY(run.program->hasEnded());
            QVERIFY(!run.program->tray());
        } else if (signalNumber == 0) {
            run.program->commitSessionData();
        } else {
            run.program->aboutToQuit();
        }
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("1"));
        if (diskFull)
            QVERIFY(!QFile::exists(run.dataFile("history.dat")));
        else
            QCOMPARE(run.history(), CrLf({SmallReport()[1]}));
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void historyTroubleIsToldAndNeverShrinksTheFile()
    {
        TestProgram run;
        const std::string stored = ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip);
        run.writeData("history.dat", {stored, stored});
        run.track({"/quarnel/shareware/pelmor.zip"});
        const QByteArray before = run.history();
        run.setup.historyRead = [stored](const QString&) { return std::make_unique<FailingDevice>(stored + "\r\n"); };
        QVERIFY(run.start());
        const auto atLoad = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(atLoad.size(), std::size_t{1});
        QVERIFY2(atLoad[0].text.contains(QStringLiteral("could not be read to its end")), qPrintable(atLoad[0].text));

        run.paste(Joined(SmallReport()));
        run.window().close();
        const auto atClose = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(atClose.size(), std::size_t{2});
        QVERIFY2(atClose[1].text.contains(QStringLiteral("not saved")), qPrintable(atClose[1].text));
        QCOMPARE(run.history(), before);

        TestProgram full;
        full.track({"/quarnel/shareware/pelmor.zip"});
        full.setup.historySave = FailingSave();
        QVERIFY(full.start());
        full.paste(Joined(SmallReport()));
        full.window().close();
        QCOMPARE(full.said("Tallywick"), std::size_t{1});
        QVERIFY(!QFile::exists(full.dataFile("history.dat")));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::LifecycleTest)
#include "lifecycle_test.moc"
