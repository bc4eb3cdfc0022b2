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
    void monthChartCountsTheShownItemWhenItsPositionMovesAndMarksItOnReturning()
    {
        ViewsInputs inputs;
        const auto tracked = inputs.TrackedItems;
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

        // The ".zip" shown while Tracking Options dropped it.
        inputs.TrackedItems = tracked;
        auto* const other = inputs.open<MonthlyChartView>();
        const QString zipHits = Hits(other);
        KeepOnlyTheGuide(inputs);
        Activate(other);
        QCOMPARE(ItemBox(other)->count(), 2);
        QCOMPARE(ItemBox(other)->itemText(0), QString::fromStdString(kGuide));
        QCOMPARE(ItemBox(other)->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip (no longer tracked)"));
        QCOMPARE(other->computations(), 1);
        Pick(ItemBox(other), 1);
        QCOMPARE(Hits(other), zipHits);
        Pick(ItemBox(other), 0);
        QCOMPARE(Hits(other), hits);
    }

    void dailyTextCountsTheShownItemWhenTheListEmpties()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        const QDate busy(2004, 11, 1);
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        const QString hits = Hits(window);
        QVERIFY(hits != QStringLiteral("0 Hits"));
        inputs.TrackedItems.clear();
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy.addDays(1));
        FindChild<QDateEdit>(window, "datePicker")->setDate(busy);
        QCOMPARE(Hits(window), hits);
    }
};

TALLYWICK_VIEWS_CASES(TrackedListChangeTest)

} // namespace tallywick::test

#include "trackedlistchange_test.moc"
