#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {
namespace {

QList<qreal> PlainMonthCounts(const std::vector<std::string>& history, const std::string& item)
{
    QList<qreal> counts;
    for (int month = 1; month <= 12; ++month) {
        counts.append(
            PlainCount(history, item, [&](const QDate& day) { return day.year() == 2004 && day.month() == month; }));
    }
    return counts;
}

} // namespace

class MonthlyViewTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheFirstItemPerMonthDrawnOnce()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        QCOMPARE(window->windowTitle(), QStringLiteral("Traffic by Month"));
        QCOMPARE(window->computations(), 1);
        QVERIFY(!ItemBox(window)->isEditable());
        QCOMPARE(ItemBox(window)->currentIndex(), 0);
        QVERIFY(FindChild<QRadioButton>(window, "barStyleButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        const QStringList labels = ChartLabels(Chart(window));
        QCOMPARE(labels.size(), 12);
        QCOMPARE(labels.first(), QStringLiteral("Jan 04"));
        QCOMPARE(labels.last(), QStringLiteral("Dec 04"));
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/shareware/pelmor.zip");
        QCOMPARE(ChartValues(Chart(window)), expected);
        QCOMPARE(expected.mid(8), (QList<qreal>{25, 22, 27, 4}));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QCOMPARE(Chart(window)->valueTip(10), QStringLiteral("Nov 04: 27"));
    }

    void pickingAnItemRedraws()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        Pick(ItemBox(window), 2);
        QCOMPARE(window->computations(), 2);
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/docs/pelmor-guide.pdf");
        QCOMPARE(ChartValues(Chart(window)), expected);
        QCOMPARE(Hits(window), QStringLiteral("%1 Hits").arg(std::accumulate(expected.begin(), expected.end(), 0.0)));
    }

    void theLineStyleIsKeptForTheNextOpening()
    {
        ViewsInputs inputs;
        QPointer window = inputs.open<MonthlyChartView>();
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(window->computations(), 2);
        QVERIFY(DrawsLine(Chart(window)));
        QCOMPARE(ChartValues(Chart(window)).size(), 12);
        QVERIFY(!inputs.settings().find(QStringLiteral("GraphStyle1")));
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
        QTRY_VERIFY(window.isNull());
    }
};

TALLYWICK_VIEWS_CASES(MonthlyViewTest)

} // namespace tallywick::test

#include "monthlychartview_test.moc"
