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
        auto* const window = inputs.open<MonthlyChartView>();
        Pick(ItemBox(window), 2);
        const auto before = ChartValues(Chart(window));
        const QString hits = Hits(window);
        KeepOnlyTheGuide(inputs);
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(ChartValues(Chart(window)), before);
        QCOMPARE(Hits(window), hits);

        // Past the end of the new list: still the guide, not every record.
        Pick(ItemBox(window), 2);
        QCOMPARE(Hits(window), hits);
    }

    void dailyTextCountsTheShownItemWhenTheListEmpties()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        QDate busy(2004, 11, 1);
        while (PlainCount(inputs.History, "/quarnel/shareware/pelmor.zip",
                          [&](const QDate& day) { return day == busy; }) == 0)
            busy = busy.addDays(1);
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        const QString hits = Hits(window);
        QVERIFY(hits != QStringLiteral("0 Hits"));
        inputs.TrackedItems.clear();
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy.addDays(1));
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        QCOMPARE(Hits(window), hits);
    }

    void itemNoLongerTrackedIsMarkedOnReturningToTheView()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        const QString hits = Hits(window);
        KeepOnlyTheGuide(inputs);
        Activate(window);
        QCOMPARE(ItemBox(window)->count(), 2);
        QCOMPARE(ItemBox(window)->itemText(0), QString::fromStdString(kGuide));
        QCOMPARE(ItemBox(window)->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip (no longer tracked)"));
        QCOMPARE(window->computations(), 1);

        Pick(ItemBox(window), 1);
        QCOMPARE(Hits(window), hits);
        Pick(ItemBox(window), 0);
        QVERIFY(Hits(window) != hits);
    }
};

TALLYWICK_VIEWS_CASES(TrackedListChangeTest)

} // namespace tallywick::test

#include "trackedlistchange_test.moc"
