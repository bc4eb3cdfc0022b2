#include "ui/common/desktop.h"
#include "ui/views/historytextview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
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
        auto* const window = inputs.open<HistoryTextView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(ItemBox(window)->count(), 4);
        QCOMPARE(ItemBox(window)->itemText(0), QStringLiteral("All History"));
        QCOMPARE(ItemBox(window)->currentIndex(), 0);
        QVERIFY(ItemBox(window)->isEditable());
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(Hits(window), QStringLiteral("164 Hits"));
        const QStringList lines = FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QString::fromStdString(inputs.History.front()));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QString::fromStdString(inputs.History.at(1)));
    }

    void onlyAPickFromTheListFiltersTheTextThatNotepadWrites()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<HistoryTextView>();
        Pick(ItemBox(window), 2);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(Hits(window), QStringLiteral("53 Hits"));
        QVERIFY(!FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().contains(QStringLiteral("pelmor.zip")));

        QTest::keyClicks(ItemBox(window)->lineEdit(), QStringLiteral("guide"));
        QCOMPARE(window->computations(), 2);

        // Every record of the item, the one with an unreadable date included.
        Pick(ItemBox(window), 1);
        QCOMPARE(Hits(window), QStringLiteral("79 Hits"));
        Pick(ItemBox(window), 0);
        QCOMPARE(Hits(window), QStringLiteral("164 Hits"));
        QCOMPARE(window->computations(), 4);

        // Notepad writes the text shown and opens it.
        Pick(ItemBox(window), 3);
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray written = inputs.exported("history.txt");
        QVERIFY(!written.isEmpty());
        QCOMPARE(written, FindChild<QPlainTextEdit>(window, "textArea")
                              ->toPlainText()
                              .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                              .toUtf8());
        QVERIFY(written.endsWith("\r\n\r\n"));
        QCOMPARE(Desktop::opened(), inputs.openedExport("history.txt"));
    }
};

TALLYWICK_VIEWS_CASES(HistoryViewTest)

} // namespace tallywick::test

#include "historytextview_test.moc"
