#include "app/settings/appvalues.h"
#include "tempsettings.h"
#include "ui/dialogs/advancedoptionsdialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace tallywick {

class AdvancedTest : public QObject {
    Q_OBJECT

private slots:
    void theListOffersEveryMinuteFrom15To60()
    {
        TempSettings settings;
        AppValues values;
        AdvancedOptionsDialog advanced(settings.store(), values);
        QCOMPARE(advanced.cboTimeFrame->count(), 46);
        QCOMPARE(advanced.cboTimeFrame->itemText(0), QStringLiteral("15 Minutes"));
        QCOMPARE(advanced.cboTimeFrame->itemText(45), QStringLiteral("60 Minutes"));
        QVERIFY(!advanced.cboTimeFrame->isEditable());
    }

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

    void opensAtTheStoredTimeFrame()
    {
        QFETCH(int, splitTime);
        QFETCH(QString, shown);
        TempSettings settings;
        AppValues values;
        values.Split_Time = splitTime;
        AdvancedOptionsDialog advanced(settings.store(), values);
        QCOMPARE(advanced.cboTimeFrame->currentText(), shown);
        QCOMPARE(advanced.tbsOptions->currentIndex(), 0);
    }

    void okWithoutAChoiceStoresWhatIsShown()
    {
        TempSettings settings;
        AppValues values;
        values.Split_Time = 14;
        AdvancedOptionsDialog advanced(settings.store(), values);
        advanced.show();
        advanced.cmdOK->click();
        QCOMPARE(values.Split_Time, 30);
        QCOMPARE(settings.stored("Split_Time"), QStringLiteral("30"));
        QVERIFY(!advanced.isVisible());
    }

    void applyKeepsTheWindowAndCancelKeepsWhatWasApplied()
    {
        TempSettings settings;
        AppValues values;
        AdvancedOptionsDialog advanced(settings.store(), values);
        advanced.show();
        advanced.cboTimeFrame->setCurrentIndex(advanced.cboTimeFrame->findText(QStringLiteral("45 Minutes")));
        advanced.cmdApply->click();
        QCOMPARE(values.Split_Time, 45);
        QCOMPARE(settings.stored("Split_Time"), QStringLiteral("45"));
        QVERIFY(advanced.isVisible());

        advanced.cboTimeFrame->setCurrentIndex(0);
        advanced.cmdCancel->click();
        QVERIFY(!advanced.isVisible());
        QCOMPARE(values.Split_Time, 45);
        QCOMPARE(settings.stored("Split_Time"), QStringLiteral("45"));
    }

    void escapeAndTheCloseBoxStoreNothing()
    {
        for (const bool byEscape : {true, false}) {
            TempSettings settings;
            AppValues values;
            AdvancedOptionsDialog advanced(settings.store(), values);
            advanced.show();
            advanced.cboTimeFrame->setCurrentIndex(40);
            if (byEscape)
                QTest::keyClick(advanced.cboTimeFrame, Qt::Key_Escape);
            else
                advanced.close();
            QVERIFY(!advanced.isVisible());
            QCOMPARE(values.Split_Time, 30);
            QCOMPARE(settings.stored("Split_Time"), std::nullopt);
        }
    }

    void tabsCarryTheirCaptionsKeysAndTips()
    {
        TempSettings settings;
        AppValues values;
        AdvancedOptionsDialog advanced(settings.store(), values);
        const QStringList captions{QStringLiteral("Split Downloads"), QStringLiteral("Empty"), QStringLiteral("Empty"),
                                   QStringLiteral("Empty")};
        QCOMPARE(advanced.tbsOptions->count(), 4);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(advanced.tbsOptions->tabText(i), captions[i]);
            QCOMPARE(advanced.tbsOptions->tabData(i).toString(), QStringLiteral("Group%1").arg(i + 1));
        }
        QCOMPARE(advanced.tbsOptions->tabToolTip(0), QStringLiteral("Set Options for Split Downloads"));
        QCOMPARE(advanced.tbsOptions->tabToolTip(3), QStringLiteral("Set Options for Group 4"));
    }

    void choosingATabMovesOnlyItsPanelIntoView()
    {
        TempSettings settings;
        AppValues values;
        AdvancedOptionsDialog advanced(settings.store(), values);
        for (int chosen : {2, 0, 3}) {
            advanced.tbsOptions->setCurrentIndex(chosen);
            for (int i = 0; i < 4; ++i) {
                const bool shown = i == chosen;
                QCOMPARE(advanced.picOptions[i]->x(),
                         shown ? AdvancedOptionsDialog::kPanelLeft : AdvancedOptionsDialog::kPanelOutOfView);
                QCOMPARE(advanced.picOptions[i]->isEnabled(), shown);
            }
        }
        QVERIFY(advanced.picOptions[3]->isAncestorOf(advanced.fraSample4));
        QVERIFY(advanced.picOptions[0]->isAncestorOf(advanced.cboTimeFrame));
    }

    void ctrlTabCyclesTheTabsAndNothingElseDoes()
    {
        TempSettings settings;
        AppValues values;
        AdvancedOptionsDialog advanced(settings.store(), values);
        advanced.show();
        advanced.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&advanced));
        advanced.cboTimeFrame->setFocus();

        for (const int expected : {1, 2, 3, 0}) {
            QTest::keyClick(advanced.cboTimeFrame, Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(advanced.tbsOptions->currentIndex(), expected);
        }
        QCOMPARE(advanced.picOptions[0]->x(), AdvancedOptionsDialog::kPanelLeft);

        // From a button the window still sees it first.
        advanced.cmdApply->setFocus();
        QTest::keyClick(advanced.cmdApply, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(advanced.tbsOptions->currentIndex(), 1);

        QTest::keyClick(advanced.cmdApply, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(advanced.tbsOptions->currentIndex(), 1);
        QTest::keyClick(advanced.cmdApply, Qt::Key_Tab);
        QCOMPARE(advanced.tbsOptions->currentIndex(), 1);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::AdvancedTest)
#include "advanced_test.moc"
