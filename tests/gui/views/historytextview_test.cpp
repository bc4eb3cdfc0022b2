#include "ui/common/desktop.h"
#include "ui/views/historytextview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {

class HistoryViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Desktop::setTestMode(true); }

    void opensWithTheWholeHistoryComputedOnce()
    {
        ViewsInputs inputs;
        const QPointer window = new HistoryTextView(inputs.context());
        QCOMPARE(window->windowTitle(), QStringLiteral("History"));
        QCOMPARE(window->computations(), 1);
        QCOMPARE(window->Combo1->count(), 4);
        QCOMPARE(window->Combo1->itemText(0), QStringLiteral("All History"));
        QCOMPARE(window->Combo1->itemText(1), QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(window->Combo1->currentIndex(), 0);
        QVERIFY(window->Combo1->isEditable());
        QCOMPARE(window->lblFrom->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(window->lblTo->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(window->lblHits->text(), QStringLiteral("164 Hits"));
        const QStringList lines = window->RichTextBox1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QString::fromStdString(inputs.History.front()));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QString::fromStdString(inputs.History.at(1)));
        QVERIFY(window->RichTextBox1->isReadOnly());
        delete window;
    }

    void onlyAPickFromTheListFiltersTheText()
    {
        ViewsInputs inputs;
        const QPointer window = new HistoryTextView(inputs.context());
        Pick(window->Combo1, 2);
        QCOMPARE(window->computations(), 2);
        // Every record of the item, the one with an unreadable date included.
        const auto exe = std::count_if(inputs.History.begin(), inputs.History.end(), [](const std::string& record) {
            return record.find("/quarnel/shareware/pelmor.exe") != std::string::npos;
        });
        QCOMPARE(window->lblHits->text(), QStringLiteral("%1 Hits").arg(exe));
        QVERIFY(!window->RichTextBox1->toPlainText().contains(QStringLiteral("pelmor.zip")));

        QTest::keyClicks(window->Combo1->lineEdit(), QStringLiteral("guide"));
        QCOMPARE(window->computations(), 2);

        Pick(window->Combo1, 1);
        QCOMPARE(window->lblHits->text(), QStringLiteral("79 Hits"));
        Pick(window->Combo1, 0);
        QCOMPARE(window->lblHits->text(), QStringLiteral("164 Hits"));
        QCOMPARE(window->computations(), 4);
        delete window;
    }

    void notepadWritesTheTextShownAndOpensIt()
    {
        ViewsInputs inputs;
        const QPointer window = new HistoryTextView(inputs.context());
        Pick(window->Combo1, 3);
        window->cmdNotePad->click();
        const QByteArray written = inputs.exported("history.txt");
        QVERIFY(!written.isEmpty());
        QCOMPARE(written,
                 window->RichTextBox1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toUtf8());
        QVERIFY(written.endsWith("\r\n\r\n"));
        QCOMPARE(Desktop::opened(),
                 QStringList{QUrl::fromLocalFile(inputs.dataPath() + QStringLiteral("/history.txt")).toString()});
        delete window;
    }

    void anEmptyHistoryShowsNothing()
    {
        ViewsInputs inputs;
        inputs.History.clear();
        inputs.TrackedItems.clear();
        const QPointer window = new HistoryTextView(inputs.context());
        QCOMPARE(window->Combo1->count(), 1);
        QCOMPARE(window->lblFrom->text(), QStringLiteral("From:"));
        QCOMPARE(window->lblTo->text(), QStringLiteral("To:"));
        QCOMPARE(window->lblHits->text(), QStringLiteral("0 Hits"));
        QCOMPARE(window->RichTextBox1->toPlainText(), QString());
        delete window;
    }
};

int RunHistoryViewTests(int argc, char** argv)
{
    HistoryViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "history_test.moc"
