#include "mainwindowfixture.h"
#include "support/findchild.h"
#include "ui/about/aboutdialog.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/optionsdialog.h"
#include "ui/dialogs/timelimitdialog.h"
#include "ui/dialogs/trackingdialog.h"

#include "app/settings/appvalues.h"

#include <QDropEvent>
#include <QListWidget>
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
        QCOMPARE(bar, (QStringList{"&File", "&Notepad", "&History", "&Web Page", "&Tools", "&Help"}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "fileMenu")), (QStringList{"&Open", "&Save As", "-", "E&xit"}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "historyMenu")),
                 (QStringList{"&Daily Text", "&Full History Text", "-", "&File Chart", "&Monthly Chart",
                              "&Weekday Chart", "-", "&Zero Count Days", "-", "&Options"}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "historyOptionsMenu")),
                 (QStringList{"&Track Items", "Time &Limit"}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "webPageMenu")),
                 (QStringList{"&Traffic Report", "Website &Details", "-", "&Go To..."}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "toolsMenu")), (QStringList{"&Options", "&Trim History"}));
        QCOMPARE(Captions(FindChild<QMenu>(window, "helpMenu")), (QStringList{"&About", "&Contents"}));
        QVERIFY(!FindChild<QAction>(window, "trimHistoryAction")->isEnabled());

        FindChild<QAction>(window, "notepadAction")->trigger();
        QCOMPARE(Desktop::opened(), QStringList{QStringLiteral("editor")});
    }

    void saveAsWithoutTextSaysSoAndWritesNothing()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        FindChild<QCheckBox>(window, "fullWindowBox")->click();
        FindChild<QAction>(window, "saveAsAction")->trigger();
        const auto shown = run.messages(QStringLiteral("No Text"));
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].text, QStringLiteral("There is no text to save"));
        QVERIFY(Dialogs::lastFileRequest().caption.isEmpty()); // no dialog was asked
        QVERIFY(!FindChild<QCheckBox>(window, "fullWindowBox")->isChecked());
        QVERIFY(!QFile::exists(run.dataFile("TempFile.txt")));
    }

    void saveAsWritesThePasteBoxWhereTheUserChose()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const QString pasted = Joined(SmallReport());
        run.paste(pasted);
        const QString target = run.dir.filePath(QStringLiteral("saved.txt"));
        Dialogs::queueFileName(target);
        FindChild<QAction>(window, "saveAsAction")->trigger();
        QCOMPARE(Dialogs::lastFileRequest().fileName, window.tempFilePath());
        QCOMPARE(Dialogs::lastFileRequest().selectedFilter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(Dialogs::lastFileRequest().filters.first(), QStringLiteral("Text (*.txt)"));
        QCOMPARE(FileBytes(target), pasted.toUtf8());
        QCOMPARE(window.reportPath(), target);
        QCOMPARE(window.statusText(), target);
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void openResetsThePasteBoxThenSearchesTheChosenFile()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        FindChild<QPushButton>(window, "moreButton0")->click();
        FindChild<QCheckBox>(window, "fullWindowBox")->click();

        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.99", "04/Dec/2026:13:00:00", kExe));
        const QString chosen = run.dir.filePath(QString(120, QLatin1Char('h')) + QStringLiteral(".log"));
        const QSize designed = window.size();
        WriteFile(chosen, Joined(report, "\r\n").toUtf8());
        Dialogs::queueFileName(chosen);
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());

        // Reset first: the prompt was written and searched before the dialog came.
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
        QCOMPARE(FileBytes(window.tempFilePath()), QByteArray("Paste Text Here"));
        const auto& asked = Dialogs::lastFileRequest();
        QCOMPARE(asked.fileName, window.tempFilePath());
        QCOMPARE(QDir(asked.folder).canonicalPath(), QDir(run.setup.dataFolder).canonicalPath());
        // Rotated logs such as access.log.1 show without changing the filter.
        QCOMPARE(asked.selectedFilter, QStringLiteral("Logs (*.log *.log.* *.gz *.txt)"));
        QCOMPARE(asked.filters, (QStringList{"Logs (*.log *.log.* *.gz *.txt)", "Text (*.txt)", "All files (*)"}));

        QCOMPARE(window.reportPath(), chosen);
        QCOMPARE(FindChild<QLabel>(window, "countLabel0")->text(), QStringLiteral("Found: 2"));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 3 of 5"));
        QCOMPARE(window.statusText(), chosen);
        // However long the path, the window keeps its size.
        QApplication::processEvents();
        QCOMPARE(window.minimumSizeHint().width(), designed.width());
        QCOMPARE(window.size(), designed);
        QVERIFY(!run.program->moreFlags()[0]);
        QVERIFY(!FindChild<QCheckBox>(window, "fullWindowBox")->isChecked());
        QVERIFY(!FindChild<QAction>(window, "saveAsAction")->isEnabled());

        // Cancelled: the report stays the same and is searched again.
        Dialogs::queueFileName(std::nullopt);
        FindChild<QAction>(window, "openAction")->trigger();
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
        QDragEnterEvent enter(QPoint(40, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FindChild<PasteBox>(window, "pasteBox")->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent onBox(QPointF(40, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(FindChild<PasteBox>(window, "pasteBox")->viewport(), &onBox);
        QVERIFY(run.searched());
        QCOMPARE(window.reportPath(), report);
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 2 of 4"));

        QFile::remove(report);
        WriteFile(report, QByteArray());
        QDragEnterEvent enterWindow(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enterWindow);
        QVERIFY(enterWindow.isAccepted());
        QDropEvent onWindow(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &onWindow);
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 0 of 0"));
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
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());
        const QString found = FindChild<QLabel>(window, "countLabel1")->text();
        const QString total = FindChild<QLabel>(window, "totalLabel")->text();
        QCOMPARE(window.reportPath(), newerPath);
        QCOMPARE(window.statusText(), QStringLiteral("2 reports searched: %1, %2").arg(olderPath, newerPath));

        run.paste(Joined(older) + Joined(newer));
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), found);
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), total);
        QCOMPARE(total, QStringLiteral("All Found: 4 of 7"));

        // Chosen again: one of them gone is named as the one report was.
        Dialogs::queueFileNames(QStringList{newerPath, olderPath});
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());
        QFile::remove(olderPath);
        FindChild<QPushButton>(window, "goButton0")->click();
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
        MainWindow& window = run.window();
        QCOMPARE(FindChild<QAction>(window, "websiteDetailsAction")->text(), QStringLiteral("&Site"));
        FindChild<QAction>(window, "trafficReportAction")->trigger();
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://stats.example.org/traffic"));

        // Cancelled or empty: nothing stored, nothing opened.
        Dialogs::queueInput(std::nullopt);
        FindChild<QAction>(window, "goToAction")->trigger();
        Dialogs::queueInput(QString());
        FindChild<QAction>(window, "goToAction")->trigger();
        QCOMPARE(Desktop::opened().size(), 1);
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), std::nullopt);

        Dialogs::queueInput(QStringLiteral("https://www.example.net/"));
        FindChild<QAction>(window, "goToAction")->trigger();
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://www.example.net/"));
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), QStringLiteral("https://www.example.net/"));
        // The input box offers the new address only once the window is loaded again.
        QCOMPARE(window.goToUrl(), QString::fromUtf8(kMakerHomePage));
    }

    void historyViewsSeeTheDownloadsCollectedSoFar()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        run.writeData("history.dat", {ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip)});
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QCOMPARE(window.session().History.size(), std::size_t{1});
        run.paste(Joined(SmallReport()));
        QVERIFY(window.session().HistoryChanged);

        FindChild<QAction>(window, "dailyViewAction")->trigger();
        QVERIFY(!window.session().HistoryChanged);
        QCOMPARE(window.session().History.size(), std::size_t{2});
        QCOMPARE(window.session().History[1], SmallReport()[1]);

        // Track Items stores the search texts first: the dialog offers them from the settings.
        FindChild<QComboBox>(window, "searchBox0")->setEditText(QStringLiteral("GET /index.html"));
        FindChild<QAction>(window, "trackingAction")->trigger();
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_0")), QStringLiteral("GET /index.html"));
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_1")), QString::fromUtf8(kExe));
    }

    void theOptionItemsOpenTheirWindowsOnTheRunningProgram()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        WindowRegistry& windows = run.program->windows();

        FindChild<QAction>(window, "trackingAction")->trigger();
        auto* tracking = windows.find<TrackingDialog>();
        QVERIFY(tracking);
        QCOMPARE(FindChild<QListWidget>(tracking, "availableList")->count(),
                 2); // both panels' texts, from the settings

        FindChild<QAction>(window, "timeLimitAction")->trigger();
        auto* timeLimit = windows.find<TimeLimitDialog>();
        QVERIFY(timeLimit);
        FindChild<QComboBox>(timeLimit, "limitBox")->setCurrentIndex(5);
        FindChild<QPushButton>(timeLimit, "okButton")->click();
        QCOMPARE(run.program->values().TimeLimit, 6); // the running program's value

        FindChild<QAction>(window, "optionsAction")->trigger();
        QVERIFY(windows.find<OptionsDialog>());
        FindChild<QAction>(window, "aboutAction")->trigger();
        QVERIFY(windows.find<AboutDialog>());

        // Closing the main window closes every other window.
        window.close();
        QVERIFY(!windows.find<TrackingDialog>());
        QVERIFY(!windows.find<OptionsDialog>());
        QVERIFY(!windows.find<AboutDialog>());
    }

    void aboutAndContentsUncheckFullWindow()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        for (QAction* item :
             {FindChild<QAction>(window, "aboutAction"), FindChild<QAction>(window, "helpContentsAction")}) {
            FindChild<QCheckBox>(window, "fullWindowBox")->click();
            item->trigger();
            QVERIFY(!FindChild<QCheckBox>(window, "fullWindowBox")->isChecked());
            QCOMPARE(FindChild<QPushButton>(window, "pasteBoxToggle")->text(), QStringLiteral(">>"));
        }
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::MenusTest)
#include "menus_test.moc"
