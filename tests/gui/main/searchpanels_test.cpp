#include "mainwindowfixture.h"
#include "support/findchild.h"

#include <QLineEdit>

namespace tallywick {

using namespace testing;

namespace {

QString Text(const QPlainTextEdit* box)
{
    return box->toPlainText();
}

// Where a control lies in the window.
QRect Place(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// The short form of a hit: the line up to the blank after the request path.
QString ShortForm(const std::string& line)
{
    const auto end = line.find(' ', line.find("GET ") + 4);
    return QString::fromStdString(line.substr(0, end + 1));
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
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->toPlainText(), QStringLiteral("Paste Text Here"));

        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.11", "04/Dec/2026:12:30:00", "GET /caf\xc3\xa9.html"));
        const QString pasted = Joined(report);
        run.paste(pasted);

        QCOMPARE(FileBytes(window.tempFilePath()), pasted.toUtf8());
        QCOMPARE(window.reportPath(), window.tempFilePath());
        QCOMPARE(FindChild<QLabel>(window, "countLabel0")->text(), QStringLiteral("Found: 1"));
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), QStringLiteral("Found: 1"));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 2 of 5"));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox0")), ShortForm(report[0]) + QLatin1Char('\n'));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox1")), ShortForm(report[1]) + QLatin1Char('\n'));
        QCOMPARE(window.statusText(), window.tempFilePath());
        QVERIFY(FindChild<QAction>(window, "saveAsAction")->isEnabled());
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->textCursor().position(), 0);
        QVERIFY(run.messages(QStringLiteral("File Not Found")).empty());

        // Every further edit searches again; typed text keeps its order.
        FindChild<PasteBox>(window, "pasteBox")->setPlainText(QStringLiteral("x"));
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 0 of 1"));
        FindChild<PasteBox>(window, "pasteBox")->moveCursor(QTextCursor::End);
        QTest::keyClicks(FindChild<PasteBox>(window, "pasteBox"), QStringLiteral("yz"));
        QVERIFY(run.searched());
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->toPlainText(), QStringLiteral("xyz"));
        QCOMPARE(FileBytes(window.tempFilePath()), QByteArray("xyz"));
    }

    void enteringOrClickingThePasteBoxSelectsItsWholeText()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        run.paste(Joined(SmallReport()));
        const int length = FindChild<PasteBox>(window, "pasteBox")->document()->characterCount() - 1;

        FindChild<QPushButton>(window, "closeButton")->setFocus();
        FindChild<PasteBox>(window, "pasteBox")->setFocus(Qt::TabFocusReason);
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->textCursor().selectionStart(), 0);
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->textCursor().selectionEnd(), length);

        FindChild<PasteBox>(window, "pasteBox")->moveCursor(QTextCursor::End);
        QTest::mouseClick(FindChild<PasteBox>(window, "pasteBox")->viewport(), Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(FindChild<PasteBox>(window, "pasteBox")->textCursor().selectionEnd() -
                     FindChild<PasteBox>(window, "pasteBox")->textCursor().selectionStart(),
                 length);

        // So the next paste replaces the previous report.
        run.paste(QString::fromStdString(SmallReport()[0] + "\n"));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 1 of 1"));
    }

    void enterInABoxRemembersItsTextForThatPanelOnly()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));

        QLineEdit* edit = FindChild<QComboBox>(window, "searchBox1")->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("GET /index.html"));
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(),
                 QStringLiteral("Found: 1")); // typing alone searches nothing
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(run.searched());

        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), QStringLiteral("Found: 1"));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox1")),
                 ShortForm(SmallReport()[3]) + QLatin1Char('\n'));
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->count(), 2);
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->itemText(1), QStringLiteral("GET /index.html"));
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(window.panel(1).SearchLists.size(), std::size_t{2});
        QCOMPARE(FindChild<QComboBox>(window, "searchBox0")->count(), 1);
        QCOMPARE(window.panel(0).SearchLists.size(), std::size_t{1});

        // The same text again adds nothing; nor does the box ever complete typed text.
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->count(), 2);
        QVERIFY(!FindChild<QComboBox>(window, "searchBox1")->completer());
    }

    void choosingARememberedTextSearchesWithoutGrowingTheList()
    {
        TestProgram run;
        run.setting("Combo11_1", QStringLiteral("GET /index.html"));
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->count(), 2);
        run.paste(Joined(SmallReport()));
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), QStringLiteral("Found: 1"));

        FindChild<QComboBox>(window, "searchBox1")->setFocus();
        QTest::keyClick(FindChild<QComboBox>(window, "searchBox1"), Qt::Key_Down);
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox1")),
                 ShortForm(SmallReport()[3]) + QLatin1Char('\n'));
        QCOMPARE(FindChild<QComboBox>(window, "searchBox1")->count(), 2);
        QCOMPARE(window.panel(1).SearchLists.size(), std::size_t{2});
    }

    void moreShowsTheLongFormAndBack()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        QCOMPARE(FindChild<QPushButton>(window, "moreButton0")->text(), QStringLiteral(">>"));

        FindChild<QPushButton>(window, "moreButton0")->click();
        QVERIFY(run.searched());
        QVERIFY(run.program->moreFlags()[0]);
        QVERIFY(!run.program->moreFlags()[1]);
        QCOMPARE(FindChild<QPushButton>(window, "moreButton0")->text(), QStringLiteral("<<"));
        QCOMPARE(FindChild<QPushButton>(window, "moreButton1")->text(), QStringLiteral(">>"));
        const QString longForm = Text(FindChild<QPlainTextEdit>(window, "resultBox0"));
        // The status form: what follows the request, each entry followed by an empty line.
        QCOMPARE(longForm, QStringLiteral("200 1000 \"-\" \"Mozilla/5.0\"\n\n"));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox1")),
                 ShortForm(SmallReport()[1]) + QLatin1Char('\n'));

        FindChild<QPushButton>(window, "moreButton0")->click();
        QVERIFY(run.searched());
        QVERIFY(!run.program->moreFlags()[0]);
        QCOMPARE(FindChild<QPushButton>(window, "moreButton0")->text(), QStringLiteral(">>"));
        QCOMPARE(Text(FindChild<QPlainTextEdit>(window, "resultBox0")),
                 ShortForm(SmallReport()[0]) + QLatin1Char('\n'));
    }

    void noDuplicatesCountsSplitDownloadsOnceOnlyWhileChecked()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        FindChild<QPushButton>(window, "moreButton1")->click();
        QVERIFY(run.searched());
        FindChild<QCheckBox>(window, "fullWindowBox")->click();
        QVERIFY(FindChild<QCheckBox>(window, "noDuplicatesBox")->isChecked());

        FindChild<QCheckBox>(window, "noDuplicatesBox")->click();
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), QStringLiteral("Found: 2"));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 3 of 4"));
        QVERIFY(!run.program->moreFlags()[1]);
        QCOMPARE(FindChild<QPushButton>(window, "moreButton1")->text(), QStringLiteral(">>"));
        QVERIFY(!FindChild<QCheckBox>(window, "fullWindowBox")->isChecked());

        FindChild<QCheckBox>(window, "noDuplicatesBox")->click();
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QLabel>(window, "countLabel1")->text(), QStringLiteral("Found: 1"));
    }

    void failedRequestsLeftOutAreCountedBelowAllFoundOnlyWhenAsked()
    {
        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.12", "04/Dec/2026:13:00:00", kExe, 404));
        for (const bool leaveOut : {false, true}) {
            TestProgram run;
            run.setting("LeaveOutFailed", leaveOut ? QStringLiteral("True") : QStringLiteral("False"));
            QVERIFY(run.start());
            run.paste(Joined(report));
            MainWindow& window = run.window();
            QCOMPARE(FindChild<QLabel>(window, "countLabel0")->text(),
                     QStringLiteral("Found: %1").arg(leaveOut ? 1 : 2));
            QCOMPARE(FindChild<QLabel>(window, "leftOutLabel")->isVisible(), leaveOut);
            if (leaveOut)
                QCOMPARE(FindChild<QLabel>(window, "leftOutLabel")->text(),
                         QStringLiteral("(left out: 0 robots, 1 failed)"));
        }
    }

    void fullWindowAndTheMoveButton()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        auto* pasteBox = FindChild<PasteBox>(window, "pasteBox");
        auto* toggle = FindChild<QPushButton>(window, "pasteBoxToggle");
        const QRect normal = Place(pasteBox);
        // Beside the box, so that it hides none of the pasted text.
        QVERIFY(!Place(toggle).intersects(normal));
        QVERIFY(normal.height() < Place(FindChild<QPlainTextEdit>(window, "resultBox0")).height());
        const QRect panels = Place(FindChild<QPlainTextEdit>(window, "resultBox0"))
                                 .united(Place(FindChild<QPlainTextEdit>(window, "resultBox1")))
                                 .united(Place(FindChild<QComboBox>(window, "searchBox0")));

        toggle->click(); // Normal: only the caption changes
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        QCOMPARE(Place(pasteBox), normal);

        FindChild<QCheckBox>(window, "fullWindowBox")->click();
        QCOMPARE(toggle->text(), QStringLiteral("<<"));
        QTRY_VERIFY(Place(pasteBox).contains(panels));
        QVERIFY(!FindChild<QPlainTextEdit>(window, "resultBox0")->isVisible());
        toggle->click();
        QCOMPARE(toggle->text(), QStringLiteral(">>"));
        QVERIFY(!pasteBox->isVisible());
        QTRY_COMPARE(Place(FindChild<QPlainTextEdit>(window, "resultBox1")).bottom(), panels.bottom());
        toggle->click();
        QVERIFY(pasteBox->isVisible());
        QTRY_VERIFY(Place(pasteBox).contains(panels));

        FindChild<QCheckBox>(window, "fullWindowBox")->click();
        QTRY_COMPARE(Place(pasteBox), normal);
        QCOMPARE(toggle->text(), QStringLiteral(">>"));

        // Search file on startup returns to Normal and shows the report's path.
        FindChild<QCheckBox>(window, "fullWindowBox")->click();
        FindChild<QCheckBox>(window, "searchOnStartBox")->click();
        QVERIFY(!FindChild<QCheckBox>(window, "fullWindowBox")->isChecked());
        QTRY_COMPARE(Place(pasteBox), normal);
        QCOMPARE(window.statusText(), window.reportPath());
    }

    void sevenDigitCountsFitAndTheResultBoxesGrowWithTheWindow()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const QSize opening = window.size();
        FindChild<QLabel>(window, "countLabel0")->setText(QStringLiteral("Found: 1200000"));
        FindChild<QLabel>(window, "countLabel1")->setText(QStringLiteral("Found: 1200000"));
        FindChild<QLabel>(window, "totalLabel")->setText(QStringLiteral("All Found: 1200000 of 1200000"));
        QApplication::processEvents();
        QCOMPARE(window.size(), opening); // room was kept for them
        for (const char* name : {"countLabel0", "countLabel1", "totalLabel"}) {
            auto* label = FindChild<QLabel>(window, name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        std::vector<QWidget*> shown;
        const QStringList containers{"client", "panelsArea", "pasteBoxPlace"};
        for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
            if (widget->isVisible() && !containers.contains(widget->objectName()) &&
                containers.contains(widget->parentWidget()->objectName()))
                shown.push_back(widget);
        }
        QVERIFY(shown.size() >= 20);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                const bool apart = !Place(shown[i]).intersects(Place(shown[j]));
                QVERIFY2(apart,
                         qPrintable(shown[i]->objectName() + QStringLiteral(" overlaps ") + shown[j]->objectName()));
            }
        }

        const QSize box = FindChild<QPlainTextEdit>(window, "resultBox0")->size();
        window.resize(opening + QSize(300, 200));
        QTRY_VERIFY(FindChild<QPlainTextEdit>(window, "resultBox0")->width() >= box.width() + 300);
        QVERIFY(FindChild<QPlainTextEdit>(window, "resultBox0")->height() >= box.height() + 90);
        QVERIFY(FindChild<QPlainTextEdit>(window, "resultBox1")->height() >= box.height() + 90);
    }

    void notepadExportsTheBoxTextWithCrLfBreaks()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        FindChild<QPushButton>(window, "moreButton1")->click();
        QVERIFY(run.searched());

        for (int i = 0; i < 2; ++i) {
            FindChild<QPushButton>(window, i == 0 ? "notepadButton0" : "notepadButton1")->click();
            const QString path = run.dataFile(i == 0 ? "tallywick1.txt" : "tallywick2.txt");
            const auto* box = FindChild<QPlainTextEdit>(window, i == 0 ? "resultBox0" : "resultBox1");
            QVERIFY(box->toPlainText().contains(QLatin1Char('\n')));
            QCOMPARE(FileBytes(path), box->toPlainText().toUtf8().replace("\n", "\r\n"));
            QCOMPARE(Desktop::opened().constLast(), QUrl::fromLocalFile(path).toString());
        }
    }

    void aNotepadExportThatFailsOrFindsNoProgramIsSaid()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        Desktop::setOpenFailsForTests(true);
        FindChild<QPushButton>(window, "notepadButton0")->click();
        QVERIFY(QDir().mkpath(run.dataFile("tallywick2.txt"))); // a folder is no file
        FindChild<QPushButton>(window, "notepadButton1")->click();

        const auto said = run.messages(QStringLiteral("Tallywick"));
        QCOMPARE(said.size(), std::size_t{2});
        QVERIFY2(said[0].text.startsWith(QStringLiteral("No program could be found to open ") +
                                         QDir::toNativeSeparators(run.dataFile("tallywick1.txt"))),
                 qPrintable(said[0].text));
        QVERIFY2(said[1].text.startsWith(QDir::toNativeSeparators(run.dataFile("tallywick2.txt")) +
                                         QStringLiteral(" could not be written")),
                 qPrintable(said[1].text));
    }

    void missingAndUnreadableReportsAreReportedAndChangeNothing()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));

        const QString missing = run.dir.filePath(QStringLiteral("gone.txt"));
        Dialogs::queueFileName(missing);
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound[0].text, missing);
        // The reset paste box's search gave way to the missing file, which changed nothing.
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 2 of 4"));

        const QString broken = run.dir.filePath(QStringLiteral("broken.log.gz"));
        WriteFile(broken, QByteArray("\x1f\x8b\x08\x00 this is no compressed report", 40));
        Dialogs::queueFileName(broken);
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());
        const auto failed = run.messages(QStringLiteral("ZedOra"));
        QCOMPARE(failed.size(), std::size_t{1});
        QVERIFY2(failed[0].text.startsWith(QStringLiteral("57 ")), qPrintable(failed[0].text));
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 2 of 4"));
        QVERIFY(Text(FindChild<QPlainTextEdit>(window, "resultBox0")) != QStringLiteral("Please Wait...."));
    }

    void tabWalksTheDesignedOrder()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const std::vector<QWidget*> order{
            FindChild<QPlainTextEdit>(window, "resultBox0"),  FindChild<QPlainTextEdit>(window, "resultBox1"),
            FindChild<PasteBox>(window, "pasteBox"),          FindChild<QPushButton>(window, "closeButton"),
            FindChild<QCheckBox>(window, "searchOnStartBox"), FindChild<QCheckBox>(window, "noDuplicatesBox"),
            FindChild<QComboBox>(window, "searchBox0"),       FindChild<QComboBox>(window, "searchBox1"),
            FindChild<QPushButton>(window, "goButton0"),      FindChild<QPushButton>(window, "goButton1"),
            FindChild<QPushButton>(window, "moreButton0"),    FindChild<QPushButton>(window, "moreButton1"),
            FindChild<QCheckBox>(window, "fullWindowBox"),    FindChild<QPushButton>(window, "pasteBoxToggle"),
            FindChild<QPushButton>(window, "notepadButton0"), FindChild<QPushButton>(window, "notepadButton1")};
        QCOMPARE(QApplication::focusWidget(), order.front());
        for (std::size_t i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus == order[i] || focus->parentWidget() == order[i], qPrintable(focus->objectName()));
        }
    }

    void aCompressedReportOpensLikeAnyOther()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        Dialogs::queueFileName(QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz"));
        FindChild<QAction>(window, "openAction")->trigger();
        QVERIFY(run.searched());
        QCOMPARE(FindChild<QLabel>(window, "totalLabel")->text(), QStringLiteral("All Found: 0 of 10000"));
        QVERIFY(Dialogs::shownMessages().empty());
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::SearchPanelsTest)
#include "searchpanels_test.moc"
