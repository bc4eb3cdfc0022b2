#include "ui/views/filechartview.h"
#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/weekdaychartview.h"
#include "viewstestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {
namespace {

std::optional<QString> Stored(ViewsInputs& inputs, const char* key)
{
    return inputs.settings().find(QLatin1String(key));
}

} // namespace

// The charts by month, by weekday and by file draw the engine's figures for the fixture.
class ChartViewsTest : public QObject {
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

    void opensWithTheStoredPeriodAtTodayDrawnOnce()
    {
        ViewsInputs inputs;
        inputs.settings().write(QStringLiteral("TimeSpan"), QStringLiteral("2"));
        auto* const window = inputs.open<FileChartView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->count(), 4);
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->currentText(), QStringLiteral("Month"));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 5));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 12/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/31/2004"));
        QCOMPARE(ChartLabels(Chart(window)),
                 (QStringList{QStringLiteral("/shareware/pelmor.zip"), QStringLiteral("/shareware/pelmor.exe"),
                              QStringLiteral("/docs/pelmor-guide.pdf")}));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{4, 2, 1}));
        QCOMPARE(Hits(window), QStringLiteral("7 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QVERIFY(DrawsBars(Chart(window)));
    }

    void periodAndDateChangesRedrawAndThePeriodIsStoredAtOnce()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<FileChartView>();
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->currentIndex(), 0);
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("0"));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(1);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("1"));

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 1));
        QCOMPARE(window->computations(), 3);
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 11/28/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{7, 5, 1}));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(3);
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("3"));
        // Every record but the undatable one and the one of the item no longer tracked.
        QCOMPARE(Hits(window), QStringLiteral("162 Hits"));
    }
};

TALLYWICK_VIEWS_CASES(ChartViewsTest)

} // namespace tallywick::test

#include "chartviews_test.moc"
