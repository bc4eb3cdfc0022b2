#include <QApplication>

namespace tallywick::test {
int RunHistoryViewsTests(int argc, char** argv);
int RunHistoryViewTests(int argc, char** argv);
int RunDailyViewTests(int argc, char** argv);
int RunNoCountViewTests(int argc, char** argv);
int RunMonthlyViewTests(int argc, char** argv);
int RunWeekdayViewTests(int argc, char** argv);
int RunFileChartViewTests(int argc, char** argv);
int RunHistoryChartTests(int argc, char** argv);
int RunAllTimeViewsTests(int argc, char** argv);
int RunTrackedListChangeTests(int argc, char** argv);
} // namespace tallywick::test

// The view windows share one application; each group of cases runs in turn.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    using namespace tallywick::test;
    int failed = 0;
    for (auto run : {RunHistoryViewsTests, RunHistoryViewTests, RunDailyViewTests, RunNoCountViewTests,
                     RunMonthlyViewTests, RunWeekdayViewTests, RunFileChartViewTests, RunHistoryChartTests,
                     RunAllTimeViewsTests, RunTrackedListChangeTests})
        failed += run(argc, argv);
    return failed == 0 ? 0 : 1;
}
