#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {

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
        auto* const window = inputs.open<ZeroDaysView>();
        // November 21 has a download of an item no longer tracked; today has none yet.
        const QStringList expected = {QStringLiteral("11/07/2004"), QStringLiteral("11/13/2004"),
                                      QStringLiteral("11/21/2004"), QStringLiteral("11/28/2004"),
                                      QStringLiteral("12/05/2004")};
        QCOMPARE(Entries(FindChild<QListWidget>(window, "dayList")), expected);
        QCOMPARE(window->computations(), 1);

        // What the export holds, with its marks, is checked beside the days' coverage.
        FindChild<QPushButton>(window, "notepadButton")->click();
        QCOMPARE(Desktop::opened(), inputs.openedExport("nocount.txt"));
        FindChild<QPushButton>(window, "reportButton")->click();
        QCOMPARE(Desktop::opened().last(), kTrafficUrl);
        QVERIFY(Dialogs::shownMessages().empty());

        // A report page no browser opens is said.
        Desktop::setOpenFailsForTests(true);
        FindChild<QPushButton>(window, "reportButton")->click();
        QCOMPARE(Desktop::opened().last(), kTrafficUrl);
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QVERIFY2(Dialogs::shownMessages()[0].text.contains(kTrafficUrl), qPrintable(Dialogs::shownMessages()[0].text));
    }

    void anExportThatCannotBeWrittenOpensNothingAndSaysSo()
    {
        ViewsInputs inputs;
        // A file where the data folder should be.
        QFile blocker(inputs.dataPath());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        auto* const window = inputs.open<ZeroDaysView>();
        FindChild<QPushButton>(window, "notepadButton")->click();
        QVERIFY(Desktop::opened().isEmpty());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QVERIFY2(Dialogs::shownMessages()[0].text.contains(QStringLiteral("nocount.txt could not be written")),
                 qPrintable(Dialogs::shownMessages()[0].text));
    }
};

TALLYWICK_VIEWS_CASES(NoCountViewTest)

} // namespace tallywick::test

#include "zerodaysview_test.moc"
