#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {

class MonthlyViewTest : public QObject {
    Q_OBJECT

private slots:
    // The fixture's downloads a month, September to December: 25, 22, 27, 4 of the ".zip" and
    // 11, 12, 7, 1 of the guide.
    void opensWithTheFirstItemPerMonthDrawnOnceAndRedrawsForAPick()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(!ItemBox(window)->isEditable());
        QVERIFY(FindChild<QRadioButton>(window, "barStyleButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        const QStringList labels = ChartLabels(Chart(window));
        QCOMPARE(labels.size(), 12);
        QCOMPARE(labels.first(), QStringLiteral("Jan 04"));
        QCOMPARE(labels.last(), QStringLiteral("Dec 04"));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{0, 0, 0, 0, 0, 0, 0, 0, 25, 22, 27, 4}));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QCOMPARE(Chart(window)->valueTip(10), QStringLiteral("Nov 04: 27"));

        Pick(ItemBox(window), 2);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(ChartValues(Chart(window)).mid(8), (QList<qreal>{11, 12, 7, 1}));
        QCOMPARE(Hits(window), QStringLiteral("31 Hits"));
    }

    void theLineStyleIsKeptForTheNextOpening()
    {
        ViewsInputs inputs;
        QPointer window = inputs.open<MonthlyChartView>();
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(window->computations(), 2);
        QVERIFY(DrawsLine(Chart(window)));
        FindChild<QPushButton>(window, "closeButton")->click();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("True"));
        QTRY_VERIFY(window.isNull());

        window = inputs.open<MonthlyChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(FindChild<QRadioButton>(window, "lineStyleButton")->isChecked());
        QVERIFY(DrawsLine(Chart(window)));
        FindChild<QRadioButton>(window, "barStyleButton")->click();
        QVERIFY(DrawsBars(Chart(window)));
        window->close();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("False"));
    }
};

TALLYWICK_VIEWS_CASES(MonthlyViewTest)

} // namespace tallywick::test

#include "monthlychartview_test.moc"
