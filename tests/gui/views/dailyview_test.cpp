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
        QVERIFY(!window->Combo1->isEditable());
        QCOMPARE(window->Combo1->count(), 3);
        QCOMPARE(window->Combo1->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(window->DTPicker1->date(), QDate(2004, 12, 4));
        QCOMPARE(window->DTPicker1->maximumDate(), QDate(2004, 12, 5));
        QCOMPARE(window->DTPicker1->minimumDate(), QDate(2003, 12, 5));
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("1 Hits"));
        QCOMPARE(window->RichTextBox1->toPlainText(), QString::fromStdString(inputs.History.back()) + "\n\n");
        window->DTPicker1->setDate(QDate(2004, 12, 6));
        QCOMPARE(window->DTPicker1->date(), QDate(2004, 12, 5));
        delete window;
    }

    void everyChangeOfDayOrItemRecomputes()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        for (const QDate day : {QDate(2004, 11, 30), QDate(2004, 10, 14), QDate(2004, 11, 21)}) {
            const int before = window->computations();
            window->DTPicker1->setDate(day);
            QCOMPARE(window->computations(), before + 1);
            const int expected = PlainCount(inputs.History, "/quarnel/shareware/pelmor.zip",
                                            [&](const QDate& date) { return date == day; });
            QCOMPARE(window->lblHitCount->text(), QStringLiteral("%1 Hits").arg(expected));
        }
        // November 21 holds only a download of an item no longer tracked.
        QCOMPARE(window->RichTextBox1->toPlainText(), QString());

        window->DTPicker1->setDate(QDate(2004, 11, 30));
        Pick(window->Combo1, 1);
        const int exe = PlainCount(inputs.History, "/quarnel/shareware/pelmor.exe",
                                   [](const QDate& date) { return date == QDate(2004, 11, 30); });
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("%1 Hits").arg(exe));
        QVERIFY(exe > 0);
        delete window;
    }

    void notepadWritesTheTextShownAndOpensIt()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        window->DTPicker1->setDate(QDate(2004, 12, 3));
        window->cmdNotePad->click();
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
        QCOMPARE(window->Combo1->count(), 0);
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("0 Hits"));
        QCOMPARE(window->RichTextBox1->toPlainText(), QString());
        window->DTPicker1->setDate(QDate(2004, 11, 30));
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("0 Hits"));
        delete window;
    }
};

int RunDailyViewTests(int argc, char** argv)
{
    DailyViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "daily_test.moc"
