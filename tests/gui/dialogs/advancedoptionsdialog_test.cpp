#include "app/settings/preferences.h"
#include "support/findchild.h"
#include "tempsettings.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/advancedoptionsdialog.h"

#include <QApplication>
#include <QScreen>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <cmath>

namespace tallywick {

class AdvancedTest : public QObject {
    Q_OBJECT

private slots:
    void opensAtTheStoredTimeFrame_data()
    {
        QTest::addColumn<int>("splitTime");
        QTest::addColumn<QString>("shown");
        QTest::newRow("shortest") << 15 << QStringLiteral("15 Minutes");
        QTest::newRow("longest") << 60 << QStringLiteral("60 Minutes");
        QTest::newRow("one below") << 14 << QStringLiteral("30 Minutes");
        QTest::newRow("one above") << 61 << QStringLiteral("30 Minutes");
    }

    // Every minute from 15 to 60 is offered; OK without a choice stores what is shown.
    void opensAtTheStoredTimeFrame()
    {
        QFETCH(int, splitTime);
        QFETCH(QString, shown);
        TempSettings settings;
        settings.write("Split_Time", QString::number(splitTime));
        AdvancedOptionsDialog advanced(settings.preferences());
        auto* box = FindChild<QComboBox>(advanced, "timeFrameBox");
        QCOMPARE(box->count(), 46);
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), 0);
        advanced.show();
        FindChild<QPushButton>(advanced, "okButton")->click();
        QCOMPARE(settings.preferences().splitTime(), shown.split(QLatin1Char(' ')).first().toInt());
        QCOMPARE(settings.stored("Split_Time"), shown.split(QLatin1Char(' ')).first());
        QVERIFY(!advanced.isVisible());
    }

    // Apply keeps the window open; Cancel, Esc and the close box store nothing more.
    void applyKeepsTheWindowAndEveryOtherWayOutKeepsWhatWasApplied()
    {
        for (const int way : {0, 1, 2}) {
            TempSettings settings;
            AdvancedOptionsDialog advanced(settings.preferences());
            advanced.show();
            auto* box = FindChild<QComboBox>(advanced, "timeFrameBox");
            box->setCurrentIndex(box->findText(QStringLiteral("45 Minutes")));
            FindChild<QPushButton>(advanced, "applyButton")->click();
            QCOMPARE(settings.preferences().splitTime(), 45);
            QVERIFY(advanced.isVisible());

            box->setCurrentIndex(0);
            if (way == 0)
                FindChild<QPushButton>(advanced, "cancelButton")->click();
            else if (way == 1)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                advanced.close();
            QVERIFY(!advanced.isVisible());
            QCOMPARE(settings.preferences().splitTime(), 45);
            QCOMPARE(settings.stored("Split_Time"), QStringLiteral("45"));
        }
    }

    void theCountingBoxesOpenAsStoredAndAreStoredLikeTheTimeFrame()
    {
        TempSettings settings;
        settings.write("LeaveOutRobots", QStringLiteral("True"));
        AdvancedOptionsDialog advanced(settings.preferences());
        advanced.show();
        auto* robots = FindChild<QCheckBox>(advanced, "leaveOutRobotsBox");
        auto* failed = FindChild<QCheckBox>(advanced, "leaveOutFailedBox");
        QVERIFY(FindChild<QTabWidget>(advanced, "tabs")->widget(1)->isAncestorOf(robots));
        QVERIFY(robots->isChecked() && !failed->isChecked());
        robots->setChecked(false);
        failed->setChecked(true);
        FindChild<QPushButton>(advanced, "applyButton")->click();
        QVERIFY(!settings.preferences().leaveOutRobots() && settings.preferences().leaveOutFailed());
        QCOMPARE(settings.stored("LeaveOutRobots"), QStringLiteral("False"));
        QCOMPARE(settings.stored("LeaveOutFailed"), QStringLiteral("True"));

        failed->setChecked(false);
        FindChild<QPushButton>(advanced, "cancelButton")->click();
        QVERIFY(settings.preferences().leaveOutFailed());
        QCOMPARE(settings.stored("LeaveOutFailed"), QStringLiteral("True"));
    }

    // The download tools, the /64 networks and the file sizes open as stored; a size row the
    // user added is stored once it reads as one, a row left unreadable or removed is not.
    void theNewCountingOptionsAndTheFileSizesAreStoredTogether()
    {
        TempSettings settings;
        settings.write("IPv6Network64", QStringLiteral("True"));
        settings.write("FileSizes", QStringLiteral("/files/a.zip=100|/files/b.exe=2000"));
        AdvancedOptionsDialog advanced(settings.preferences());
        advanced.show();
        auto* tools = FindChild<QCheckBox>(advanced, "leaveOutToolsBox");
        auto* network = FindChild<QCheckBox>(advanced, "ipv6NetworkBox");
        auto* table = FindChild<QTableWidget>(advanced, "fileSizesTable");
        QVERIFY(!tools->isChecked() && network->isChecked());
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("/files/b.exe"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("2000"));

        tools->setChecked(true);
        network->setChecked(false);
        FindChild<QPushButton>(advanced, "addSizeButton")->click();
        QCOMPARE(table->rowCount(), 3);
        table->item(2, 0)->setText(QStringLiteral(" /files/c.gz "));
        table->item(2, 1)->setText(QStringLiteral("3 000"));
        FindChild<QPushButton>(advanced, "addSizeButton")->click();
        table->item(3, 0)->setText(QStringLiteral("/files/d.gz"));
        table->item(3, 1)->setText(QStringLiteral("400"));
        table->selectRow(0);
        FindChild<QPushButton>(advanced, "removeSizeButton")->click();
        QCOMPARE(table->rowCount(), 3);
        FindChild<QPushButton>(advanced, "okButton")->click();

        const CountingOptions& counting = settings.preferences().counting();
        QVERIFY(counting.leaveOutDownloadTools && !counting.ipv6Network64);
        QCOMPARE(settings.stored("LeaveOutDownloadTools"), QStringLiteral("True"));
        QCOMPARE(settings.stored("IPv6Network64"), QStringLiteral("False"));
        QCOMPARE(settings.stored("FileSizes"), QStringLiteral("/files/b.exe=2000|/files/d.gz=400"));
        QCOMPARE(counting.fileSizes.size(), std::size_t{2});
    }

    // It keeps one size whichever tab is chosen, and opens centred on its screen at that size,
    // whole on the screen (the test screen is lower than the Counting page: it scrolls).
    void oneSizeForEveryTabCentredOnTheScreen()
    {
        TempSettings settings;
        WindowRegistry windows;
        auto* advanced = ShowAdvancedOptionsDialog(windows, settings.preferences());
        QVERIFY(QTest::qWaitForWindowExposed(advanced));
        const QSize size = advanced->size();
        const QPointF offCentre =
            QRectF(advanced->frameGeometry()).center() - QRectF(advanced->screen()->geometry()).center();
        // The frame is unknown until the window shows: it may shift the window by its width.
        QVERIFY2(std::abs(offCentre.x()) <= 4 && std::abs(offCentre.y()) <= 4,
                 qPrintable(QStringLiteral("%1 by %2 off centre").arg(offCentre.x()).arg(offCentre.y())));
        QVERIFY(advanced->screen()->availableGeometry().contains(advanced->geometry()));
        auto* tabs = FindChild<QTabWidget>(*advanced, "tabs");
        for (const int tab : {1, 2, 3, 0, 1}) {
            tabs->setCurrentIndex(tab);
            QApplication::processEvents();
            QCOMPARE(advanced->size(), size);
        }
    }

    void ctrlTabCyclesTheTabsAndNothingElseDoes()
    {
        TempSettings settings;
        AdvancedOptionsDialog advanced(settings.preferences());
        advanced.show();
        advanced.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&advanced));
        FindChild<QComboBox>(advanced, "timeFrameBox")->setFocus();

        for (const int expected : {1, 2, 3, 0}) {
            QTest::keyClick(FindChild<QComboBox>(advanced, "timeFrameBox"), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), expected);
        }

        // From a button the window still sees it first.
        FindChild<QPushButton>(advanced, "applyButton")->setFocus();
        QTest::keyClick(FindChild<QPushButton>(advanced, "applyButton"), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), 1);

        QTest::keyClick(FindChild<QPushButton>(advanced, "applyButton"), Qt::Key_Backtab,
                        Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), 1);
        QTest::keyClick(FindChild<QPushButton>(advanced, "applyButton"), Qt::Key_Tab);
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), 1);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::AdvancedTest)
#include "advancedoptionsdialog_test.moc"
