#include "support/findchild.h"
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
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 4);
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->itemText(0), QStringLiteral("All History"));
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->itemText(1), QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->currentIndex(), 0);
        QVERIFY(FindChild<QComboBox>(window, "itemBox")->isEditable());
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("164 Hits"));
        const QStringList lines = FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QString::fromStdString(inputs.History.front()));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QString::fromStdString(inputs.History.at(1)));
        QVERIFY(FindChild<QPlainTextEdit>(window, "textArea")->isReadOnly());
        delete window;
    }

    void onlyAPickFromTheListFiltersTheText()
    {
        ViewsInputs inputs;
        const QPointer window = new HistoryTextView(inputs.context());
        Pick(FindChild<QComboBox>(window, "itemBox"), 2);
        QCOMPARE(window->computations(), 2);
        // Every record of the item, the one with an unreadable date included.
        const auto exe = std::count_if(inputs.History.begin(), inputs.History.end(), [](const std::string& record) {
            return record.find("/quarnel/shareware/pelmor.exe") != std::string::npos;
        });
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("%1 Hits").arg(exe));
        QVERIFY(!FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().contains(QStringLiteral("pelmor.zip")));

        QTest::keyClicks(FindChild<QComboBox>(window, "itemBox")->lineEdit(), QStringLiteral("guide"));
        QCOMPARE(window->computations(), 2);

        Pick(FindChild<QComboBox>(window, "itemBox"), 1);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("79 Hits"));
        Pick(FindChild<QComboBox>(window, "itemBox"), 0);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("164 Hits"));
        QCOMPARE(window->computations(), 4);
        delete window;
    }

    void notepadWritesTheTextShownAndOpensIt()
    {
        ViewsInputs inputs;
        const QPointer window = new HistoryTextView(inputs.context());
        Pick(FindChild<QComboBox>(window, "itemBox"), 3);
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray written = inputs.exported("history.txt");
        QVERIFY(!written.isEmpty());
        QCOMPARE(written, FindChild<QPlainTextEdit>(window, "textArea")
                              ->toPlainText()
                              .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                              .toUtf8());
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
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 1);
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From:"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To:"));
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("0 Hits"));
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(), QString());
        delete window;
    }
};

int RunHistoryViewTests(int argc, char** argv)
{
    HistoryViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "historytextview_test.moc"
