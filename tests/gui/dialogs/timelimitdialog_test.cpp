#include "app/settings/appvalues.h"
#include "support/findchild.h"
#include "tempsettings.h"
#include "ui/dialogs/timelimitdialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace tallywick {

class TimeLimitTest : public QObject {
    Q_OBJECT

private slots:
    void theListHoldsTheDesignedEntries()
    {
        TempSettings settings;
        AppValues values;
        TimeLimitDialog window(settings.store(), values);
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->count(), 24);
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(0), QStringLiteral("1 Month"));
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(1), QStringLiteral("2 Months"));
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(9), QStringLiteral("10  Months"));
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(10), QStringLiteral("11 Months"));
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(19), QStringLiteral("20  Months"));
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->itemText(23), QStringLiteral("24 Months"));
        QVERIFY(!FindChild<QComboBox>(window, "limitBox")->isEditable());
    }

    void opensAtTheCurrentLimit_data()
    {
        QTest::addColumn<int>("timeLimit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << 1 << QStringLiteral("1 Month");
        QTest::newRow("12") << 12 << QStringLiteral("12 Months");
        QTest::newRow("24") << 24 << QStringLiteral("24 Months");
        QTest::newRow("0") << 0 << QStringLiteral("24 Months");
        QTest::newRow("-3") << -3 << QStringLiteral("24 Months");
        QTest::newRow("30") << 30 << QStringLiteral("24 Months");
    }

    void opensAtTheCurrentLimit()
    {
        QFETCH(int, timeLimit);
        QFETCH(QString, shown);
        TempSettings settings;
        AppValues values;
        values.TimeLimit = timeLimit;
        TimeLimitDialog window(settings.store(), values);
        QCOMPARE(FindChild<QComboBox>(window, "limitBox")->currentText(), shown);
    }

    void okStoresTheMonthsOfTheChosenEntry()
    {
        TempSettings settings;
        AppValues values;
        TimeLimitDialog window(settings.store(), values);
        window.show();
        FindChild<QComboBox>(window, "limitBox")
            ->setCurrentIndex(FindChild<QComboBox>(window, "limitBox")->findText(QStringLiteral("10  Months")));
        FindChild<QPushButton>(window, "okButton")->click();
        QCOMPARE(values.TimeLimit, 10);
        QCOMPARE(settings.stored("TimeLimit"), QStringLiteral("10"));
        QVERIFY(!window.isVisible());
    }

    void okAfterAnOutOfRangeLimitStores24()
    {
        TempSettings settings;
        AppValues values;
        values.TimeLimit = 0;
        TimeLimitDialog window(settings.store(), values);
        FindChild<QPushButton>(window, "okButton")->click();
        QCOMPARE(values.TimeLimit, 24);
        QCOMPARE(settings.stored("TimeLimit"), QStringLiteral("24"));
    }

    void cancelAndTheCloseBoxChangeNothing()
    {
        for (const bool byCancel : {true, false}) {
            TempSettings settings;
            AppValues values;
            TimeLimitDialog window(settings.store(), values);
            window.show();
            FindChild<QComboBox>(window, "limitBox")->setCurrentIndex(5);
            if (byCancel)
                FindChild<QPushButton>(window, "cancelButton")->click();
            else
                window.close();
            QVERIFY(!window.isVisible());
            QCOMPARE(values.TimeLimit, 12);
            QCOMPARE(settings.stored("TimeLimit"), std::nullopt);
        }
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::TimeLimitTest)
#include "timelimitdialog_test.moc"
