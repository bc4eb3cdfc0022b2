#include "mainwindowfixture.h"

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
        QCOMPARE(Captions(window.mnuFile), (QStringList{"&Open", "&Save As", "-", "E&xit"}));
        QCOMPARE(Captions(window.mnuHistory),
                 (QStringList{"&Daily Text", "&Full History Text", "-", "&File Chart", "&Monthly Chart",
                              "&Weekday Chart", "-", "&Zero Count Days", "-", "&Options"}));
        QCOMPARE(Captions(window.mnuHistoryOptions), (QStringList{"&Track Items", "Time &Limit"}));
        QCOMPARE(Captions(window.mnuWebPage), (QStringList{"&Traffic Report", "Website &Details", "-", "&Go To..."}));
        QCOMPARE(Captions(window.mnuTools), (QStringList{"&Options", "&Trim History"}));
        QCOMPARE(Captions(window.mnuHelp), (QStringList{"&About", "&Contents"}));
        QVERIFY(!window.mnuToolsTrimHistory->isEnabled());
        QCOMPARE(window.mnuHistoryBar1->objectName(), QStringLiteral("mnuHistoryBar1"));
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuNotepad")), window.mnuNotepad);

        window.mnuNotepad->trigger();
        QCOMPARE(Desktop::opened(), QStringList{QStringLiteral("editor")});
    }

    void saveAsWithoutTextSaysSoAndWritesNothing()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        window.chkFullwindow->click();
        window.mnuFileSaveAs->trigger();
        const auto shown = run.messages(QStringLiteral("No Text"));
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(shown[0].text, QStringLiteral("There is no text to save"));
        QVERIFY(Dialogs::lastFileRequest().caption.isEmpty()); // no dialog was asked
        QVERIFY(!window.chkFullwindow->isChecked());
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
        window.mnuFileSaveAs->trigger();
        QCOMPARE(Dialogs::lastFileRequest().fileName, window.TempFilePath());
        QCOMPARE(Dialogs::lastFileRequest().selectedFilter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(FileBytes(target), pasted.toUtf8());
        QCOMPARE(window.ReportPath(), target);
        QCOMPARE(window.statusText(), target);
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void openResetsThePasteBoxThenSearchesTheChosenFile()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        window.cmdmore[0]->click();
        window.chkFullwindow->click();

        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.99", "04/Dec/2026:13:00:00", kExe));
        const QString chosen = run.dir.filePath(QString(120, QLatin1Char('h')) + QStringLiteral(".log"));
        const QSize designed = window.size();
        WriteFile(chosen, Joined(report, "\r\n").toUtf8());
        Dialogs::queueFileName(chosen);
        window.mnuFileOpen->trigger();

        // Reset first: the prompt was written and searched before the dialog came.
        QCOMPARE(window.rtbPasteBox->toPlainText(), QStringLiteral("Paste Text Here"));
        QCOMPARE(FileBytes(window.TempFilePath()), QByteArray("Paste Text Here"));
        const auto& asked = Dialogs::lastFileRequest();
        QCOMPARE(asked.fileName, window.TempFilePath());
        QCOMPARE(QDir(asked.folder).canonicalPath(), QDir(run.setup.dataFolder).canonicalPath());
        QCOMPARE(asked.selectedFilter, QStringLiteral("Text (*.txt)"));
        QCOMPARE(asked.filters, (QStringList{"Text (*.txt)", "Logs (*.log *.gz)", "All files (*)"}));

        QCOMPARE(window.ReportPath(), chosen);
        QCOMPARE(window.lblExe->text(), QStringLiteral("Found: 2"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 3 of 5"));
        QCOMPARE(window.statusText(), chosen);
        // However long the path, the window keeps its size.
        QApplication::processEvents();
        QCOMPARE(window.minimumSizeHint().width(), designed.width());
        QCOMPARE(window.size(), designed);
        QVERIFY(!run.program->moreFlags()[0]);
        QVERIFY(!window.chkFullwindow->isChecked());
        QVERIFY(!window.mnuFileSaveAs->isEnabled());

        // Cancelled: the report stays the same and is searched again.
        Dialogs::queueFileName(std::nullopt);
        window.mnuFileOpen->trigger();
        QCOMPARE(window.ReportPath(), chosen);
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
        QApplication::sendEvent(window.rtbPasteBox->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent onBox(QPointF(40, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.rtbPasteBox->viewport(), &onBox);
        QCOMPARE(window.ReportPath(), report);
        QCOMPARE(window.rtbPasteBox->toPlainText(), QStringLiteral("Paste Text Here"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 2 of 4"));

        QFile::remove(report);
        WriteFile(report, QByteArray());
        QDragEnterEvent enterWindow(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enterWindow);
        QVERIFY(enterWindow.isAccepted());
        QDropEvent onWindow(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &onWindow);
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 0 of 0"));
        QVERIFY(Dialogs::lastFileRequest().caption.isEmpty());
    }

    void webPagesAndGoTo()
    {
        TestProgram run;
        run.setting("Traffic_URL", QStringLiteral("https://stats.example.org/traffic"));
        run.setting("Details_menu", QStringLiteral("&Site"));
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QCOMPARE(window.mnuWebPageWebsiteDetails->text(), QStringLiteral("&Site"));
        window.mnuWebPageTrafficReport->trigger();
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://stats.example.org/traffic"));

        // Cancelled or empty: nothing stored, nothing opened.
        Dialogs::queueInput(std::nullopt);
        window.mnuWebPageGoTo->trigger();
        Dialogs::queueInput(QString());
        window.mnuWebPageGoTo->trigger();
        QCOMPARE(Desktop::opened().size(), 1);
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), std::nullopt);

        Dialogs::queueInput(QStringLiteral("https://www.example.net/"));
        window.mnuWebPageGoTo->trigger();
        QCOMPARE(Desktop::opened().constLast(), QStringLiteral("https://www.example.net/"));
        QCOMPARE(run.program->settings().find(QStringLiteral("GoTo_URL")), QStringLiteral("https://www.example.net/"));
        // The input box offers the new address only once the window is loaded again.
        QCOMPARE(window.GoToUrl(), QString::fromUtf8(kMakerHomePage));
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

        window.mnuHistoryDaily->trigger();
        QVERIFY(!window.session().HistoryChanged);
        QCOMPARE(window.session().History.size(), std::size_t{2});
        QCOMPARE(window.session().History[1], SmallReport()[1]);

        // Track Items stores the search texts first: the dialog offers them from the settings.
        window.Combo1[0]->setEditText(QStringLiteral("GET /index.html"));
        window.mnuHistoryOptionsTrack->trigger();
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_0")), QStringLiteral("GET /index.html"));
        QCOMPARE(run.program->settings().find(QStringLiteral("Combo10_1")), QString::fromUtf8(kExe));
    }

    void theOptionItemsOpenTheirWindowsOnTheRunningProgram()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const auto open = [](const char* name) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QLatin1String(name) && top->isVisible())
                    return top;
            }
            return static_cast<QWidget*>(nullptr);
        };

        window.mnuHistoryOptionsTrack->trigger();
        QWidget* tracking = open("TrackingDialog");
        QVERIFY(tracking);
        auto* available = tracking->findChild<QListWidget*>(QStringLiteral("List1"));
        QCOMPARE(available->count(), 2); // both panels' search texts, from the settings

        window.mnuHistoryOptionsTimeLimit->trigger();
        QWidget* timeLimit = open("TimeLimitDialog");
        QVERIFY(timeLimit);
        timeLimit->findChild<QComboBox*>(QStringLiteral("Combo1"))->setCurrentIndex(5);
        timeLimit->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        QCOMPARE(run.program->values().TimeLimit, 6); // the running program's value

        window.mnuOptions->trigger();
        QVERIFY(open("OptionsDialog"));
        window.MnuHelpAbout->trigger();
        QVERIFY(open("AboutDialog"));

        // Closing the main window closes every other window.
        window.close();
        for (const char* name : {"TrackingDialog", "OptionsDialog", "AboutDialog"})
            QVERIFY2(!open(name), name);
    }

    void aboutAndContentsUncheckFullWindow()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        for (QAction* item : {window.MnuHelpAbout, window.mnuHelpContents}) {
            window.chkFullwindow->click();
            item->trigger();
            QVERIFY(!window.chkFullwindow->isChecked());
            QCOMPARE(window.cmdMove->text(), QStringLiteral(">>"));
        }
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::MenusTest)
#include "menus_test.moc"
