#include "ui/views/historychart.h"
#include "ui/views/weekdaychartview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {

class WeekdayViewTest : public QObject {
    Q_OBJECT

private slots:
    // From Wednesday, September 1 to Saturday, December 4 the fixture holds 13 of each of Sunday to
    // Tuesday and 14 of every other weekday; the chart starts on Sunday.
    void opensWithAveragesOfTheFirstItemAndRedrawsForTotalsAndPicks()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<WeekdayChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(ItemBox(window)->isEditable());
        QVERIFY(FindChild<QRadioButton>(window, "averageButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        QCOMPARE(ChartLabels(Chart(window)).size(), 7);
        QCOMPARE(ChartLabels(Chart(window)).first(), QLocale::system().dayName(Qt::Sunday, QLocale::ShortFormat));
        const QList<qreal> zipTotals{3, 11, 11, 10, 12, 19, 12};
        const QList<qreal> averages = ChartValues(Chart(window));
        QCOMPARE(averages.size(), 7);
        for (int day = 0; day < 7; ++day)
            QCOMPARE(averages[day], zipTotals[day] / (day < 3 ? 13.0 : 14.0));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));

        FindChild<QRadioButton>(window, "totalButton")->click();
        QCOMPARE(window->computations(), 2);
        QCOMPARE(ChartValues(Chart(window)), zipTotals);
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));

        Pick(ItemBox(window), 1);
        QCOMPARE(window->computations(), 3);
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{5, 7, 11, 8, 4, 8, 10}));

        QTest::keyClicks(ItemBox(window)->lineEdit(), QStringLiteral("zip"));
        QCOMPARE(window->computations(), 3);
    }
};

TALLYWICK_VIEWS_CASES(WeekdayViewTest)

} // namespace tallywick::test

#include "weekdaychartview_test.moc"
