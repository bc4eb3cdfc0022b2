#include "mainwindowfixture.h"
#include "support/findchild.h"

#include "app/files/paths.h"
#include "app/settings/appvalues.h"
#include "support/failingdevice.h"

#include <QLineEdit>
#include <QMenu>
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
        seen = {find("Path"),
                find("chkSearchFile"),
                find("Combo10_0"),
                find("Combo10_1"),
                find("Combo11_0"),
                find("NeedSort"),
                run.program->values().AppRunning,
                seen.saves + 1};
        return OpenSaveFile(path);
    };
}

SaveFileOpener FailingSave()
{
    return [](const QString& path) {
        auto file = std::make_unique<QSaveFile>(path + QStringLiteral("/cannot/be/here"));
        return file;
    };
}

QAction* TrayItem(const TestProgram& run, const char* key)
{
    TrayIcon* tray = run.program->tray();
    for (int i = 0; i < tray->menuItemCount(); ++i) {
        if (tray->menuKey(i) == QLatin1String(key))
            return tray->menu().actions().at(i);
    }
    return nullptr;
}

} // namespace

class LifecycleTest : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartShowsTheDefaultsAndTheIcon()
    {
        TestProgram run;
        QVERIFY(run.start());
        const AppValues& values = run.program->values();
        QCOMPARE(values.TimeLimit, 12);
        QCOMPARE(values.Split_Time, 30);
        QCOMPARE(values.Traffic_menu, QStringLiteral("&Traffic Report"));
        QCOMPARE(values.Details_menu, QStringLiteral("Website &Details"));
        QVERIFY(values.AppRunning);

        MainWindow& window = run.window();
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallywick"));
        QCOMPARE(window.reportPath(), DefaultReportPath());
        QVERIFY(!FindChild<QCheckBox>(window, "searchOnStartBox")->isChecked());
        QVERIFY(FindChild<QCheckBox>(window, "noDuplicatesBox")->isChecked());
        QCOMPARE(FindChild<QComboBox>(window, "searchBox0")->currentText(), QString::fromUtf8(kExe));
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->currentText(), QString::fromUtf8(kZip));
        QCOMPARE(FindChild<QComboBox>(window, "searchBox0")->count(), 1);
        QCOMPARE(window.statusText(), QString());
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->toolTip(), QStringLiteral("Paste text to search here."));
        QVERIFY(FindChild<QPlainTextEdit>(window, "resultBox0")->isReadOnly());

        TrayIcon* tray = run.program->tray();
        QVERIFY(tray->isIconShown());
        QCOMPARE(tray->menuItemCount(), 2);
        QCOMPARE(tray->menuCaption(0), QStringLiteral("&Open Tallywick"));
        QCOMPARE(tray->menuKey(0), QStringLiteral("open"));
        QCOMPARE(tray->defaultMenuIndex(), 0);
        QCOMPARE(tray->menuCaption(1), QStringLiteral("E&xit Tallywick"));
        QCOMPARE(tray->menuKey(1), QStringLiteral("exit"));
        QCOMPARE(tray->toolTip(), QStringLiteral("Tallywick"));
        QVERIFY(!tray->icon().isNull());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void aSecondInstanceIsRefusedAndWritesNothing()
    {
        TestProgram first;
        QVERIFY(first.start());
        first.paste(Joined(SmallReport()));
        const QByteArray settingsBefore = FileBytes(first.setup.settingsFile);

        Program second(first.setup);
        QVERIFY(!second.start());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QCOMPARE(Dialogs::shownMessages()[0].title, QStringLiteral("Tallywick"));
        QCOMPARE(Dialogs::shownMessages()[0].text, QStringLiteral("Tallywick already running."));
        QVERIFY(!second.mainWindow());
        QVERIFY(!second.tray());
        QCOMPARE(FileBytes(first.setup.settingsFile), settingsBefore);
        QVERIFY(first.window().isVisible());
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
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        FindChild<QCheckBox>(window, "searchOnStartBox")->click();
        QLineEdit* edit = FindChild<QComboBox>(window, "searchBox0")->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("GET /index.html"));
        QTest::keyClick(edit, Qt::Key_Return);
        const QString tempFile = window.tempFilePath();
        QWidget view;
        view.show();
        // Where the desktop draws the icon in a window of its own, that window stays.
        QWidget icon(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        icon.show();

        FindChild<QPushButton>(window, "closeButton")->click();
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

        QCOMPARE(FileBytes(run.dataFile("history.dat")), Joined({older, SmallReport()[1]}, "\r\n").toUtf8());
        QCOMPARE(run.stored("NeedSort"), QStringLiteral("False"));
        QVERIFY(!run.program->values().AppRunning);
        QTRY_VERIFY(!run.program->mainWindow());
        QVERIFY(run.program->tray()->isIconShown());
        QVERIFY(!run.program->hasEnded());
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void closingKeepsAStoredPathWhoseFileIsMissing()
    {
        TestProgram run;
        const QString stored = run.dir.filePath(QStringLiteral("never-made.txt"));
        run.setting("Path", stored);
        QVERIFY(run.start());
        QCOMPARE(run.window().reportPath(), stored);
        run.window().close();
        QCOMPARE(run.stored("Path"), stored);
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("0"));
        // An empty history leaves the file and its flag alone.
        QVERIFY(!QFile::exists(run.dataFile("history.dat")));
        QCOMPARE(run.stored("NeedSort"), std::nullopt);
    }

    void theOpenItemAndADoubleClickLoadTheWindowAgain()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        MainWindow* first = &run.window();
        run.paste(Joined(SmallReport()));
        FindChild<QPushButton>(first, "moreButton1")->click();
        FindChild<QCheckBox>(first, "fullWindowBox")->click();
        QLineEdit* edit = FindChild<QComboBox>(first, "searchBox1")->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("GET /index.html"));
        QTest::keyClick(edit, Qt::Key_Return);
        FindChild<QAction>(first, "exitAction")->trigger();
        QTRY_VERIFY(!run.program->mainWindow());

        TrayItem(run, "open")->trigger();
        QTRY_VERIFY(run.program->mainWindow());
        MainWindow* second = run.program->mainWindow();
        QVERIFY(second->isVisible());
        QCOMPARE(FindChild<PasteBox>(second, "pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
        QVERIFY(!FindChild<QCheckBox>(second, "fullWindowBox")->isChecked());
        QCOMPARE(FindChild<QPushButton>(second, "pasteBoxToggle")->text(), QStringLiteral("<<"));
        QCOMPARE(FindChild<QLabel>(second, "totalLabel")->text(), QString());
        QCOMPARE(FindChild<QComboBox>(second, "searchBox1")->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(FindChild<QComboBox>(second, "searchBox1")->count(), 2);
        QCOMPARE(second->session().History, std::vector<std::string>{SmallReport()[1]});
        QCOMPARE(second->trackedItems().size(), std::size_t{1});
        QVERIFY(run.program->moreFlags()[1]);
        QVERIFY(run.program->values().AppRunning == false); // set once, by the first closing

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
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(TrayItem(run, "exit")).center());
        QTRY_VERIFY(run.program->hasEnded());
        QCOMPARE(FileBytes(run.dataFile("history.dat")), Joined({SmallReport()[1]}, "\r\n").toUtf8());
        QVERIFY(!run.program->tray());
        QTRY_VERIFY(!tray);
        QVERIFY(!window || !window->isVisible());

        // With the window closed already, nothing is shown on the way out.
        TestProgram closed;
        QVERIFY(closed.start());
        closed.window().close();
        QTRY_VERIFY(!closed.program->mainWindow());
        TrayItem(closed, "exit")->trigger();
        QTRY_VERIFY(closed.program->hasEnded());
        QVERIFY(!closed.program->mainWindow());
    }

    void closingClosesTheHistoryViews()
    {
        TestProgram run;
        QVERIFY(run.start());
        FindChild<QAction>(run.window(), "dailyViewAction")->trigger();
        QPointer<QWidget> view = run.window().views().window(HistoryView::Daily);
        QVERIFY(view && view->isVisible());
        run.window().close();
        QVERIFY(!view || !view->isVisible());
        QTRY_VERIFY(!run.program->mainWindow());
        TrayItem(run, "exit")->trigger();
        QTRY_VERIFY(run.program->hasEnded());
    }

    void withoutANotificationAreaClosingEndsTheProgram()
    {
        TestProgram run(false);
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        QVERIFY(!run.program->tray()->isIconShown());
        run.paste(Joined(SmallReport()));
        FindChild<QPushButton>(run.window(), "closeButton")->click();
        QCOMPARE(FileBytes(run.dataFile("history.dat")), Joined({SmallReport()[1]}, "\r\n").toUtf8());
        QVERIFY(run.program->hasEnded());

        // Nor when the notification area went away while the window was open.
        TestProgram gone;
        QVERIFY(gone.start());
        QVERIFY(gone.program->tray()->isIconShown());
        TrayIcon::setAvailableForTests(false);
        gone.window().close();
        QVERIFY(gone.program->hasEnded());
    }

    void aTerminationSignalSavesBeforeTheEnd_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("SIGTERM") << SIGTERM << false;
        QTest::newRow("SIGINT, disk full") << SIGINT << true;
    }

    void aTerminationSignalSavesBeforeTheEnd()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, diskFull);
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        if (diskFull)
            run.setup.historySave = FailingSave();
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        FindChild<QCheckBox>(run.window(), "searchOnStartBox")->click();

        ::raise(signalNumber);
        QTRY_VERIFY(run.program->hasEnded());
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("1"));
        if (diskFull)
            QVERIFY(!QFile::exists(run.dataFile("history.dat")));
        else
            QCOMPARE(FileBytes(run.dataFile("history.dat")), Joined({SmallReport()[1]}, "\r\n").toUtf8());
        // Nothing waits for an answer while the session ends.
        QVERIFY(Dialogs::shownMessages().empty());
        QVERIFY(!run.program->tray());
    }

    void theSessionEndingSavesTheCollectedDownloads()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.program->commitSessionData();
        QCOMPARE(FileBytes(run.dataFile("history.dat")), Joined({SmallReport()[1]}, "\r\n").toUtf8());

        // The event loop's end finds nothing left to save.
        TestProgram quitting;
        quitting.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(quitting.start());
        quitting.paste(Joined(SmallReport()));
        quitting.program->aboutToQuit();
        QCOMPARE(FileBytes(quitting.dataFile("history.dat")), Joined({SmallReport()[1]}, "\r\n").toUtf8());
    }

    void historyTroubleIsToldAndNeverShrinksTheFile()
    {
        TestProgram run;
        const std::string stored = ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip);
        run.writeData("history.dat", {stored, stored});
        run.track({"/quarnel/shareware/pelmor.zip"});
        const QByteArray before = FileBytes(run.dataFile("history.dat"));
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
        QCOMPARE(FileBytes(run.dataFile("history.dat")), before);

        TestProgram full;
        full.track({"/quarnel/shareware/pelmor.zip"});
        full.setup.historySave = FailingSave();
        QVERIFY(full.start());
        full.paste(Joined(SmallReport()));
        full.window().close();
        QCOMPARE(full.messages(QStringLiteral("Tallywick")).size(), std::size_t{1});
        QVERIFY(!QFile::exists(full.dataFile("history.dat")));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::LifecycleTest)
#include "lifecycle_test.moc"
