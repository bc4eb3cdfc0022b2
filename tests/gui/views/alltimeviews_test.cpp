#include "ui/common/desktop.h"
#include "ui/views/historychart.h"
#include "ui/views/historytextview.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {
namespace {

const std::string kZip = "/quarnel/shareware/pelmor.zip";

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

class AllTimeViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Desktop::setTestMode(true); }

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

TALLYWICK_VIEWS_CASES(AllTimeViewsTest)

} // namespace tallywick::test

#include "alltimeviews_test.moc"
