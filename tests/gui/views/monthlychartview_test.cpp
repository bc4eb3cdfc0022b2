#include "support/findchild.h"
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
        QVERIFY(!FindChild<QComboBox>(window, "itemBox")->isEditable());
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->currentIndex(), 0);
        QVERIFY(FindChild<QRadioButton>(window, "barStyleButton")->isChecked());
        QVERIFY(DrawsBars(FindChild<HistoryChart>(window, "chart")));
        const QStringList labels = ChartLabels(FindChild<HistoryChart>(window, "chart"));
        QCOMPARE(labels.size(), 12);
        QCOMPARE(labels.first(), QStringLiteral("Jan 04"));
        QCOMPARE(labels.last(), QStringLiteral("Dec 04"));
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/shareware/pelmor.zip");
        QCOMPARE(ChartValues(FindChild<HistoryChart>(window, "chart")), expected);
        QCOMPARE(expected.mid(8), (QList<qreal>{25, 22, 27, 4}));
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QCOMPARE(FindChild<HistoryChart>(window, "chart")->valueTip(10), QStringLiteral("Nov 04: 27"));
        delete window;
    }

    void pickingAnItemRedraws()
    {
        ViewsInputs inputs;
        const QPointer window = new MonthlyChartView(inputs.context());
        Pick(FindChild<QComboBox>(window, "itemBox"), 2);
        QCOMPARE(window->computations(), 2);
        const auto expected = PlainMonthCounts(inputs.History, "/quarnel/docs/pelmor-guide.pdf");
        QCOMPARE(ChartValues(FindChild<HistoryChart>(window, "chart")), expected);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(),
                 QStringLiteral("%1 Hits").arg(std::accumulate(expected.begin(), expected.end(), 0.0)));
        delete window;
    }

    void theLineStyleIsKeptForTheNextOpening()
    {
        ViewsInputs inputs;
        QPointer window = new MonthlyChartView(inputs.context());
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(window->computations(), 2);
        QVERIFY(DrawsLine(FindChild<HistoryChart>(window, "chart")));
        QCOMPARE(ChartValues(FindChild<HistoryChart>(window, "chart")).size(), 12);
        QVERIFY(!inputs.settings().find(QStringLiteral("GraphStyle1")));
        FindChild<QPushButton>(window, "closeButton")->click();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("True"));
        QTRY_VERIFY(window.isNull());

        window = new MonthlyChartView(inputs.context());
        QCOMPARE(window->computations(), 1);
        QVERIFY(FindChild<QRadioButton>(window, "lineStyleButton")->isChecked());
        QVERIFY(DrawsLine(FindChild<HistoryChart>(window, "chart")));
        FindChild<QRadioButton>(window, "barStyleButton")->click();
        QVERIFY(DrawsBars(FindChild<HistoryChart>(window, "chart")));
        window->close();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("False"));
        QTRY_VERIFY(window.isNull());
    }

    void aStoredStyleThatIsNoTruthValueDrawsBars()
    {
        ViewsInputs inputs;
        inputs.settings().write(QStringLiteral("GraphStyle1"), QStringLiteral("sometimes"));
        const QPointer window = new MonthlyChartView(inputs.context());
        QVERIFY(FindChild<QRadioButton>(window, "barStyleButton")->isChecked());
        QVERIFY(DrawsBars(FindChild<HistoryChart>(window, "chart")));
        delete window;
    }

    void withoutTrackedItemsEveryDatedRecordCounts()
    {
        ViewsInputs inputs;
        inputs.TrackedItems.clear();
        const QPointer window = new MonthlyChartView(inputs.context());
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 0);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), QStringLiteral("163 Hits"));
        delete window;
    }
};

int RunMonthlyViewTests(int argc, char** argv)
{
    MonthlyViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "monthlychartview_test.moc"
