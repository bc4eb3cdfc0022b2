#include "core/history/pasttimelimit.h"
#include "core/search/reportsearch.h"
#include "core/views/viewlabels.h"
#include "ui/common/labeltexts.h"

#include <QTest>

namespace tallywick {

using namespace std::chrono;

// Without a translation, the windows say what the command line prints.
class LabelTextsTest : public QObject {
    Q_OBJECT

    static QString Of(const std::string& text) { return QString::fromStdString(text); }

private slots:
    void englishReadsAsTheCommandLinePrints()
    {
        SearchResult result;
        result.allFound = 1234567;
        result.lineCount = 7654321;
        result.panels[0].found = 1200000;
        result.leftOut = {3, 13};
        QCOMPARE(FoundText(result.panels[0].found), Of(FoundLabel(result.panels[0])));
        QCOMPARE(AllFoundText(result.allFound, result.lineCount), Of(AllFoundLabel(result)));
        QCOMPARE(LeftOutText(result.leftOut), QStringLiteral("(left out: 3 robots, 13 failed)"));

        constexpr sys_days day{2004y / December / 5};
        for (const std::int64_t hits : {0, 1, 24072})
            QCOMPARE(HitsText(hits), Of(HitLabel(hits)));
        QCOMPARE(FromText(day), Of(FromLabel(day)));
        QCOMPARE(FromText(std::nullopt), Of(FromLabel(std::nullopt)));
        QCOMPARE(ToText(day), Of(ToLabel(day)));
        QCOMPARE(ToText(std::nullopt), Of(ToLabel(std::nullopt)));
        QCOMPARE(TodayText(day), Of(TodayLabel(day)));
        for (const std::size_t count : {1, 2, 76642})
            QCOMPARE(PastTimeLimitText(count, 12), Of(PastTimeLimitStatusText(count, 12)));
        using Kind = UpkeepNotice::Kind;
        for (const UpkeepNotice notice :
             {UpkeepNotice{Kind::Sorting}, UpkeepNotice{Kind::Trimming}, UpkeepNotice{Kind::Removed, 0, 3},
              UpkeepNotice{Kind::Sorted, 812, 0}, UpkeepNotice{Kind::Sorted, 812, 4},
              UpkeepNotice{Kind::Sorted, 812, 0, 2}, UpkeepNotice{Kind::Sorted, 812, 4, 2}})
            QCOMPARE(UpkeepText(notice), Of(UpkeepNoticeText(notice)));
    }
};

} // namespace tallywick

QTEST_GUILESS_MAIN(tallywick::LabelTextsTest)
#include "labeltexts_test.moc"
