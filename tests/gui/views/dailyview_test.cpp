#include "ui/common/desktop.h"
#include "ui/views/dailyview.h"
#include "viewstestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {

class DailyViewTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Desktop::setTestMode(true); }

    void opensAtYesterdayForTheFirstItemComputedOnceAndExportsWhatItShows()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(!ItemBox(window)->isEditable());
        QCOMPARE(ItemBox(window)->count(), 3);
        QCOMPARE(ItemBox(window)->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 4));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->maximumDate(), QDate(2004, 12, 5));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->minimumDate(), QDate(2003, 12, 5));
        QCOMPARE(Hits(window), QStringLiteral("1 Hits"));
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(),
                 QString::fromStdString(inputs.History.back()) + "\n\n");

        // Notepad writes the text shown and opens it.
        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 3));
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray expected =
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 4)) + "\r\n\r\n" +
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 3)) + "\r\n\r\n";
        QCOMPARE(inputs.exported("daily.txt"), expected);
        QCOMPARE(Desktop::opened(), inputs.openedExport("daily.txt"));
    }

    void everyChangeOfDayOrItemRecomputes()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        // November 21 holds only a download of an item no longer tracked.
        const std::pair<QDate, int> days[] = {
            {QDate(2004, 11, 30), 1}, {QDate(2004, 10, 14), 1}, {QDate(2004, 11, 21), 0}};
        for (const auto& [day, hits] : days) {
            const int before = window->computations();
            FindChild<QDateEdit>(window, "datePicker")->setDate(day);
            QCOMPARE(window->computations(), before + 1);
            QCOMPARE(Hits(window), QStringLiteral("%1 Hits").arg(hits));
        }
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(), QString());

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 11, 30));
        Pick(ItemBox(window), 1);
        QCOMPARE(Hits(window), QStringLiteral("2 Hits"));
    }
};

TALLYWICK_VIEWS_CASES(DailyViewTest)

} // namespace tallywick::test

#include "dailyview_test.moc"
