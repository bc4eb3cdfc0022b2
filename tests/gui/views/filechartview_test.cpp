#include "ui/views/filechartview.h"
#include "ui/views/historychart.h"
#include "viewstestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace tallywick::test {
namespace {

std::optional<QString> Stored(ViewsInputs& inputs, const char* key)
{
    return inputs.settings().find(QLatin1String(key));
}

} // namespace

class FileChartViewTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheStoredPeriodAtTodayDrawnOnce()
    {
        ViewsInputs inputs;
        inputs.settings().write(QStringLiteral("TimeSpan"), QStringLiteral("2"));
        auto* const window = inputs.open<FileChartView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(FindChild<QComboBox>(window, "periodBox")->count(), 4);
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
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("0"));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(1);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("1"));

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 1));
        QCOMPARE(window->computations(), 3);
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 11/28/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(ChartValues(Chart(window)), (QList<qreal>{7, 5, 1}));

        FindChild<QComboBox>(window, "periodBox")->setCurrentIndex(3);
        QCOMPARE(Stored(inputs, "TimeSpan"), QStringLiteral("3"));
        // Every record but the undatable one and the one of the item no longer tracked.
        QCOMPARE(Hits(window), QStringLiteral("162 Hits"));
    }
};

TALLYWICK_VIEWS_CASES(FileChartViewTest)

} // namespace tallywick::test

#include "filechartview_test.moc"
