#include "support/findchild.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {
namespace {

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->text());
    return entries;
}

} // namespace

class NoCountViewTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Desktop::setTestMode(true);
        Dialogs::setTestMode(true);
    }

    void listsTheDaysOfThePastMonthWithoutATrackedDownload()
    {
        ViewsInputs inputs;
        const QPointer window = new ZeroDaysView(inputs.context());
        QCOMPARE(window->windowTitle(), QStringLiteral("Zero Count Days"));
        QCOMPARE(FindChild<QLabel>(window, "explanationLabel")->text(),
                 QStringLiteral("Days with zero count occurring in the past month."));
        // November 21 has a download of an item no longer tracked; today has none yet.
        const QStringList expected = {QStringLiteral("11/07/2004"), QStringLiteral("11/13/2004"),
                                      QStringLiteral("11/21/2004"), QStringLiteral("11/28/2004"),
                                      QStringLiteral("12/05/2004")};
        QCOMPARE(Entries(FindChild<QListWidget>(window, "dayList")), expected);
        QCOMPARE(window->computations(), 1);

        FindChild<QPushButton>(window, "notepadButton")->click();
        QCOMPARE(inputs.exported("nocount.txt"),
                 QByteArray("11/07/2004\r\n11/13/2004\r\n11/21/2004\r\n11/28/2004\r\n12/05/2004\r\n"));
        QCOMPARE(Desktop::opened(),
                 QStringList{QUrl::fromLocalFile(inputs.dataPath() + QStringLiteral("/nocount.txt")).toString()});
        delete window;
    }

    void reportOpensTheTrafficReportAddress()
    {
        ViewsInputs inputs;
        const QPointer window = new ZeroDaysView(inputs.context());
        FindChild<QPushButton>(window, "reportButton")->click();
        QCOMPARE(Desktop::opened(), QStringList{kTrafficUrl});
        delete window;
    }

    void withoutTrackedItemsTheListAndTheExportAreEmpty()
    {
        ViewsInputs inputs;
        inputs.TrackedItems.clear();
        const QPointer window = new ZeroDaysView(inputs.context());
        QCOMPARE(FindChild<QListWidget>(window, "dayList")->count(), 0);
        FindChild<QPushButton>(window, "notepadButton")->click();
        QVERIFY(QFile::exists(inputs.dataPath() + QStringLiteral("/nocount.txt")));
        QCOMPARE(inputs.exported("nocount.txt"), QByteArray());
        delete window;
    }

    void anExportThatCannotBeWrittenOpensNothingAndSaysSo()
    {
        ViewsInputs inputs;
        // A file where the data folder should be.
        QFile blocker(inputs.dataPath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QPointer window = new ZeroDaysView(inputs.context());
        FindChild<QPushButton>(window, "notepadButton")->click();
        QVERIFY(Desktop::opened().isEmpty());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QVERIFY2(Dialogs::shownMessages()[0].text.contains(QStringLiteral("nocount.txt could not be written")),
                 qPrintable(Dialogs::shownMessages()[0].text));
        delete window;
    }
};

int RunNoCountViewTests(int argc, char** argv)
{
    NoCountViewTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace tallywick::test

#include "zerodaysview_test.moc"
