#include "app/settings/preferences.h"
#include "mainwindowfixture.h"
#include "support/findchild.h"
#include "support/unreadablefile.h"
#include "ui/dialogs/advancedoptionsdialog.h"

#include <QSignalSpy>
#include <QTextBlock>

#include <atomic>
#include <memory>
#include <span>

namespace tallywick {

using namespace testing;

namespace {

// Where a control lies in the window.
QRect Place(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// A result box's text for one hit in the short form: the line up to the blank after the request
// path.
QString ShortForm(const std::string& line)
{
    const auto end = line.find(' ', line.find("GET ") + 4);
    return QString::fromStdString(line.substr(0, end + 1)) + QLatin1Char('\n');
}

} // namespace

class SearchPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void pastingWritesTheTempFileAndSearchesAtOnce()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* pasteBox = run.find<PasteBox>("pasteBox");
        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.11", "04/Dec/2026:12:30:00", "GET /caf\xc3\xa9.html"));
        run.paste(Joined(report));

        // Written with CR LF breaks, as every other file the program writes.
        QCOMPARE(FileBytes(window.tempFilePath()), CrLf(report));
        QCOMPARE(window.reportPath(), window.tempFilePath());
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 1"));
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 2 of 5"));
        QCOMPARE(run.result(0), ShortForm(report[0]));
        QCOMPARE(run.result(1), ShortForm(report[1]));
        QCOMPARE(window.statusText(), window.tempFilePath());
        QVERIFY(run.find<QAction>("saveAsAction")->isEnabled());
        QCOMPARE(pasteBox->textCursor().position(), 0);
        QVERIFY(Dialogs::shownMessages().empty());

        // Entering or clicking the box selects its whole text, so the next paste replaces it.
        const int length = pasteBox->document()->characterCount() - 1;
        run.find("closeButton")->setFocus();
        pasteBox->setFocus(Qt::TabFocusReason);
        QCOMPARE(pasteBox->textCursor().selectionStart(), 0);
        QCOMPARE(pasteBox->textCursor().selectionEnd(), length);
        pasteBox->moveCursor(QTextCursor::End);
        QTest::mouseClick(pasteBox->viewport(), Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(pasteBox->textCursor().selectionEnd() - pasteBox->textCursor().selectionStart(), length);

        // Every further edit searches again; typed text keeps its order.
        pasteBox->setPlainText(QStringLiteral("x"));
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 0 of 1"));
        pasteBox->moveCursor(QTextCursor::End);
        QTest::keyClicks(pasteBox, QStringLiteral("yz"));
        QVERIFY(run.searched());
        QCOMPARE(pasteBox->toPlainText(), QStringLiteral("xyz"));
        QCOMPARE(FileBytes(window.tempFilePath()), QByteArray("xyz"));
    }

    void enterInABoxRemembersItsTextForThatPanelOnly()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        auto* box = run.find<QComboBox>("searchBox1");

        QTest::keyClicks(box->lineEdit(), QStringLiteral("x"));
        QCOMPARE(run.label("countLabel1"), QStringLiteral("Found: 1")); // typing alone searches nothing
        run.enterSearch("searchBox1", QStringLiteral("GET /index.html"));
        QVERIFY(run.searched());
        QCOMPARE(run.result(1), ShortForm(SmallReport()[3]));
        QCOMPARE(box->count(), 2);
        QCOMPARE(box->itemText(1), QStringLiteral("GET /index.html"));
        QCOMPARE(window.panel(1).SearchLists.size(), std::size_t{2});
        QCOMPARE(run.find<QComboBox>("searchBox0")->count(), 1);
        QCOMPARE(window.panel(0).SearchLists.size(), std::size_t{1});
        QVERIFY(!box->completer()); // nor does the box ever complete typed text
    }

    void choosingARememberedTextSearchesWithoutGrowingTheList()
    {
        TestProgram run;
        run.setting("Combo11_1", QStringLiteral("GET /index.html"));
        QVERIFY(run.start());
        auto* box = run.find<QComboBox>("searchBox1");
        QCOMPARE(box->count(), 2);
        run.paste(Joined(SmallReport()));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(run.searched());
        QCOMPARE(box->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(run.result(1), ShortForm(SmallReport()[3]));
        QCOMPARE(box->count(), 2);
        QCOMPARE(run.window().panel(1).SearchLists.size(), std::size_t{2});

        // The box's text now matches another entry: the focus leaving it as the window goes
        // picks nothing and searches nothing in a window half gone.
        // The box's text now matches an entry other than its current one: the focus leaving it
        // as the window goes must search nothing in a window half gone.
        run.enterSearch("searchBox1", QStringLiteral("GET /style.css"));
        QVERIFY(run.searched());
        run.program.reset();
    }

    // No duplicates unchecked counts a split download twice and leaves the long form.
    void moreAndNoDuplicates()
    {
        TestProgram run;
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.click("moreButton0");
        QVERIFY(run.searched());
        QVERIFY(run.program->moreFlags()[0]);
        QCOMPARE(run.find<QPushButton>("moreButton0")->text(), QStringLiteral("<<"));
        // The status form: what follows the request, each entry followed by an empty line.
        QCOMPARE(run.result(0), QStringLiteral("200 1000 \"-\" \"Mozilla/5.0\"\n\n"));
        QCOMPARE(run.result(1), ShortForm(SmallReport()[1]));
        run.click("moreButton0");
        QVERIFY(run.searched());
        QCOMPARE(run.find<QPushButton>("moreButton0")->text(), QStringLiteral(">>"));
        QCOMPARE(run.result(0), ShortForm(SmallReport()[0]));

        run.click("moreButton1");
        QVERIFY(run.searched());
        run.click("fullWindowBox");
        QVERIFY(run.find<QCheckBox>("noDuplicatesBox")->isChecked());
        run.click("noDuplicatesBox");
        QVERIFY(run.searched());
        QCOMPARE(run.label("countLabel1"), QStringLiteral("Found: 2"));
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 3 of 4"));
        QCOMPARE(run.find<QPushButton>("moreButton1")->text(), QStringLiteral(">>"));
        QVERIFY(!run.find<QCheckBox>("fullWindowBox")->isChecked());
        run.click("noDuplicatesBox");
        QVERIFY(run.searched());
        QCOMPARE(run.label("countLabel1"), QStringLiteral("Found: 1"));
    }

    // A changed option of the counts searches the report shown again; nothing is searched before
    // a report has been shown, nor once the window closes.
    void countingOptionsSearchTheShownReportAgain()
    {
        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.12", "04/Dec/2026:13:00:00", kExe, 404));
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        Preferences& preferences = run.program->preferences();
        QSignalSpy searches(&window, &MainWindow::searchFinished);
        CountingOptions counting;
        counting.splitTime = 45;
        preferences.setCounting(counting);
        QVERIFY(!window.isSearching());
        QCOMPARE(searches.count(), 0);

        run.paste(Joined(report));
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 2"));
        const int pasted = searches.count();
        auto* advanced = ShowAdvancedOptionsDialog(run.program->windows(), preferences);
        FindChild<QCheckBox>(advanced, "leaveOutFailedBox")->setChecked(true);
        FindChild<QPushButton>(advanced, "applyButton")->click();
        QVERIFY(run.searched());
        QCOMPARE(searches.count(), pasted + 1);
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 1"));
        QCOMPARE(run.label("leftOutLabel"), QStringLiteral("(left out: 0 robots, 1 failed)"));
        // The counts beside "Found" come with it; the file's size is read from the report.
        QCOMPARE(run.label("downloadsLabel0"), QStringLiteral("1 complete · 1 unique a day"));
        // OK without a change searches nothing.
        FindChild<QPushButton>(advanced, "okButton")->click();
        QVERIFY(run.searched());
        QCOMPARE(searches.count(), pasted + 1);

        window.close();
        counting.splitTime = 60;
        preferences.setCounting(counting);
        QVERIFY(!window.isSearching());
        QCOMPARE(searches.count(), pasted + 1);
    }

    // In its place in the bottom row the paste box shows whole lines only, wherever its text is
    // scrolled to.
    void thePasteBoxShowsNoPartOfALine()
    {
        TestProgram run;
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        auto* box = run.find<PasteBox>("pasteBox");
        const QRect view = box->viewport()->rect();
        const int lines = box->document()->blockCount();
        QVERIFY(lines >= 4);
        for (int line = 0; line < lines; ++line) {
            box->setTextCursor(QTextCursor(box->document()->findBlockByNumber(line)));
            box->ensureCursorVisible();
            int whole = 0;
            for (int other = 0; other < lines; ++other) {
                const QRect at = box->cursorRect(QTextCursor(box->document()->findBlockByNumber(other)));
                if (!at.intersects(view))
                    continue;
                QVERIFY2(view.contains(at), qPrintable(QStringLiteral("line %1 cut at line %2").arg(other).arg(line)));
                ++whole;
            }
            QVERIFY(whole >= 1);
        }
    }

    void fullWindowAndTheMoveButton()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        auto* pasteBox = run.find("pasteBox");
        auto* toggle = run.find<QPushButton>("pasteBoxToggle");
        auto* full = run.find<QCheckBox>("fullWindowBox");
        const QRect normal = Place(pasteBox);
        // Beside the box, so that it hides none of the pasted text.
        QVERIFY(!Place(toggle).intersects(normal));
        QVERIFY(normal.height() < Place(run.find("resultBox0")).height());
        const QRect panels =
            Place(run.find("resultBox0")).united(Place(run.find("resultBox1"))).united(Place(run.find("searchBox0")));

        toggle->click(); // Normal: only the caption changes
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        QCOMPARE(Place(pasteBox), normal);

        full->click();
        QCOMPARE(toggle->text(), QStringLiteral("<<"));
        QTRY_VERIFY(Place(pasteBox).contains(panels));
        QVERIFY(!run.find("resultBox0")->isVisible());
        toggle->click();
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        QVERIFY(!pasteBox->isVisible());
        QTRY_COMPARE(Place(run.find("resultBox1")).bottom(), panels.bottom());
        toggle->click();
        QVERIFY(pasteBox->isVisible());
        QTRY_VERIFY(Place(pasteBox).contains(panels));

        full->click();
        QTRY_COMPARE(Place(pasteBox), normal);
        QCOMPARE(toggle->text(), QStringLiteral(">>"));

        // Search file on startup returns to Normal and shows the report's path.
        full->click();
        run.click("searchOnStartBox");
        QVERIFY(!full->isChecked());
        QTRY_COMPARE(Place(pasteBox), normal);
        QCOMPARE(window.statusText(), window.reportPath());
    }

    void sevenDigitCountsFitAndTheResultBoxesGrowWithTheWindow()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const QSize opening = window.size();
        run.find<QLabel>("countLabel0")->setText(QStringLiteral("Found: 1200000"));
        run.find<QLabel>("countLabel1")->setText(QStringLiteral("Found: 1200000"));
        run.find<QLabel>("totalLabel")->setText(QStringLiteral("All Found: 1200000 of 1200000"));
        QApplication::processEvents();
        QCOMPARE(window.size(), opening); // room was kept for them
        for (const char* name : {"countLabel0", "countLabel1", "totalLabel"}) {
            auto* label = run.find<QLabel>(name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        std::vector<QWidget*> shown;
        const QStringList containers{"client", "panelsArea", "searchPanel0", "searchPanel1", "pasteBoxPlace"};
        for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
            if (widget->isVisible() && !containers.contains(widget->objectName()) &&
                containers.contains(widget->parentWidget()->objectName()))
                shown.push_back(widget);
        }
        QVERIFY(shown.size() >= 20);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j)
                QVERIFY2(!Place(shown[i]).intersects(Place(shown[j])),
                         qPrintable(shown[i]->objectName() + QStringLiteral(" overlaps ") + shown[j]->objectName()));
        }

        const QSize box = run.find("resultBox0")->size();
        window.resize(opening + QSize(300, 200));
        QTRY_VERIFY(run.find("resultBox0")->width() >= box.width() + 300);
        QVERIFY(run.find("resultBox0")->height() >= box.height() + 90);
        QVERIFY(run.find("resultBox1")->height() >= box.height() + 90);
    }

    void notepadExportsTheBoxTextWithCrLfBreaksOrSaysWhyNot()
    {
        TestProgram run;
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.click("moreButton1");
        QVERIFY(run.searched());
        for (int i = 0; i < 2; ++i) {
            run.click(i == 0 ? "notepadButton0" : "notepadButton1");
            const QString path = run.dataFile(i == 0 ? "tallywick1.txt" : "tallywick2.txt");
            QVERIFY(run.result(i).contains(QLatin1Char('\n')));
            QCOMPARE(FileBytes(path), run.result(i).toUtf8().replace("\n", "\r\n"));
            QCOMPARE(Desktop::opened().constLast(), QUrl::fromLocalFile(path).toString());
        }

        Desktop::setOpenFailsForTests(true);
        run.click("notepadButton0");
        QVERIFY(QFile::remove(run.dataFile("tallywick2.txt")));
        QVERIFY(QDir().mkpath(run.dataFile("tallywick2.txt"))); // a folder is no file
        run.click("notepadButton1");
        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{2});
        QVERIFY2(said[0].text.startsWith(QStringLiteral("No program could be found to open ") +
                                         QDir::toNativeSeparators(run.dataFile("tallywick1.txt"))),
                 qPrintable(said[0].text));
        QVERIFY2(said[1].text.startsWith(QDir::toNativeSeparators(run.dataFile("tallywick2.txt")) +
                                         QStringLiteral(" could not be written")),
                 qPrintable(said[1].text));
    }

    void missingUnreadableAndCompressedReports()
    {
        TestProgram run;
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));

        const QString missing = run.dir.filePath(QStringLiteral("gone.txt"));
        run.open(missing);
        QVERIFY(run.searched());
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound[0].text, missing);
        // The reset paste box's search gave way to the missing file, which changed nothing.
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 2 of 4"));

        const QString broken = run.dir.filePath(QStringLiteral("broken.log.gz"));
        WriteFile(broken, QByteArray("\x1f\x8b\x08\x00 this is no compressed report", 40));
        run.open(broken);
        QVERIFY(run.searched());
        const auto failed = run.messages(QStringLiteral("ZedOra"));
        QCOMPARE(failed.size(), std::size_t{1});
        QVERIFY2(failed[0].text.startsWith(QStringLiteral("57 ")), qPrintable(failed[0].text));
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 2 of 4"));
        QVERIFY(run.result(0) != QStringLiteral("Please Wait...."));

        // There, but not to be read: the reason, not "File Not Found".
        if (const QString unreadable = UnreadableFile(); !unreadable.isEmpty()) {
            run.open(unreadable);
            QVERIFY(run.searched());
            QCOMPARE(run.said("File Not Found"), std::size_t{1});
            const auto refused = run.messages(QStringLiteral("ZedOra"));
            QCOMPARE(refused.size(), std::size_t{2});
            QCOMPARE(refused[1].text, QStringLiteral("57 %1: Permission denied").arg(unreadable));
            QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 2 of 4"));
        }

        const auto shownBefore = Dialogs::shownMessages().size();
        run.open(QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz"));
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 0 of 10000"));
        QCOMPARE(Dialogs::shownMessages().size(), shownBefore);
    }

    // The days a report covers come from the search's own read of it: it is opened once.
    void aSearchNotesTheDaysOfItsReport()
    {
        TestProgram run;
        auto opened = std::make_shared<std::atomic<int>>(0);
        run.setup.reportOpener = [opened](const ReportPath& path) {
            ++*opened;
            return OpenReportFile(path);
        };
        const QString report = run.dir.filePath(QStringLiteral("access.log"));
        WriteFile(report, CrLf(SmallReport()));
        QVERIFY(run.start());
        run.open(report);
        QVERIFY(run.searched());
        QCOMPARE(opened->load(), 1);
        run.program->closeAllWindows();
        QVERIFY(FileBytes(run.dataFile("coverage.dat")).contains("2026-12-04"));
    }

    // Through one panel, then the other, then the row below; the first result box has the focus.
    void tabWalksThePanelsInReadingOrder()
    {
        TestProgram run;
        QVERIFY(run.start());
        QVERIFY(QTest::qWaitForWindowActive(&run.window()));
        const char* order[] = {
            "resultBox0",       "searchBox1",      "goButton1",     "moreButton1",    "notepadButton1", "resultBox1",
            "searchOnStartBox", "noDuplicatesBox", "fullWindowBox", "pasteBoxToggle", "pasteBox",       "closeButton",
            "searchBox0",       "goButton0",       "moreButton0",   "notepadButton0", "resultBox0"};
        QCOMPARE(QApplication::focusWidget(), run.find(order[0]));
        for (const char* name : std::span(order).subspan(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == run.find(name) || focus->parentWidget() == run.find(name), name);
        }
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::SearchPanelsTest)
#include "searchpanels_test.moc"
