#include "support/findchild.h"
#include "ui/views/dailyview.h"
#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/weekdaychartview.h"
#include "viewstestsupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {
namespace {

const std::string kGuide = "/quarnel/docs/pelmor-guide.pdf";

// Tracking Options dropped the first two items while the view was open.
void KeepOnlyTheGuide(ViewsInputs& inputs)
{
    inputs.TrackedItems = {kGuide};
}

void Activate(QWidget* window)
{
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
}

} // namespace

// A view keeps counting the item its box shows when the tracked list changes under it.
class TrackedListChangeTest : public QObject {
    Q_OBJECT

private slots:
    void monthChartCountsTheShownItemWhenItsPositionMoves()
    {
        ViewsInputs inputs;
        const QPointer window = new MonthlyChartView(inputs.context());
        Pick(FindChild<QComboBox>(window, "itemBox"), 2);
        const auto before = ChartValues(FindChild<HistoryChart>(window, "chart"));
        const QString hits = FindChild<QLabel>(window, "hitCountLabel")->text();
        KeepOnlyTheGuide(inputs);
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(ChartValues(FindChild<HistoryChart>(window, "chart")), before);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), hits);

        // Past the end of the new list: still the guide, not every record.
        Pick(FindChild<QComboBox>(window, "itemBox"), 2);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), hits);
        delete window;
    }

    void weekdayChartCountsTheShownItem()
    {
        ViewsInputs inputs;
        const QPointer window = new WeekdayChartView(inputs.context());
        const auto before = ChartValues(FindChild<HistoryChart>(window, "chart"));
        const QString hits = FindChild<QLabel>(window, "hitCountLabel")->text();
        inputs.TrackedItems.erase(inputs.TrackedItems.begin());
        FindChild<QRadioButton>(window, "totalButton")->click();
        FindChild<QRadioButton>(window, "averageButton")->click();
        QCOMPARE(ChartValues(FindChild<HistoryChart>(window, "chart")), before);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), hits);
        delete window;
    }

    void dailyTextCountsTheShownItemWhenTheListEmpties()
    {
        ViewsInputs inputs;
        const QPointer window = new DailyView(inputs.context());
        QDate busy(2004, 11, 1);
        while (PlainCount(inputs.History, "/quarnel/shareware/pelmor.zip",
                          [&](const QDate& day) { return day == busy; }) == 0)
            busy = busy.addDays(1);
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        const QString hits = FindChild<QLabel>(window, "hitCountLabel")->text();
        QVERIFY(hits != QStringLiteral("0 Hits"));
        inputs.TrackedItems.clear();
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy.addDays(1));
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), hits);
        delete window;
    }

    void itemNoLongerTrackedIsMarkedOnReturningToTheView()
    {
        ViewsInputs inputs;
        const QPointer window = new MonthlyChartView(inputs.context());
        const QString hits = FindChild<QLabel>(window, "hitCountLabel")->text();
        KeepOnlyTheGuide(inputs);
        Activate(window);
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->count(), 2);
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->itemText(0), QString::fromStdString(kGuide));
        QCOMPARE(FindChild<QComboBox>(window, "itemBox")->currentText(),
                 QStringLiteral("/quarnel/shareware/pelmor.zip (no longer tracked)"));
        QCOMPARE(window->computations(), 1);

        Pick(FindChild<QComboBox>(window, "itemBox"), 1);
        QCOMPARE(FindChild<QLabel>(window, "hitCountLabel")->text(), hits);
        Pick(FindChild<QComboBox>(window, "itemBox"), 0);
        QVERIFY(FindChild<QLabel>(window, "hitCountLabel")->text() != hits);
        delete window;
    }
};

int RunTrackedListChangeTests(int argc, char** argv)
{
    TrackedListChangeTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "trackedlistchange_test.moc"
