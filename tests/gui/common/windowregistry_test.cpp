#include "ui/common/windowregistry.h"

#include <QDialog>
#include <QPointer>
#include <QTest>

namespace tallywick {
namespace {

class CountedDialog : public QDialog {
public:
    explicit CountedDialog(int& made) { ++made; }
};

} // namespace

class WindowRegistryTest : public QObject {
    Q_OBJECT

private slots:
    void anOpenWindowIsShownAgainAndAClosedOneMadeAnew()
    {
        WindowRegistry windows;
        int made = 0;
        const auto make = [&made] { return new CountedDialog(made); };
        QDialog* first = windows.show<QDialog>(make);
        QCOMPARE(windows.show<QDialog>(make), first);
        QCOMPARE(made, 1);
        QCOMPARE(windows.find<QDialog>(), first);

        // Closed, it waits for its deletion: the next opening must not find it.
        QPointer<QDialog> closed = first;
        first->close();
        QVERIFY(!windows.find<QDialog>());
        QDialog* second = windows.show<QDialog>(make);
        QVERIFY(second != closed.data());
        QCOMPARE(made, 2);
        QTRY_VERIFY(!closed);
    }

    void windowsStillOpenGoWithTheRegistry()
    {
        QPointer<QDialog> open;
        {
            WindowRegistry windows;
            open = windows.show<QDialog>([] { return new QDialog; });
        }
        QVERIFY(!open);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::WindowRegistryTest)
#include "windowregistry_test.moc"
