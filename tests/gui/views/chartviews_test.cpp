#include "ui/common/dialogs.h"
#include "ui/views/filechartview.h"
#include "ui/views/historychart.h"
#include "ui/views/monthlychartview.h"
#include "ui/views/valuescale.h"
#include "ui/views/weekdaychartview.h"
#include "viewstestsupport.h"

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QDateEdit>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QValueAxis>

namespace tallywick::test {
namespace {

std::vector<ChartCategory> Months(int count)
{
    std::vector<ChartCategory> categories;
    for (int i = 0; i < count; ++i)
        categories.push_back({"Jan 0" + std::to_string(i % 10), static_cast<double>(i)});
    return categories;
}

} // namespace

// The chart widget reads well at any size, and the charts by month, by weekday and by file draw
// the engine's figures for the fixture.
class ChartViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Dialogs::setTestMode(true); }

    void theValueAxisReadsWell_data()
    {
        QTest::addColumn<double>("maxValue");
        QTest::addColumn<bool>("wholeNumbers");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("decimals");
        QTest::newRow("nothing") << 0.0 << true << 1.0 << 1.0 << 0;
        QTest::newRow("few counts") << 3.0 << true << 4.0 << 1.0 << 0;
        QTest::newRow("counts") << 78.0 << true << 80.0 << 20.0 << 0;
        QTest::newRow("on a tick") << 100.0 << true << 120.0 << 20.0 << 0;
        QTest::newRow("averages") << 1.35 << false << 1.5 << 0.5 << 1;
        QTest::newRow("small averages") << 0.04 << false << 0.05 << 0.01 << 2;
    }

    void theValueAxisReadsWell()
    {
        QFETCH(double, maxValue);
        QFETCH(bool, wholeNumbers);
        const ValueScale scale = ScaleFor(maxValue, wholeNumbers);
        QTEST(scale.top, "top");
        QTEST(scale.step, "step");
        QTEST(scale.decimals, "decimals");
    }

    void everyCategoryKeepsItsPlaceAndItsTip()
    {
        HistoryChart chart;
        chart.draw({{"/a/x.zip", 3}, {"/a/x.zip", 1}, {"", 2}}, ChartStyle::Bar);
        QCOMPARE(ChartValues(&chart), (QList<qreal>{3, 1, 2}));
        QCOMPARE(ChartLabels(&chart).size(), 3);
        QCOMPARE(chart.valueTip(1), QStringLiteral("/a/x.zip: 1"));
        QCOMPARE(chart.valueTip(3), QString());

        chart.draw({{"Mon", 0.3333333}}, ChartStyle::Line, false);
        QVERIFY(DrawsLine(&chart));
        QCOMPARE(chart.valueTip(0), QStringLiteral("Mon: 0.3333"));
        auto* valueAxis = qobject_cast<QValueAxis*>(chart.chart()->axes(Qt::Vertical).first());
        QCOMPARE(valueAxis->min(), 0.0);
        QCOMPARE(valueAxis->labelFormat(), QStringLiteral("%.1f"));
    }

    void labelsStayUprightAndShortenOrThinToFitTheWidth()
    {
        HistoryChart chart;
        chart.resize(600, 300);
        chart.show();
        const std::string longLabel = "/presentations/logstash-scale11x/logstash-scale11x.pdf";
        chart.draw({{"/a.zip", 762}, {longLabel, 12}, {"/b.exe", 3}}, ChartStyle::Bar);
        auto axis = [&] { return qobject_cast<QBarCategoryAxis*>(chart.chart()->axes(Qt::Horizontal).first()); };
        QTRY_VERIFY(ChartLabels(&chart)[1] != QString::fromStdString(longLabel));
        const QString shown = ChartLabels(&chart)[1];
        QVERIFY2(shown.startsWith(QStringLiteral("/pre")) && shown.endsWith(QStringLiteral(".pdf")) &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        QVERIFY(QFontMetrics(axis()->labelsFont()).horizontalAdvance(shown) < chart.chart()->plotArea().width() / 3);
        QCOMPARE(ChartLabels(&chart)[0], QStringLiteral("/a.zip"));
        QCOMPARE(chart.valueTip(1), QString::fromStdString(longLabel) + QStringLiteral(": 12"));
        QCOMPARE(axis()->labelsAngle(), 0);
        // Every bar carries its value, so that 12 beside 762 still reads.
        QVERIFY(qobject_cast<QBarSeries*>(chart.chart()->series().first())->isLabelsVisible());

        // Two years of months on a narrow chart: labels of whole quarters, none overlapping.
        chart.resize(400, 300);
        chart.draw(Months(24), ChartStyle::Bar);
        QTRY_VERIFY(ChartLabels(&chart)[1].remove(QChar(0x200B)).isEmpty());
        const QFontMetrics metrics(axis()->labelsFont());
        QStringList labels = ChartLabels(&chart);
        qsizetype step = 1;
        while (labels[step].remove(QChar(0x200B)).isEmpty())
            ++step;
        QVERIFY(step == 2 || step == 3 || step == 6);
        QVERIFY(metrics.horizontalAdvance(labels[0]) <= chart.chart()->plotArea().width() / 24 * step);
        QVERIFY(!qobject_cast<QBarSeries*>(chart.chart()->series().first())->isLabelsVisible() ||
                metrics.horizontalAdvance(QStringLiteral("23")) < chart.chart()->plotArea().width() / 24);
        chart.resize(1400, 300);
        QTRY_COMPARE(ChartLabels(&chart)[1], QStringLiteral("Jan 01"));
    }

    // However small their windows are made, the charts keep room for their labels: each label
    // shown keeps at least a month's "Sep 04" of its text.
    void theViewsKeepTheirChartsReadable()
    {
        ViewsInputs inputs;
        const std::vector<QWidget*> views{inputs.open<MonthlyChartView>(), inputs.open<WeekdayChartView>(),
                                          inputs.open<FileChartView>()};
        for (QWidget* view : views) {
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view));
            view->resize(1, 1);
            HistoryChart* chart = Chart(view);
            QTRY_VERIFY(chart->chart()->plotArea().width() > 0);
            QApplication::processEvents();
            const QByteArray name = view->metaObject()->className();
            if (qEnvironmentVariableIsSet("TALLYWICK_CHART_IMAGES"))
                view->grab().save(qEnvironmentVariable("TALLYWICK_CHART_IMAGES") + QLatin1Char('/') + name + ".png");
            const QFontMetrics metrics(
                qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).first())->labelsFont());
            const int shortest = metrics.horizontalAdvance(QStringLiteral("Sep 04"));
            int shown = 0;
            for (QString label : ChartLabels(chart)) {
                label.remove(QChar(0x200B));
                if (label.isEmpty())
                    continue;
                ++shown;
                QVERIFY2(!label.contains(QChar(0x2026)) || metrics.horizontalAdvance(label) >= shortest,
                         qPrintable(name + ": " + label));
            }
            QVERIFY2(shown >= 2, name.constData());
            // The value axis shows its numbers whole, too.
            const auto* values = qobject_cast<QValueAxis*>(chart->chart()->axes(Qt::Vertical).first());
            QVERIFY(chart->chart()->plotArea().height() >= 4 * metrics.height());
            QVERIFY(chart->chart()->plotArea().left() >=
                    metrics.horizontalAdvance(QString::number(values->max(), 'f', 0)));
        }
    }

    void savesTheChartAsAPngImage()
    {
        QTemporaryDir dir;
        HistoryChart chart;
        chart.resize(600, 300);
        chart.setImageName(QStringLiteral("Traffic by Month.png"));
        chart.draw(Months(12), ChartStyle::Bar);
        QCOMPARE(chart.contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY(chart.actions().contains(chart.saveImageAction()));

        Dialogs::queueFileName(dir.filePath(QStringLiteral("months")));
        chart.saveImageAction()->trigger();
        QVERIFY(Dialogs::lastFileRequest().fileName.endsWith(QStringLiteral("Traffic by Month.png")));
        const QImage image(dir.filePath(QStringLiteral("months.png")));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(600, 300) * chart.devicePixelRatio());

        Dialogs::queueFileName(std::nullopt);
        chart.saveImage();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

        Dialogs::queueFileName(dir.filePath(QStringLiteral("missing/folder/chart.png")));
        chart.saveImage();
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
    }

    // The fixture's downloads a month, September to December: 25, 22, 27, 4 of the ".zip" and
    // 11, 12, 7, 1 of the guide.
    void opensWithTheFirstItemPerMonthDrawnOnceAndRedrawsForAPick()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<MonthlyChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(FindChild<QRadioButton>(window, "barStyleButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        const QStringList labels = ChartLabels(Chart(window));
        QCOMPARE(labels.size(), 12);
        QCOMPARE(labels.first(), QStringLiteral("Jan 04"));
        QCOMPARE(labels.last(), QStringLiteral("Dec 04"));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{0, 0, 0, 0, 0, 0, 0, 0, 25, 22, 27, 4}));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QCOMPARE(Chart(window)->valueTip(10), QStringLiteral("Nov 04: 27"));

        Pick(ItemBox(window), 2);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(ChartValues(Chart(window)).mid(8), (QList<qreal>{11, 12, 7, 1}));
        QCOMPARE(Hits(window), QStringLiteral("31 Hits"));
    }

    void theLineStyleIsKeptForTheNextOpening()
    {
        ViewsInputs inputs;
        QPointer window = inputs.open<MonthlyChartView>();
        FindChild<QRadioButton>(window, "lineStyleButton")->click();
        QCOMPARE(window->computations(), 2);
        QVERIFY(DrawsLine(Chart(window)));
        FindChild<QPushButton>(window, "closeButton")->click();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("True"));
        QTRY_VERIFY(window.isNull());

        window = inputs.open<MonthlyChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(FindChild<QRadioButton>(window, "lineStyleButton")->isChecked());
        QVERIFY(DrawsLine(Chart(window)));
        FindChild<QRadioButton>(window, "barStyleButton")->click();
        QVERIFY(DrawsBars(Chart(window)));
        window->close();
        QCOMPARE(inputs.settings().find(QStringLiteral("GraphStyle1")), QStringLiteral("False"));
    }

    // From Wednesday, September 1 to Saturday, December 4 the fixture holds 13 of each of Sunday to
    // Tuesday and 14 of every other weekday; the chart starts on Sunday.
    void opensWithAveragesOfTheFirstItemAndRedrawsForTotalsAndPicks()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<WeekdayChartView>();
        QCOMPARE(window->computations(), 1);
        QVERIFY(FindChild<QRadioButton>(window, "averageButton")->isChecked());
        QVERIFY(DrawsBars(Chart(window)));
        QCOMPARE(ChartLabels(Chart(window)).size(), 7);
        QCOMPARE(ChartLabels(Chart(window)).first(), QLocale::system().dayName(Qt::Sunday, QLocale::ShortFormat));
        const QList<qreal> zipTotals{3, 11, 11, 10, 12, 19, 12};
        const QList<qreal> averages = ChartValues(Chart(window));
        QCOMPARE(averages.size(), 7);
        for (int day = 0; day < 7; ++day)
            QCOMPARE(averages[day], zipTotals[day] / (day < 3 ? 13.0 : 14.0));
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));

        FindChild<QRadioButton>(window, "totalButton")->click();
        QCOMPARE(window->computations(), 2);
        QCOMPARE(ChartValues(Chart(window)), zipTotals);
        QCOMPARE(Hits(window), QStringLiteral("78 Hits"));

        Pick(ItemBox(window), 1);
        QCOMPARE(window->computations(), 3);
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{5, 7, 11, 8, 4, 8, 10}));

        QTest::keyClicks(ItemBox(window)->lineEdit(), QStringLiteral("zip"));
        QCOMPARE(window->computations(), 3);
    }

    void opensWithTheStoredPeriodAtTodayDrawnOnce()
    {
        ViewsInputs inputs;
        inputs.settings().write(QStringLiteral("TimeSpan"), QStringLiteral("2"));
        auto* const window = inputs.open<FileChartView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->currentText(), QStringLiteral("Month"));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 5));
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 12/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/31/2004"));
        QCOMPARE(ChartLabels(Chart(window)),
                 (QStringList{QStringLiteral("/shareware/pelmor.zip"), QStringLiteral("/shareware/pelmor.exe"),
                              QStringLiteral("/docs/pelmor-guide.pdf")}));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{4, 2, 1}));
        QCOMPARE(Hits(window), QStringLiteral("7 Hits"));
        QCOMPARE(FindChild<QLabel>(window, "todayLabel")->text(), QStringLiteral("Today is Sunday, December 05, 2004"));
        QVERIFY(DrawsBars(Chart(window)));
    }

    void periodAndDateChangesRedrawAndThePeriodIsStoredAtOnce()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<FileChartView>();
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->currentIndex(), 0);
        QCOMPARE(inputs.settings().find(QStringLiteral("TimeSpan")), QStringLiteral("0"));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(1);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(inputs.settings().find(QStringLiteral("TimeSpan")), QStringLiteral("1"));

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 1));
        QCOMPARE(window->computations(), 3);
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 11/28/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{7, 5, 1}));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(3);
        QCOMPARE(inputs.settings().find(QStringLiteral("TimeSpan")), QStringLiteral("3"));
        // Every record but the undatable one and the one of the item no longer tracked.
        QCOMPARE(Hits(window), QStringLiteral("162 Hits"));
    }
};

TALLYWICK_VIEWS_CASES(ChartViewsTest)

} // namespace tallywick::test

#include "chartviews_test.moc"
