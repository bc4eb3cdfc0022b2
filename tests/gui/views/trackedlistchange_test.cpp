#include "ui/views/frmdaily.h"
#include "ui/views/frmmonthly.h"
#include "ui/views/frmweekday.h"
#include "ui/views/historychart.h"
#include "viewstestsupport.h"

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
        const QPointer window = new frmMonthly(inputs.context());
        Pick(window->Combo1, 2);
        const auto before = ChartValues(window->MSChart1);
        const QString hits = window->lblHitCount->text();
        KeepOnlyTheGuide(inputs);
        window->optGraphStyle[1]->click();
        QCOMPARE(ChartValues(window->MSChart1), before);
        QCOMPARE(window->lblHitCount->text(), hits);

        // Past the end of the new list: still the guide, not every record.
        Pick(window->Combo1, 2);
        QCOMPARE(window->lblHitCount->text(), hits);
        delete window;
    }

    void weekdayChartCountsTheShownItem()
    {
        ViewsInputs inputs;
        const QPointer window = new frmWeekday(inputs.context());
        const auto before = ChartValues(window->MSChart1);
        const QString hits = window->lblHitCount->text();
        inputs.TrackedItems.erase(inputs.TrackedItems.begin());
        window->optAverage[1]->click();
        window->optAverage[0]->click();
        QCOMPARE(ChartValues(window->MSChart1), before);
        QCOMPARE(window->lblHitCount->text(), hits);
        delete window;
    }

    void dailyTextCountsTheShownItemWhenTheListEmpties()
    {
        ViewsInputs inputs;
        const QPointer window = new frmDaily(inputs.context());
        QDate busy(2004, 11, 1);
        while (PlainCount(inputs.History, "/quarnel/shareware/pelmor.zip",
                          [&](const QDate& day) { return day == busy; }) == 0)
            busy = busy.addDays(1);
        window->DTPicker1->setDate(busy);
        const QString hits = window->lblHitCount->text();
        QVERIFY(hits != QStringLiteral("0 Hits"));
        inputs.TrackedItems.clear();
        window->DTPicker1->setDate(busy.addDays(1));
        window->DTPicker1->setDate(busy);
        QCOMPARE(window->lblHitCount->text(), hits);
        delete window;
    }

    void itemNoLongerTrackedIsMarkedOnReturningToTheView()
    {
        ViewsInputs inputs;
        const QPointer window = new frmMonthly(inputs.context());
        const QString hits = window->lblHitCount->text();
        KeepOnlyTheGuide(inputs);
        Activate(window);
        QCOMPARE(window->Combo1->count(), 2);
        QCOMPARE(window->Combo1->itemText(0), QString::fromStdString(kGuide));
        QCOMPARE(window->Combo1->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip (no longer tracked)"));
        QCOMPARE(window->computations(), 1);

        Pick(window->Combo1, 1);
        QCOMPARE(window->lblHitCount->text(), hits);
        Pick(window->Combo1, 0);
        QVERIFY(window->lblHitCount->text() != hits);
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
