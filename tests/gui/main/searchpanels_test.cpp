#include "mainwindowfixture.h"

#include <QLineEdit>

namespace tallywick {

using namespace testing;

namespace {

QString Text(const QPlainTextEdit* box)
{
    return box->toPlainText();
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
        QCOMPARE(window.rtbPasteBox->toPlainText(), QStringLiteral("Paste Text Here"));

        auto report = SmallReport();
        report.push_back(ReportLine("192.0.2.11", "04/Dec/2026:12:30:00", "GET /caf\xc3\xa9.html"));
        const QString pasted = Joined(report);
        run.paste(pasted);

        QCOMPARE(FileBytes(window.TempFilePath()), pasted.toUtf8());
        QCOMPARE(window.ReportPath(), window.TempFilePath());
        QCOMPARE(window.lblExe->text(), QStringLiteral("Found: 1"));
        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 1"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 2 of 5"));
        QCOMPARE(Text(window.RichTextBox1), ShortForm(report[0]) + QLatin1Char('\n'));
        QCOMPARE(Text(window.RichTextBox2), ShortForm(report[1]) + QLatin1Char('\n'));
        QCOMPARE(window.statusText(), window.TempFilePath());
        QVERIFY(window.mnuFileSaveAs->isEnabled());
        QCOMPARE(window.rtbPasteBox->textCursor().position(), 0);
        QVERIFY(run.messages(QStringLiteral("File Not Found")).empty());

        // Every further edit searches again; typed text keeps its order.
        window.rtbPasteBox->setPlainText(QStringLiteral("x"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 0 of 1"));
        window.rtbPasteBox->moveCursor(QTextCursor::End);
        QTest::keyClicks(window.rtbPasteBox, QStringLiteral("yz"));
        QCOMPARE(window.rtbPasteBox->toPlainText(), QStringLiteral("xyz"));
        QCOMPARE(FileBytes(window.TempFilePath()), QByteArray("xyz"));
    }

    void enteringOrClickingThePasteBoxSelectsItsWholeText()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        run.paste(Joined(SmallReport()));
        const int length = window.rtbPasteBox->document()->characterCount() - 1;

        window.cmdClose->setFocus();
        window.rtbPasteBox->setFocus(Qt::TabFocusReason);
        QCOMPARE(window.rtbPasteBox->textCursor().selectionStart(), 0);
        QCOMPARE(window.rtbPasteBox->textCursor().selectionEnd(), length);

        window.rtbPasteBox->moveCursor(QTextCursor::End);
        QTest::mouseClick(window.rtbPasteBox->viewport(), Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(window.rtbPasteBox->textCursor().selectionEnd() - window.rtbPasteBox->textCursor().selectionStart(),
                 length);

        // So the next paste replaces the previous report.
        run.paste(QString::fromStdString(SmallReport()[0] + "\n"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 1 of 1"));
    }

    void enterInABoxRemembersItsTextForThatPanelOnly()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));

        QLineEdit* edit = window.Combo1[1]->lineEdit();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("GET /index.html"));
        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 1")); // typing alone searches nothing
        QTest::keyClick(edit, Qt::Key_Return);

        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 1"));
        QCOMPARE(Text(window.RichTextBox2), ShortForm(SmallReport()[3]) + QLatin1Char('\n'));
        QCOMPARE(window.Combo1[1]->count(), 2);
        QCOMPARE(window.Combo1[1]->itemText(1), QStringLiteral("GET /index.html"));
        QCOMPARE(window.Combo1[1]->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(window.panel(1).SearchLists.size(), std::size_t{2});
        QCOMPARE(window.Combo1[0]->count(), 1);
        QCOMPARE(window.panel(0).SearchLists.size(), std::size_t{1});

        // The same text again adds nothing; nor does the box ever complete typed text.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window.Combo1[1]->count(), 2);
        QVERIFY(!window.Combo1[1]->completer());
    }

    void choosingARememberedTextSearchesWithoutGrowingTheList()
    {
        TestProgram run;
        run.setting("Combo11_1", QStringLiteral("GET /index.html"));
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QCOMPARE(window.Combo1[1]->count(), 2);
        run.paste(Joined(SmallReport()));
        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 1"));

        window.Combo1[1]->setFocus();
        QTest::keyClick(window.Combo1[1], Qt::Key_Down);
        QCOMPARE(window.Combo1[1]->currentText(), QStringLiteral("GET /index.html"));
        QCOMPARE(Text(window.RichTextBox2), ShortForm(SmallReport()[3]) + QLatin1Char('\n'));
        QCOMPARE(window.Combo1[1]->count(), 2);
        QCOMPARE(window.panel(1).SearchLists.size(), std::size_t{2});
    }

    void moreShowsTheLongFormAndBack()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        QCOMPARE(window.cmdmore[0]->text(), QStringLiteral(">>"));

        window.cmdmore[0]->click();
        QVERIFY(run.program->moreFlags()[0]);
        QVERIFY(!run.program->moreFlags()[1]);
        QCOMPARE(window.cmdmore[0]->text(), QStringLiteral("<<"));
        QCOMPARE(window.cmdmore[1]->text(), QStringLiteral(">>"));
        const QString longForm = Text(window.RichTextBox1);
        // The status form: what follows the request, each entry followed by an empty line.
        QCOMPARE(longForm, QStringLiteral("200 1000 \"-\" \"Mozilla/5.0\"\n\n"));
        QCOMPARE(Text(window.RichTextBox2), ShortForm(SmallReport()[1]) + QLatin1Char('\n'));

        window.cmdmore[0]->click();
        QVERIFY(!run.program->moreFlags()[0]);
        QCOMPARE(window.cmdmore[0]->text(), QStringLiteral(">>"));
        QCOMPARE(Text(window.RichTextBox1), ShortForm(SmallReport()[0]) + QLatin1Char('\n'));
    }

    void noDuplicatesCountsSplitDownloadsOnceOnlyWhileChecked()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        window.cmdmore[1]->click();
        window.chkFullwindow->click();
        QVERIFY(window.chkNoDuplicates->isChecked());

        window.chkNoDuplicates->click();
        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 2"));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 3 of 4"));
        QVERIFY(!run.program->moreFlags()[1]);
        QCOMPARE(window.cmdmore[1]->text(), QStringLiteral(">>"));
        QVERIFY(!window.chkFullwindow->isChecked());

        window.chkNoDuplicates->click();
        QCOMPARE(window.lblZip->text(), QStringLiteral("Found: 1"));
    }

    void fullWindowAndTheMoveButton()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        const QRect normal(16, 392, 393, 25);
        const QRect full(16, 4, 585, 366);
        QCOMPARE(window.rtbPasteBox->geometry(), normal);
        QCOMPARE(window.cmdMove->text(), QStringLiteral("<<"));
        QVERIFY(window.cmdMove->geometry().intersects(normal)); // over the box's left end

        window.cmdMove->click(); // Normal: only the caption changes
        QCOMPARE(window.cmdMove->text(), QStringLiteral(">>"));
        QCOMPARE(window.rtbPasteBox->geometry(), normal);

        window.chkFullwindow->click();
        QCOMPARE(window.rtbPasteBox->geometry(), full);
        QCOMPARE(window.cmdMove->text(), QStringLiteral("<<"));
        window.cmdMove->click();
        QCOMPARE(window.cmdMove->text(), QStringLiteral(">>"));
        QCOMPARE(window.rtbPasteBox->geometry(), full.translated(-1333 - 16, 0));
        window.cmdMove->click();
        QCOMPARE(window.rtbPasteBox->geometry(), full);

        window.chkFullwindow->click();
        QCOMPARE(window.rtbPasteBox->geometry(), normal);
        QCOMPARE(window.cmdMove->text(), QStringLiteral(">>"));

        // Search file on startup returns to Normal and shows the report's path.
        window.chkFullwindow->click();
        window.chkSearchFile->click();
        QVERIFY(!window.chkFullwindow->isChecked());
        QCOMPARE(window.rtbPasteBox->geometry(), normal);
        QCOMPARE(window.statusText(), window.ReportPath());
    }

    void notepadExportsExactlyTheBoxText()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        window.cmdmore[1]->click();

        for (int i = 0; i < 2; ++i) {
            window.cmdNotePad[static_cast<std::size_t>(i)]->click();
            const QString path = run.dataFile(i == 0 ? "tallywick1.txt" : "tallywick2.txt");
            const QPlainTextEdit* box = i == 0 ? window.RichTextBox1 : window.RichTextBox2;
            QCOMPARE(FileBytes(path), box->toPlainText().toUtf8());
            QCOMPARE(Desktop::opened().constLast(), QUrl::fromLocalFile(path).toString());
        }
    }

    void missingAndUnreadableReportsAreReportedAndChangeNothing()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));

        const QString missing = run.dir.filePath(QStringLiteral("gone.txt"));
        Dialogs::queueFileName(missing);
        window.mnuFileOpen->trigger();
        const auto notFound = run.messages(QStringLiteral("File Not Found"));
        QCOMPARE(notFound.size(), std::size_t{1});
        QCOMPARE(notFound[0].text, missing);
        // The reset paste box was searched; the missing file changed nothing after it.
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 0 of 1"));

        const QString broken = run.dir.filePath(QStringLiteral("broken.log.gz"));
        WriteFile(broken, QByteArray("\x1f\x8b\x08\x00 this is no compressed report", 40));
        Dialogs::queueFileName(broken);
        window.mnuFileOpen->trigger();
        const auto failed = run.messages(QStringLiteral("ZedOra"));
        QCOMPARE(failed.size(), std::size_t{1});
        QVERIFY2(failed[0].text.startsWith(QStringLiteral("57 ")), qPrintable(failed[0].text));
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 0 of 1"));
        QVERIFY(Text(window.RichTextBox1) != QStringLiteral("Please Wait...."));
    }

    void tabWalksTheDesignedOrder()
    {
        TestProgram run;
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const std::vector<QWidget*> order{
            window.RichTextBox1,  window.RichTextBox2,    window.rtbPasteBox,   window.cmdClose,
            window.chkSearchFile, window.chkNoDuplicates, window.Combo1[0],     window.Combo1[1],
            window.cmdRefresh[0], window.cmdRefresh[1],   window.cmdmore[0],    window.cmdmore[1],
            window.chkFullwindow, window.cmdMove,         window.cmdNotePad[0], window.cmdNotePad[1]};
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
        window.mnuFileOpen->trigger();
        QCOMPARE(window.lblAll->text(), QStringLiteral("All Found: 0 of 10000"));
        QVERIFY(Dialogs::shownMessages().empty());
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::SearchPanelsTest)
#include "searchpanels_test.moc"
