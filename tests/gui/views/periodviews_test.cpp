#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/views/compareperiodsview.h"
#include "ui/views/historychart.h"
#include "ui/views/historytextview.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/sourcesview.h"
#include "ui/views/weekdaychartview.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace tallywick::test {
namespace {

const std::string kZip = "/quarnel/shareware/pelmor.zip";

// Indexes of the period box.
constexpr int kLastMonth = 2;
constexpr int kLast7Days = 3;
constexpr int kCustom = 6;

QString Label(const QObject* window, const char* name)
{
    return FindChild<QLabel>(window, name)->text();
}

QStringList Column(const QTableWidget* table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts.append(table->item(row, column)->text());
    return texts;
}

std::string OldDownload(const char* date)
{
    return std::string("198.51.100.7 - - [") + date + ":10:00:00 -0800] \"GET " + kZip +
           " HTTP/1.1\" 200 48213 \"-\" \"Agent/1.0\"";
}

void WriteDataFile(const ViewsInputs& inputs, const QString& name, const QByteArray& bytes)
{
    const QString path = inputs.dataPath() + QLatin1Char('/') + name;
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Three downloads of the ".zip" that left the history for age, one of them still in it too.
void WriteArchive(ViewsInputs& inputs)
{
    const auto held = OldDownload("03/Sep/2004");
    inputs.History.insert(inputs.History.begin(), held);
    WriteDataFile(inputs, QStringLiteral("archive/2003-10.dat"),
                  QByteArray::fromStdString(OldDownload("11/Oct/2003") + "\r\n" + OldDownload("12/Oct/2003") + "\r\n"));
    WriteDataFile(inputs, QStringLiteral("archive/2004-09.dat"), QByteArray::fromStdString(held + "\r\n"));
}

} // namespace

// What a view covers: the period chosen for it, and the months that left the history for age.
class PeriodViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Desktop::setTestMode(true);
        Dialogs::setTestMode(true);
    }

    void aPeriodIsKeptPerViewAndShownAsFromTo()
    {
        ViewsInputs inputs;
        auto* const monthly = inputs.open<MonthlyChartView>();
        Pick(FindChild<QComboBox>(monthly, "periodBox"), kLastMonth);
        QCOMPARE(Label(monthly, "fromLabel"), QStringLiteral("From: 11/01/2004"));
        QCOMPARE(Label(monthly, "toLabel"), QStringLiteral("To: 11/30/2004"));
        QCOMPARE(ChartLabels(Chart(monthly)), QStringList{QStringLiteral("Nov 04")});
        QCOMPARE(ChartValues(Chart(monthly)), QList<qreal>{27});
        QVERIFY(!FindChild<QCheckBox>(monthly, "monthsBeforeLimitBox")->isEnabled());
        QCOMPARE(inputs.settings().find(QStringLiteral("MonthlyPeriod")), QStringLiteral("LastMonth"));
        QCOMPARE(inputs.open<MonthlyChartView>()->findChild<QComboBox*>(QStringLiteral("periodBox"))->currentIndex(),
                 kLastMonth);

        // A stored custom period: its days, the pickers shown, the records of those days only.
        inputs.settings().write(keys::HistoryPeriod, QStringLiteral("2004-11-01..2004-11-07"));
        auto* const text = inputs.open<HistoryTextView>();
        QCOMPARE(FindChild<QComboBox>(text, "periodBox")->currentIndex(), kCustom);
        QVERIFY(!FindChild<QDateEdit>(text, "periodFirstDay")->isHidden());
        QCOMPARE(Label(text, "fromLabel"), QStringLiteral("From: 11/01/2004"));
        QCOMPARE(Label(text, "toLabel"), QStringLiteral("To: 11/07/2004"));
        QCOMPARE(Hits(text), QStringLiteral("10 Hits"));
        FindChild<QDateEdit>(text, "periodLastDay")->setDate(QDate(2004, 11, 30));
        QCOMPARE(inputs.settings().find(QStringLiteral("HistoryPeriod")), QStringLiteral("2004-11-01..2004-11-30"));
        QCOMPARE(Label(text, "toLabel"), QStringLiteral("To: 11/30/2004"));
        // A first day after the last one takes the last one along.
        FindChild<QDateEdit>(text, "periodFirstDay")->setDate(QDate(2004, 12, 2));
        QCOMPARE(inputs.settings().find(QStringLiteral("HistoryPeriod")), QStringLiteral("2004-12-02..2004-12-02"));

        // November 29 to today.
        auto* const weekday = inputs.open<WeekdayChartView>();
        Pick(FindChild<QComboBox>(weekday, "periodBox"), kLast7Days);
        QCOMPARE(Label(weekday, "fromLabel"), QStringLiteral("From: 11/29/2004"));
        QCOMPARE(Hits(weekday), QStringLiteral("7 Hits"));
        QCOMPARE(inputs.settings().find(QStringLiteral("WeekdayPeriod")), QStringLiteral("Last7"));
    }

    void theMonthChartGivesUniqueDownloadersAndThisMonthAgainstTheLast()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        // The first five days of December against those of November.
        QVERIFY(Label(window, "monthComparisonLabel").startsWith(QStringLiteral("This month: 4 (last month: 7")));

        // Downloaders repeat in October: 21 of 22 downloads.
        Pick(FindChild<QComboBox>(window, "seriesBox"), 1);
        QCOMPARE(ChartValues(Chart(window)).mid(8), (QList<qreal>{25, 21, 27, 4}));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits")); // still the downloads
    }

    void compareGivesATableAChartAndItsExports()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<ComparePeriodsView>();
        QCOMPARE(Label(window, "currentLabel"), QStringLiteral("This period: 12/01/2004 - 12/05/2004"));
        QCOMPARE(Label(window, "previousLabel"), QStringLiteral("Period before: 11/01/2004 - 11/05/2004"));
        auto* const table = FindChild<QTableWidget>(window, "comparisonTable");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QString::fromStdString(kZip));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("4"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("7"));

        // A week: Monday, November 29 to the day, against the week before.
        Pick(FindChild<QComboBox>(window, "spanBox"), 0);
        QCOMPARE(Label(window, "currentLabel"), QStringLiteral("This period: 11/29/2004 - 12/05/2004"));
        FindChild<QDateEdit>(window, "dayPicker")->setDate(QDate(2004, 11, 21));
        QCOMPARE(Label(window, "previousLabel"), QStringLiteral("Period before: 11/08/2004 - 11/14/2004"));
        QCOMPARE(window->computations(), 3);

        // Numbers sort by their value, an empty percent below every other.
        Pick(FindChild<QComboBox>(window, "spanBox"), 2);
        table->sortByColumn(1, Qt::DescendingOrder);
        QList<int> counts;
        for (const auto& text : Column(table, 1))
            counts.append(text.toInt());
        QVERIFY(std::is_sorted(counts.rbegin(), counts.rend()));
        QCOMPARE(Column(table, 4), (QStringList{"new", "new", "new"})); // nothing in 2003

        auto* const chart = FindChild<QChartView>(window, "comparisonChart")->chart();
        auto* const bars = qobject_cast<QBarSeries*>(chart->series().first());
        QCOMPARE(bars->barSets().size(), 2);
        QCOMPARE(bars->barSets().first()->count(), 3);

        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray written = inputs.exported("compare.txt");
        QVERIFY(
            written.startsWith("This period:   01/01/2004 - 11/21/2004\r\nPeriod before: 01/01/2003 - 11/21/2003\r\n"));
        QCOMPARE(Desktop::opened(), inputs.openedExport("compare.txt"));

        const QString chosen = inputs.dataFile("elsewhere.txt");
        Dialogs::queueFileName(chosen);
        FindChild<QPushButton>(window, "saveAsButton")->click();
        QFile saved(chosen);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), written);
        QVERIFY(Dialogs::shownMessages().empty());
        // A place that cannot be written is said.
        Dialogs::queueFileName(inputs.dataPath());
        FindChild<QPushButton>(window, "saveAsButton")->click();
        QCOMPARE(Dialogs::shownMessages().size(), 1u);
    }

    void sourcesCountTheHostsOfAnItemInAPeriod()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<SourcesView>();
        auto* const table = FindChild<QTableWidget>(window, "sourcesTable");
        QCOMPARE(Column(table, 0),
                 (QStringList{"download.com", "members.tripod.com", "(direct)", "tripod.lycos.com", "google.com"}));
        QCOMPARE(Column(table, 1), (QStringList{"37", "36", "32", "30", "29"}));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("22.6 %"));
        QCOMPARE(Hits(window), QStringLiteral("164 Hits"));
        auto* const chart = FindChild<QChartView>(window, "sourcesChart")->chart();
        auto* const bars = qobject_cast<QHorizontalBarSeries*>(chart->series().first());
        QCOMPARE(bars->barSets().first()->at(4), 37.0); // the top source at the top

        Pick(ItemBox(window), 1);
        Pick(FindChild<QComboBox>(window, "periodBox"), kLastMonth);
        QCOMPARE(Hits(window), QStringLiteral("27 Hits"));
        QCOMPARE(Label(window, "fromLabel"), QStringLiteral("From: 11/01/2004"));
        QVERIFY(!inputs.settings().find(QStringLiteral("HistoryPeriod"))); // its period is its own

        FindChild<QPushButton>(window, "notepadButton")->click();
        QVERIFY(inputs.exported("sources.txt")
                    .startsWith("Search String: " + QByteArray::fromStdString(kZip) +
                                "\r\nFrom: 11/01/2004\r\nTo: 11/30/2004\r\n\r\n"));
        QCOMPARE(Desktop::opened(), inputs.openedExport("sources.txt"));
    }

    void theMonthChartIncludesMonthsBeforeTheLimitWhenAskedAndRemembersIt()
    {
        ViewsInputs inputs;
        WriteArchive(inputs);
        QPointer window = inputs.open<MonthlyChartView>();
        auto* allTime = FindChild<QCheckBox>(window, "monthsBeforeLimitBox");
        QVERIFY(!allTime->isChecked());
        QCOMPARE(ChartLabels(Chart(window)).size(), 12);
        const QString withinLimit = Hits(window);

        allTime->click();
        const auto labels = ChartLabels(Chart(window));
        QCOMPARE(labels.size(), 15); // Oct 03 to Dec 04
        QCOMPARE(labels.first(), QStringLiteral("Oct 03"));
        QCOMPARE(ChartValues(Chart(window)).first(), 2.0);
        QCOMPARE(Hits(window), QStringLiteral("%1 Hits").arg(withinLimit.split(' ').first().toInt() + 2));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 10/11/2003"));
        window->close();
        QCOMPARE(inputs.settings().find(QStringLiteral("MonthlyAllTime")), QStringLiteral("True"));

        window = inputs.open<MonthlyChartView>();
        QVERIFY(FindChild<QCheckBox>(window, "monthsBeforeLimitBox")->isChecked());
        QCOMPARE(ChartLabels(Chart(window)).size(), 15);
        QCOMPARE(window->computations(), 1);
    }

    void theHistoryCountsAllTimeOnceDownloadsHaveLeftIt()
    {
        ViewsInputs inputs;
        QPointer window = inputs.open<HistoryTextView>();
        QVERIFY(!Hits(window).contains(QStringLiteral("all time")));
        delete window;

        WriteArchive(inputs);
        window = inputs.open<HistoryTextView>();
        const int all = Hits(window).split(' ').first().toInt();
        QCOMPARE(Hits(window), QStringLiteral("%1 Hits (all time: %2)").arg(all).arg(all + 2));
        Pick(ItemBox(window), 1);
        QCOMPARE(ItemBox(window)->currentText().toStdString(), kZip);
        const int zip = Hits(window).split(' ').first().toInt();
        QCOMPARE(Hits(window), QStringLiteral("%1 Hits (all time: %2)").arg(zip).arg(zip + 2));
    }

    void theZeroCountDaysTellNoLogFromNoDownloads()
    {
        ViewsInputs inputs;
        // Known from 10 November; reports covered 13 and 21 November.
        WriteDataFile(inputs, QStringLiteral("coverage.dat"), "2004-11-10\r\n2004-11-13\r\n2004-11-21\r\n");
        auto* const window = inputs.open<ZeroDaysView>();
        const QStringList expected = {QStringLiteral("11/07/2004"), QStringLiteral("11/13/2004   no downloads"),
                                      QStringLiteral("11/21/2004   no downloads"),
                                      QStringLiteral("11/28/2004   no log"), QStringLiteral("12/05/2004   no log")};
        QCOMPARE(Entries(FindChild<QListWidget>(window, "dayList")), expected);
        FindChild<QPushButton>(window, "notepadButton")->click();
        QCOMPARE(
            inputs.exported("nocount.txt"),
            QByteArray("11/07/2004\r\n11/13/2004\r\n11/21/2004\r\n11/28/2004 (no log)\r\n12/05/2004 (no log)\r\n"));
    }
};

TALLYWICK_VIEWS_CASES(PeriodViewsTest)

} // namespace tallywick::test

#include "periodviews_test.moc"
