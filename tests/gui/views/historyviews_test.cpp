#include "ui/views/dailyview.h"
#include "ui/views/filechartview.h"
#include "ui/views/historytextview.h"
#include "ui/views/historyviews.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/weekdaychartview.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {

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
};

TALLYWICK_VIEWS_CASES(HistoryViewsTest)

} // namespace tallywick::test

#include "historyviews_test.moc"
