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
    void opensAtTheCurrentLimit_data()
    {
        QTest::addColumn<int>("timeLimit");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1") << 1 << QStringLiteral("1 Month");
        QTest::newRow("2") << 2 << QStringLiteral("2 Months");
        QTest::newRow("10") << 10 << QStringLiteral("10  Months");
        QTest::newRow("11") << 11 << QStringLiteral("11 Months");
        QTest::newRow("12") << 12 << QStringLiteral("12 Months");
        QTest::newRow("20") << 20 << QStringLiteral("20  Months");
        QTest::newRow("24") << 24 << QStringLiteral("24 Months");
    }

    // The list holds one entry a month up to 24; OK without a choice stores what is shown.
    void opensAtTheCurrentLimit()
    {
        QFETCH(int, timeLimit);
        QFETCH(QString, shown);
        TempSettings settings;
        settings.write("TimeLimit", QString::number(timeLimit));
        TimeLimitDialog window(settings.preferences());
        auto* box = FindChild<QComboBox>(window, "limitBox");
        QCOMPARE(box->count(), 24);
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(box->currentIndex(), shown.split(QLatin1Char(' ')).first().toInt() - 1);
        FindChild<QPushButton>(window, "okButton")->click();
        QCOMPARE(settings.preferences().timeLimit(), shown.split(QLatin1Char(' ')).first().toInt());
        QCOMPARE(settings.stored("TimeLimit"), shown.split(QLatin1Char(' ')).first());
    }

    void cancelAndTheCloseBoxChangeNothing()
    {
        for (const bool byCancel : {true, false}) {
            TempSettings settings;
            TimeLimitDialog window(settings.preferences());
            window.show();
            FindChild<QComboBox>(window, "limitBox")->setCurrentIndex(5);
            if (byCancel)
                FindChild<QPushButton>(window, "cancelButton")->click();
            else
                window.close();
            QVERIFY(!window.isVisible());
            QCOMPARE(settings.preferences().timeLimit(), 12);
            QCOMPARE(settings.stored("TimeLimit"), std::nullopt);
        }
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::TimeLimitTest)
#include "timelimitdialog_test.moc"
