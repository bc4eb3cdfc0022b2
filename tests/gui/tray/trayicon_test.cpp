#include "ui/tray/trayicon.h"

#include <QSignalSpy>
#include <QTest>

namespace tallywick {

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void addingItemsTakesTheFirstItemThenAppendsAndAChoiceReportsIndexAndKey()
    {
        TrayIcon tray(true);
        QCOMPARE(tray.addMenuItem(QStringLiteral("&Open Tallywick"), QStringLiteral("open"), true), 0);
        QCOMPARE(tray.addMenuItem(QStringLiteral("E&xit Tallywick"), QStringLiteral("exit")), 1);
        QCOMPARE(tray.addMenuItem(QStringLiteral("C"), QStringLiteral("c")), 2);
        QCOMPARE(tray.menuItemCount(), 3);
        QCOMPARE(tray.menuKey(1), QStringLiteral("exit"));
        QCOMPARE(tray.defaultMenuIndex(), 0);
        QCOMPARE(tray.menu().defaultAction()->text(), QStringLiteral("&Open Tallywick"));

        QSignalSpy clicks(&tray, &TrayIcon::menuItemClicked);
        tray.menu().actions().at(2)->trigger();
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 2);
        QCOMPARE(clicks.at(0).at(1).toString(), QStringLiteral("c"));
    }

    void tipsAreKeptShortAndIconsOnlyWhileRunning()
    {
        TrayIcon::setAvailableForTests(true);
        TrayIcon running(true);
        running.setToolTip(QString(80, QLatin1Char('x')));
        QCOMPARE(running.toolTip().size(), 63);
        QVERIFY(running.isIconShown());
        TrayIcon notRunning(false);
        QVERIFY(!notRunning.isIconShown());
        TrayIcon::setAvailableForTests(std::nullopt);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::TrayIconTest)
#include "trayicon_test.moc"
