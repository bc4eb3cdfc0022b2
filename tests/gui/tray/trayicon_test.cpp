#include "ui/tray/trayicon.h"

#include <QSignalSpy>
#include <QTest>

namespace tallywick {

class SysTrayTest : public QObject {
    Q_OBJECT

private slots:
    void addingItemsTakesTheFirstItemThenAppends()
    {
        TrayIcon tray(true);
        QCOMPARE(tray.AddMenuItem(QStringLiteral("&Open Tallywick"), QStringLiteral("open"), true), 0);
        QCOMPARE(tray.AddMenuItem(QStringLiteral("E&xit Tallywick"), QStringLiteral("exit")), 1);
        QCOMPARE(tray.menuItemCount(), 2);
        QCOMPARE(tray.menuKey(1), QStringLiteral("exit"));
        QCOMPARE(tray.DefaultMenuIndex(), 0);
        QCOMPARE(tray.menu().defaultAction()->text(), QStringLiteral("&Open Tallywick"));
    }

    void theDefaultStaysUnlessAskedAndFallsBackToTheFirstItem()
    {
        TrayIcon tray(true);
        tray.AddMenuItem(QStringLiteral("A"));
        tray.AddMenuItem(QStringLiteral("B"));
        QCOMPARE(tray.DefaultMenuIndex(), 0);
        tray.setDefaultMenuIndex(1);
        QCOMPARE(tray.DefaultMenuIndex(), 1);
        tray.setDefaultMenuIndex(5);
        QCOMPARE(tray.DefaultMenuIndex(), 0);
    }

    void removingMovesLaterItemsUpAndKeepsTheFirst()
    {
        TrayIcon tray(true);
        for (const char* caption : {"A", "B", "C"})
            tray.AddMenuItem(QLatin1String(caption), QLatin1String(caption).toString().toLower());
        QCOMPARE(tray.RemoveMenuItem(1), 0);
        QCOMPARE(tray.menuItemCount(), 2);
        QCOMPARE(tray.menuCaption(0), QStringLiteral("A"));
        QCOMPARE(tray.menuCaption(1), QStringLiteral("C"));
        QCOMPARE(tray.menuKey(1), QStringLiteral("c"));
        tray.RemoveMenuItem(0);
        QCOMPARE(tray.menuItemCount(), 2);
        QCOMPARE(tray.menuCaption(0), QString());
        tray.RemoveMenuItem(7); // outside: nothing
        tray.EnableMenuItem(7, false);
        QCOMPARE(tray.menuItemCount(), 2);
    }

    void choosingAnItemReportsItsIndexAndKey()
    {
        TrayIcon tray(true);
        tray.AddMenuItem(QStringLiteral("A"), QStringLiteral("a"));
        tray.AddMenuItem(QStringLiteral("B"), QStringLiteral("b"));
        tray.AddMenuItem(QStringLiteral("C"), QStringLiteral("c"));
        tray.RemoveMenuItem(0 + 1);
        QSignalSpy clicks(&tray, &TrayIcon::MenuClick);
        tray.menu().actions().at(1)->trigger();
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks.at(0).at(0).toInt(), 1);
        QCOMPARE(clicks.at(0).at(1).toString(), QStringLiteral("c"));
    }

    void tipsAreKeptShortAndIconsOnlyWhileRunning()
    {
        TrayIcon::setAvailableForTests(true);
        TrayIcon running(true);
        running.setToolTip(QString(80, QLatin1Char('x')));
        QCOMPARE(running.ToolTip().size(), 63);
        QVERIFY(running.isIconShown());
        TrayIcon notRunning(false);
        QVERIFY(!notRunning.isIconShown());
        TrayIcon::setAvailableForTests(std::nullopt);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::SysTrayTest)
#include "systray_test.moc"
