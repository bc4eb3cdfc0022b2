#include "ui/common/labeltexts.h"

#include <QTest>

namespace tallywick {

using namespace std::chrono;

// Without a translation, the windows say what the command line prints.
class LabelTextsTest : public QObject {
    Q_OBJECT

private slots:
    void englishReadsAsTheCommandLinePrints()
    {
        QCOMPARE(FoundText(1200000), QStringLiteral("Found: 1200000"));
        QCOMPARE(AllFoundText(1234567, 7654321), QStringLiteral("All Found: 1234567 of 7654321"));
        // The windows show the dated texts, and the singular ones below, with the counts behind them.
        QCOMPARE(FromText(std::nullopt), QStringLiteral("From:"));
        QCOMPARE(ToText(std::nullopt), QStringLiteral("To:"));
        QCOMPARE(PastTimeLimitText(774, 12), QStringLiteral("774 downloads are older than the history time limit "
                                                            "(12 months) and leave the history at the next save"));
        QCOMPARE(TimeLimitRemovalText(0), QStringLiteral("No download in the history is older than this."));

        using Kind = UpkeepNotice::Kind;
        const std::vector<std::pair<UpkeepNotice, QString>> notices = {
            {{Kind::Sorting}, QStringLiteral("Please wait while sorting history.")},
            {{Kind::Trimming}, QStringLiteral("Please wait while trimming history.")},
            {{Kind::Removed, 0, 3}, QStringLiteral("Removed 3 duplicate items from history.")},
            {{Kind::Sorted, 812, 0}, QStringLiteral("History sorted: 812 records kept.")},
            {{Kind::Sorted, 812, 4}, QStringLiteral("History sorted: 812 records kept, 4 removed.")},
            {{Kind::Sorted, 812, 0, 2}, QStringLiteral("History sorted: 812 records kept (2 dated after today).")},
            {{Kind::Sorted, 812, 4, 2},
             QStringLiteral("History sorted: 812 records kept, 4 removed (2 dated after today).")}};
        for (const auto& [notice, text] : notices)
            QCOMPARE(UpkeepText(notice), text);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::LabelTextsTest)
#include "labeltexts_test.moc"
