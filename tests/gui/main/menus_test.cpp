#include "mainwindowfixture.h"
#include "support/findchild.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/helpwindow.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"

#include "app/files/reportfilters.h"
#include "app/settings/preferences.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>

namespace tallywick {

using namespace testing;

namespace {

// The captions of a menu's items in order, "-" for a separator.
QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    const auto items = menu->actions();
    for (const QAction* item : items)
        captions << (item->isSeparator() ? QStringLiteral("-") : item->text());
    return captions;
}

// The items among these that have no access key or share one, empty when each has its own.
QString AccessKeysClash(const QList<QAction*>& items)
{
    QStringList clashes;
    QMap<QChar, QString> taken;
    for (const QAction* item : items) {
        if (item->isSeparator())
            continue;
        const QString caption = item->text();
        const auto at = caption.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= caption.size()) {
            clashes << caption + QStringLiteral(": no key");
            continue;
        }
        const QChar key = caption[at + 1].toLower();
        if (taken.contains(key))
            clashes << caption + QStringLiteral(" and ") + taken[key];
        taken[key] = caption;
    }
    return clashes.join(QStringLiteral("; "));
}

} // namespace

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuTree()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QStringList bar;
        const auto top = window.menuBar()->actions();
        for (const QAction* item : top)
            bar << item->text();
        QCOMPARE(bar, (QStringList{"&File", "&Notepad", "Hi&story", "&Web Page", "&Tools", "&Help"}));
        QCOMPARE(Captions(run.find<QMenu>("fileMenu")), (QStringList{"&Open", "&Save As", "-", "E&xit"}));
        QCOMPARE(
            Captions(run.find<QMenu>("historyMenu")),
            (QStringList{"&Daily Text", "&Full History Text", "-", "File &Chart", "&Monthly Chart", "&Weekday Chart",
                         "Com&pare Periods", "&Sources", "-", "&Zero Count Days", "-", "&Options"}));
        QCOMPARE(Captions(run.find<QMenu>("historyOptionsMenu")), (QStringList{"&Track Items", "Time &Limit"}));
        QCOMPARE(Captions(run.find<QMenu>("webPageMenu")),
                 (QStringList{"&Traffic Report", "Website &Details", "-", "&Go To..."}));
        QCOMPARE(Captions(run.find<QMenu>("toolsMenu")), (QStringList{"&Options", "&Trim History"}));
        QCOMPARE(Captions(run.find<QMenu>("helpMenu")), (QStringList{"&About", "&Contents"}));
        QVERIFY(!run.find<QAction>("trimHistoryAction")->isEnabled());
        run.trigger("notepadAction");
        QCOMPARE(Desktop::opened(), QStringList{QStringLiteral("editor")});
        QVERIFY(Dialogs::shownMessages().empty());

        // No editor to start is said, as is a web page of the menu no browser opens.
        Desktop::setOpenFailsForTests(true);
        run.trigger("notepadAction");
        run.trigger("trafficReportAction");
        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{2});
        QVERIFY2(said[0].text.startsWith(QStringLiteral("No text editor")), qPrintable(said[0].text));
        QVERIFY(said[1].text.contains(QString::fromUtf8(kDefaultTrafficUrl)));

        // Each item of a menu, and each menu of the bar, has a key of its own.
        QVERIFY2(AccessKeysClash(window.menuBar()->actions()).isEmpty(),
                 qPrintable(AccessKeysClash(window.menuBar()->actions())));
        const auto menus = window.findChildren<QMenu*>();
        for (const QMenu* menu : menus)
            QVERIFY2(AccessKeysClash(menu->actions()).isEmpty(), qPrintable(AccessKeysClash(menu->actions())));
    }

    // Ctrl+O opens a report and F1 the help, as in other programs; Esc closes the Options window.
    void theCommonKeys()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QString report = run.dir.filePath(QStringLiteral("keyed.log"));
        WriteFile(report, CrLf(SmallReport()));
        Dialogs::queueFileName(report);
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(run.searched());
        QCOMPARE(window.reportPath(), report);

        QTest::keyClick(&window, Qt::Key_F1);
        QVERIFY(run.program->windows().find<HelpWindow>());

        run.trigger("optionsAction");
        auto* options = run.program->windows().find<OptionsDialog>();
        QVERIFY(options);
        options->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(options));
        QTest::keyClick(options->focusWidget() ? options->focusWidget() : options, Qt::Key_Escape);
        QVERIFY(!run.program->windows().find<OptionsDialog>());
        QVERIFY(window.isVisible());
    }

    void saveAsWritesThePasteBoxWhereTheUserChose()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        // Without text it says so, asks for no file name and writes nothing.
        run.click("fullWindowBox");
        run.trigger("saveAsAction");
        const auto shown = run.messages(QStringLiteral("No Text"));
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].text, QStringLiteral("There is no text to save"));
        QVERIFY(Dialogs::lastFileRequest().caption.isEmpty());
        QVERIFY(!run.find<QCheckBox>("fullWindowBox")->isChecked());
        QVERIFY(!QFile::exists(run.dataFile("TempFile.txt")));

        const QString pasted = Joined(SmallReport());
        run.paste(pasted);
        const QString target = run.dir.filePath(QStringLiteral("saved.txt"));
        Dialogs::queueFileName(target);
        run.trigger("saveAsAction");
        QCOMPARE(Dialogs::lastFileRequest().fileName, window.tempFilePath());
        QCOMPARE(Dialogs::lastFileRequest().selectedFilter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(FileBytes(target), CrLf(SmallReport()));
        QCOMPARE(window.reportPath(), target);
        QCOMPARE(window.statusText(), target);
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
    }

    void openResetsThePasteBoxThenSearchesTheChosenFile()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        run.click("moreButton0");
        run.click("fullWindowBox");

        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.99", "04/Dec/2026:13:00:00", kExe));
        const QString chosen = run.dir.filePath(QString(120, QLatin1Char('h')) + QStringLiteral(".log"));
        const QSize designed = window.size();
        WriteFile(chosen, CrLf(report));
        run.open(chosen);
        QVERIFY(run.searched());

        // Reset first: the prompt was written and searched before the dialog came.
        QCOMPARE(run.find<PasteBox>("pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
        QCOMPARE(FileBytes(window.tempFilePath()), QByteArray("Paste Text Here"));
        const auto& asked = Dialogs::lastFileRequest();
        QCOMPARE(asked.fileName, window.tempFilePath());
        QCOMPARE(QDir(asked.folder).canonicalPath(), QDir(run.setup.dataFolder).canonicalPath());
        QCOMPARE(asked.filters, OpenReportFilters());
        QCOMPARE(asked.selectedFilter, asked.filters.first());

        QCOMPARE(window.reportPath(), chosen);
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 2"));
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 3 of 5"));
        QCOMPARE(window.statusText(), chosen);
        // However long the path, the window keeps its size.
        QApplication::processEvents();
        QCOMPARE(window.minimumSizeHint().width(), designed.width());
        QCOMPARE(window.size(), designed);
        QVERIFY(!run.program->moreFlags()[0]);
        QVERIFY(!run.find<QCheckBox>("fullWindowBox")->isChecked());
        QVERIFY(!run.find<QAction>("saveAsAction")->isEnabled());

        // Cancelled: the report stays the same and is searched again.
        run.open(std::nullopt);
        QCOMPARE(window.reportPath(), chosen);
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void droppingAFileOpensItWithoutTheDialog()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const QString report = run.dir.filePath(QStringLiteral("dropped.txt"));
        WriteFile(report, Joined(SmallReport()).toUtf8());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(report)});

        // On the paste box it is not pasted as a name but opened.
        for (QWidget* target : {run.find<PasteBox>("pasteBox")->viewport(), static_cast<QWidget*>(&window)}) {
            const QPoint at = target == &window ? QPoint(300, 300) : QPoint(40, 10);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at.toPointF(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(target, &drop);
            QVERIFY(run.searched());
            QCOMPARE(window.reportPath(), report);
            QCOMPARE(run.find<PasteBox>("pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
            QCOMPARE(run.label("totalLabel"),
                     target == &window ? QStringLiteral("All Found: 0 of 0") : QStringLiteral("All Found: 2 of 4"));
            WriteFile(report, QByteArray());
        }
        QVERIFY(Dialogs::lastFileRequest().caption.isEmpty());
    }

    // Chosen in the wrong order, they are searched oldest first as one report: a download split
    // across the two is one download, as in the report they were cut from.
    void severalChosenReportsAreSearchedAsOne()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const std::vector<std::string> older{ReportLine("203.0.113.45", "03/Dec/2026:09:00:00", kExe),
                                             ReportLine("198.51.100.77", "03/Dec/2026:23:58:00", kZip)};
        auto newer = SmallReport();
        newer.insert(newer.begin(), ReportLine("198.51.100.77", "04/Dec/2026:00:01:00", kZip, 206));
        const QString olderPath = run.dir.filePath(QStringLiteral("access.log.1"));
        const QString newerPath = run.dir.filePath(QStringLiteral("access.log"));
        WriteFile(olderPath, Joined(older).toUtf8());
        WriteFile(newerPath, Joined(newer).toUtf8());

        Dialogs::queueFileNames(QStringList{newerPath, olderPath});
        run.trigger("openAction");
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 4 of 7"));
        QCOMPARE(window.reportPath(), newerPath);
        QCOMPARE(window.statusText(), QStringLiteral("2 reports searched: %1, %2").arg(olderPath, newerPath));

        // Chosen again: one of them gone is named as the one report was.
        Dialogs::queueFileNames(QStringList{newerPath, olderPath});
        run.trigger("openAction");
        QVERIFY(run.searched());
        QFile::remove(olderPath);
        run.click("goButton0");
        QVERIFY(run.searched());
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound[0].text, olderPath);

        WriteFile(olderPath, Joined(older).toUtf8());
        window.close();
        QCOMPARE(run.stored("Path"), newerPath);
        QCOMPARE(SettingsStore(run.setup.settingsFile).findList(QStringLiteral("Paths")),
                 (QStringList{olderPath, newerPath}));
    }

    void webPagesAndGoTo()
    {
        TestProgram run;
        run.setting("Traffic_URL", QStringLiteral("https://stats.example.org/traffic"));
        run.setting("Details_menu", QStringLiteral("&Site"));
        QVERIFY(run.start());
        QCOMPARE(run.find<QAction>("websiteDetailsAction")->text(), QStringLiteral("&Site"));
        run.trigger("trafficReportAction");
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://stats.example.org/traffic"));

        // Cancelled or empty: nothing stored, nothing opened.
        for (const std::optional<QString>& answer : {std::optional<QString>(), std::optional<QString>(QString())}) {
            Dialogs::queueInput(answer);
            run.trigger("goToAction");
        }
        QCOMPARE(Desktop::opened().size(), 1);
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), std::nullopt);

        Dialogs::queueInput(QStringLiteral("https://www.example.net/"));
        run.trigger("goToAction");
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://www.example.net/"));
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), QStringLiteral("https://www.example.net/"));
        // The input box offers the new address only once the window is loaded again.
        QCOMPARE(run.window().goToUrl(), QString::fromUtf8(kMakerHomePage));
    }

    void historyViewsSeeTheDownloadsCollectedSoFar()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        run.writeData("history.dat", {ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip)});
        QVERIFY(run.start());
        QCOMPARE(run.session().History.size(), std::size_t{1});
        run.paste(Joined(SmallReport()));
        QVERIFY(run.session().HistoryChanged);

        run.trigger("dailyViewAction");
        QVERIFY(!run.session().HistoryChanged);
        QCOMPARE(run.session().History.size(), std::size_t{2});
        QCOMPARE(run.session().History[1], SmallReport()[1]);

        // Track Items stores the search texts first: the dialog offers them from the settings.
        run.find<QComboBox>("searchBox0")->setEditText(QStringLiteral("GET /index.html"));
        run.trigger("trackingAction");
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_0")), QStringLiteral("GET /index.html"));
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_1")), QString::fromUtf8(kExe));
    }

    void theOptionItemsOpenTheirWindowsOnTheRunningProgram()
    {
        TestProgram run;
        QVERIFY(run.start());
        WindowRegistry& windows = run.program->windows();

        run.trigger("trackingAction");
        auto* tracking = windows.find<TrackingDialog>();
        QVERIFY(tracking);
        // Both panels' texts, from the settings.
        QCOMPARE(FindChild<QListWidget>(tracking, "availableList")->count(), 2);

        run.trigger("timeLimitAction");
        auto* timeLimit = windows.find<TimeLimitDialog>();
        QVERIFY(timeLimit);
        FindChild<QComboBox>(timeLimit, "limitBox")->setCurrentIndex(5);
        FindChild<QPushButton>(timeLimit, "okButton")->click();
        QCOMPARE(run.program->preferences().timeLimit(), 6); // the running program's value

        run.trigger("optionsAction");
        QVERIFY(windows.find<OptionsDialog>());
        // About and Contents leave Full window.
        for (const char* item : {"aboutAction", "helpContentsAction"}) {
            run.click("fullWindowBox");
            run.trigger(item);
            QVERIFY(!run.find<QCheckBox>("fullWindowBox")->isChecked());
            QCOMPARE(run.find<QPushButton>("pasteBoxToggle")->text(), QStringLiteral(">>"));
        }
        QVERIFY(windows.find<AboutDialog>());

        // Closing the main window closes every other window.
        run.window().close();
        QVERIFY(!windows.find<TrackingDialog>());
        QVERIFY(!windows.find<OptionsDialog>());
        QVERIFY(!windows.find<AboutDialog>());
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::MenusTest)
#include "menus_test.moc"
