#include "support/findchild.h"
#include "tempsettings.h"
#include "ui/dialogs/advancedoptionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

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
        QTest::newRow("45") << 45 << QStringLiteral("45 Minutes");
        QTest::newRow("one below") << 14 << QStringLiteral("30 Minutes");
        QTest::newRow("one above") << 61 << QStringLiteral("30 Minutes");
        QTest::newRow("zero") << 0 << QStringLiteral("30 Minutes");
        QTest::newRow("negative") << -20 << QStringLiteral("30 Minutes");
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
        QVERIFY(!box->isEditable());
        QCOMPARE(box->currentText(), shown);
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->currentIndex(), 0);
        advanced.show();
        FindChild<QPushButton>(advanced, "okButton")->click();
        QCOMPARE(settings.preferences().splitTime(), shown.split(QLatin1Char(' ')).first().toInt());
        QCOMPARE(settings.stored("Split_Time"), shown.split(QLatin1Char(' ')).first());
        QVERIFY(!advanced.isVisible());
    }

    void applyKeepsTheWindowAndCancelKeepsWhatWasApplied()
    {
        TempSettings settings;
        AdvancedOptionsDialog advanced(settings.preferences());
        advanced.show();
        FindChild<QComboBox>(advanced, "timeFrameBox")
            ->setCurrentIndex(FindChild<QComboBox>(advanced, "timeFrameBox")->findText(QStringLiteral("45 Minutes")));
        FindChild<QPushButton>(advanced, "applyButton")->click();
        QCOMPARE(settings.preferences().splitTime(), 45);
        QCOMPARE(settings.stored("Split_Time"), QStringLiteral("45"));
        QVERIFY(advanced.isVisible());

        FindChild<QComboBox>(advanced, "timeFrameBox")->setCurrentIndex(0);
        FindChild<QPushButton>(advanced, "cancelButton")->click();
        QVERIFY(!advanced.isVisible());
        QCOMPARE(settings.preferences().splitTime(), 45);
        QCOMPARE(settings.stored("Split_Time"), QStringLiteral("45"));
    }

    void escapeAndTheCloseBoxStoreNothing()
    {
        for (const bool byEscape : {true, false}) {
            TempSettings settings;
            AdvancedOptionsDialog advanced(settings.preferences());
            advanced.show();
            FindChild<QComboBox>(advanced, "timeFrameBox")->setCurrentIndex(40);
            if (byEscape)
                QTest::keyClick(FindChild<QComboBox>(advanced, "timeFrameBox"), Qt::Key_Escape);
            else
                advanced.close();
            QVERIFY(!advanced.isVisible());
            QCOMPARE(settings.preferences().splitTime(), 30);
            QCOMPARE(settings.stored("Split_Time"), std::nullopt);
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

    void tabsCarryTheirCaptionsKeysTipsAndPages()
    {
        TempSettings settings;
        AdvancedOptionsDialog advanced(settings.preferences());
        const QStringList captions{QStringLiteral("Split Downloads"), QStringLiteral("Counting"),
                                   QStringLiteral("Empty"), QStringLiteral("Empty")};
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->tabText(i), captions[i]);
            QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->tabBar()->tabData(i).toString(),
                     QStringLiteral("Group%1").arg(i + 1));
        }
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->tabToolTip(0),
                 QStringLiteral("Set Options for Split Downloads"));
        QCOMPARE(FindChild<QTabWidget>(advanced, "tabs")->tabToolTip(3), QStringLiteral("Set Options for Group 4"));

        auto* tabs = FindChild<QTabWidget>(advanced, "tabs");
        QVERIFY(tabs->widget(0)->isAncestorOf(FindChild<QComboBox>(advanced, "timeFrameBox")));
        QVERIFY(tabs->widget(3)->isAncestorOf(FindChild<QGroupBox>(advanced, "sample4Frame")));
        tabs->setCurrentIndex(3);
        QVERIFY(!FindChild<QComboBox>(advanced, "timeFrameBox")->isVisibleTo(&advanced));
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
