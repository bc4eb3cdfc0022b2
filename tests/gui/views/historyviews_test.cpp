#include "ui/views/dailyview.h"
#include "ui/views/filechartview.h"
#include "ui/views/historychart.h"
#include "ui/views/historytextview.h"
#include "ui/views/historyviews.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/weekdaychartview.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
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

class HistoryViewsTest : public QObject {
    Q_OBJECT

private slots:
    // Each view is a window of its own, not modal; Esc closes it from whichever of its controls
    // has the focus, and closing all closes those still open.
    void eachViewOpensItsOwnWindowAndEscapeClosesIt()
    {
        ViewsInputs inputs;
        HistoryViews views(inputs.context());
        const std::pair<HistoryView, const char*> expected[] = {{HistoryView::FullText, "HistoryTextView"},
                                                                {HistoryView::Daily, "DailyView"},
                                                                {HistoryView::ZeroDays, "ZeroDaysView"},
                                                                {HistoryView::Monthly, "MonthlyChartView"},
                                                                {HistoryView::Weekday, "WeekdayChartView"},
                                                                {HistoryView::FileChart, "FileChartView"},
                                                                {HistoryView::ComparePeriods, "ComparePeriodsView"},
                                                                {HistoryView::Sources, "SourcesView"}};
        for (const auto& [view, className] : expected) {
            QVERIFY(!views.window(view));
            views.open(view);
            QWidget* window = views.window(view);
            QVERIFY(window);
            QCOMPARE(window->metaObject()->className(), QByteArray("tallywick::") + className);
            QVERIFY(window->isWindow() && window->isVisible() && !window->isModal());
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
            QTRY_VERIFY2(!views.window(view), className);
        }
        for (const auto& [view, className] : expected)
            views.open(view);
        views.closeAll();
        for (const auto& [view, className] : expected)
            QTRY_VERIFY(!views.window(view));
    }

    void closingAllRunsTheClosingSteps()
    {
        ViewsInputs inputs;
        {
            HistoryViews views(inputs.context());
            views.open(HistoryView::Monthly);
            views.open(HistoryView::FileChart);
            FindChild<QRadioButton>(views.window(HistoryView::Monthly), "lineStyleButton")->click();
        }
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("True"));
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle2")), QStringLiteral("False"));
    }

    // A view keeps counting the item its box shows when the tracked list changes under it.
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

TALLYWICK_VIEWS_CASES(HistoryViewsTest)

} // namespace tallywick::test

#include "historyviews_test.moc"
