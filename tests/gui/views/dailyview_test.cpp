#include "support/findchild.h"
#include "ui/common/desktop.h"
#include "ui/views/dailyview.h"
#include "viewstestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {

class DailyViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Desktop::setTestMode(true); }

    void opensAtYesterdayForTheFirstItemComputedOnce()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        QCOMPARE(window->windowTitle(), QStringLiteral("Daily Traffic"));
        QCOMPARE(window->computations(), 1);
        QVERIFY(!FindChild<QComboBox>(window, "itemBox")->isEditable());
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 3);
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->currentText(),
                 QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 4));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->maximumDate(), QDate(2004, 12, 5));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->minimumDate(), QDate(2003, 12, 5));
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("1 Hits"));
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(),
                 QString::fromStdString(inputs.History.back()) + "\n\n");
        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 6));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 5));
        delete window;
    }

    void everyChangeOfDayOrItemRecomputes()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        for (const QDate day : {QDate(2004, 11, 30), QDate(2004, 10, 14), QDate(2004, 11, 21)}) {
            const int before = window->computations();
            FindChild<QDateEdit>(window, "datePicker")->setDate(day);
            QCOMPARE(window->computations(), before + 1);
            const int expected = PlainCount(inputs.History, "/quarnel/shareware/pelmor.zip",
                                            [&](const QDate& date) { return date == day; });
            QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("%1 Hits").arg(expected));
        }
        // November 21 holds only a download of an item no longer tracked.
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(), QString());

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 11, 30));
        Pick(FindChild<QComboBox>(window, "itemBox"), 1);
        const int exe = PlainCount(inputs.History, "/quarnel/shareware/pelmor.exe",
                                   [](const QDate& date) { return date == QDate(2004, 11, 30); });
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("%1 Hits").arg(exe));
        QVERIFY(exe > 0);
        delete window;
    }

    void notepadWritesTheTextShownAndOpensIt()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 3));
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray expected =
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 4)) + "\r\n\r\n" +
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 3)) + "\r\n\r\n";
        QCOMPARE(inputs.exported("daily.txt"), expected);
        QCOMPARE(Desktop::opened(),
                 QStringList{QUrl::fromLocalFile(inputs.dataPath() + QStringLiteral("/daily.txt")).toString()});
        delete window;
    }

    void withoutTrackedItemsNothingIsCounted()
    {
        ViewsInputs inputs;
        inputs.TrackedItems.clear();
        const QPointer window = new DailyView(inputs.context());
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 0);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("0 Hits"));
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(), QString());
        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 11, 30));
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("0 Hits"));
        delete window;
    }
};

int RunDailyViewTests(int argc, char** argv)
{
    DailyViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "dailyview_test.moc"
