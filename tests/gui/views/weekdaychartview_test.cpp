#include "ui/views/historychart.h"
#include "ui/views/weekdaychartview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {
namespace {

// Qt counts Monday 1 to Sunday 7; the chart starts on Sunday.
int QtDayOf(int sundayFirst)
{
    return sundayFirst == 0 ? 7 : sundayFirst;
}

QList<qreal> PlainWeekdayValues(const std::vector<std::string>& history, const std::string& item, bool average)
{
    const QDate first(2004, 9, 1);
    const QDate last(2004, 12, 4);
    QList<qreal> values;
    for (int weekday = 0; weekday < 7; ++weekday) {
        const int total =
            PlainCount(history, item, [&](const QDate& day) { return day.dayOfWeek() == QtDayOf(weekday); });
        int occurrences = 0;
        for (QDate day = first; day <= last; day = day.addDays(1))
            occurrences += day.dayOfWeek() == QtDayOf(weekday) ? 1 : 0;
        values.append(average ? static_cast<qreal>(total) / occurrences : total);
    }
    return values;
}

void CompareValues(const QList<qreal>& actual, const QList<qreal>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i)
        QVERIFY2(qAbs(actual[i] - expected[i]) < 1e-9, qPrintable(QStringLiteral("weekday %1").arg(i)));
}

} // namespace

class WeekdayViewTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithAveragesOfTheFirstItemDrawnOnce()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<WeekdayChartView>();
        QCOMPARE(window->windowTitle(), QStringLiteral("Traffic by Weekday"));
        QCOMPARE(window->computations(), 1);
        QVERIFY(ItemBox(window)->isEditable());
        QVERIFY(FindChild<QRadioButton>(window, "averageButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        QStringList names;
        for (int weekday = 0; weekday < 7; ++weekday)
            names.append(QLocale::system().dayName(QtDayOf(weekday), QLocale::ShortFormat));
        QCOMPARE(ChartLabels(Chart(window)), names);
        CompareValues(ChartValues(Chart(window)),
                      PlainWeekdayValues(inputs.History, "/quarnel/shareware/pelmor.zip", true));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
    }

    void totalsAndItemPicksRedraw()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<WeekdayChartView>();
        FindChild<QRadioButton>(window, "totalButton")->click();
        QCOMPARE(window->computations(), 2);
        CompareValues(ChartValues(Chart(window)),
                      PlainWeekdayValues(inputs.History, "/quarnel/shareware/pelmor.zip", false));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));

        Pick(ItemBox(window), 1);
        QCOMPARE(window->computations(), 3);
        CompareValues(ChartValues(Chart(window)),
                      PlainWeekdayValues(inputs.History, "/quarnel/shareware/pelmor.exe", false));

        QTest::keyClicks(ItemBox(window)->lineEdit(), QStringLiteral("zip"));
        QCOMPARE(window->computations(), 3);
    }
};

TALLYWICK_VIEWS_CASES(WeekdayViewTest)

} // namespace tallywick::test

#include "weekdaychartview_test.moc"
