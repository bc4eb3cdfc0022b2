#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QPointer>
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
        const QPointer window = new MonthlyChartView(inputs.context());
        QCOMPARE(window->windowTitle(), QStringLiteral("Traffic by Month"));
        QCOMPARE(window->computations(), 1);
        QVERIFY(!window->Combo1->isEditable());
        QCOMPARE(window->Combo1->currentIndex(), 0);
        QVERIFY(window->optGraphStyle[0]->isChecked());
        QVERIFY(DrawsBars(window->MSChart1));
        const QStringList labels = ChartLabels(window->MSChart1);
        QCOMPARE(labels.size(), 12);
        QCOMPARE(labels.first(), QStringLiteral("Jan 04"));
        QCOMPARE(labels.last(), QStringLiteral("Dec 04"));
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/shareware/pelmor.zip");
        QCOMPARE(ChartValues(window->MSChart1), expected);
        QCOMPARE(expected.mid(8), (QList<qreal>{25, 22, 27, 4}));
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("78 Hits"));
        QCOMPARE(window->lblFrom->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(window->lblTo->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(window->lblToday->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QCOMPARE(window->MSChart1->valueTip(10), QStringLiteral("Nov 04: 27"));
        delete window;
    }

    void pickingAnItemRedraws()
    {
        ViewsInputs inputs;
        const QPointer window = new MonthlyChartView(inputs.context());
        Pick(window->Combo1, 2);
        QCOMPARE(window->computations(), 2);
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/docs/pelmor-guide.pdf");
        QCOMPARE(ChartValues(window->MSChart1), expected);
        QCOMPARE(window->lblHitCount->text(),
                 QStringLiteral("%1 Hits").arg(std::accumulate(expected.begin(), expected.end(), 0.0)));
        delete window;
    }

    void theLineStyleIsKeptForTheNextOpening()
    {
        ViewsInputs inputs;
        QPointer window = new MonthlyChartView(inputs.context());
        window->optGraphStyle[1]->click();
        QCOMPARE(window->computations(), 2);
        QVERIFY(DrawsLine(window->MSChart1));
        QCOMPARE(ChartValues(window->MSChart1).size(), 12);
        QVERIFY(!inputs.settings().find(QStringLiteral("GraphStyle1")));
        window->cmdClose->click();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("True"));
        QTRY_VERIFY(window.isNull());

        window = new MonthlyChartView(inputs.context());
        QCOMPARE(window->computations(), 1);
        QVERIFY(window->optGraphStyle[1]->isChecked());
        QVERIFY(DrawsLine(window->MSChart1));
        window->optGraphStyle[0]->click();
        QVERIFY(DrawsBars(window->MSChart1));
        window->close();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("False"));
        QTRY_VERIFY(window.isNull());
    }

    void aStoredStyleThatIsNoTruthValueDrawsBars()
    {
        ViewsInputs inputs;
        inputs.settings().write(QStringLiteral("GraphStyle1"), QStringLiteral("sometimes"));
        const QPointer window = new MonthlyChartView(inputs.context());
        QVERIFY(window->optGraphStyle[0]->isChecked());
        QVERIFY(DrawsBars(window->MSChart1));
        delete window;
    }

    void withoutTrackedItemsEveryDatedRecordCounts()
    {
        ViewsInputs inputs;
        inputs.TrackedItems.clear();
        const QPointer window = new MonthlyChartView(inputs.context());
        QCOMPARE(window->Combo1->count(), 0);
        QCOMPARE(window->lblHitCount->text(), QStringLiteral("163 Hits"));
        delete window;
    }
};

int RunMonthlyViewTests(int argc, char** argv)
{
    MonthlyViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "monthly_test.moc"
