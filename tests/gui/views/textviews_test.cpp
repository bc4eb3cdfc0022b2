#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"
#include "ui/views/dailyview.h"
#include "ui/views/historytextview.h"
#include "ui/views/zerodaysview.h"
#include "viewstestsupport.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace tallywick::test {

// The history, daily and zero-count-days views show the engine's text for the fixture and write it.
class TextViewsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Desktop::setTestMode(true);
        Dialogs::setTestMode(true);
    }

    void opensWithTheWholeHistoryComputedOnce()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<HistoryTextView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(ItemBox(window)->itemText(0), QStringLiteral("All History"));
        QCOMPARE(ItemBox(window)->currentIndex(), 0);
        QCOMPARE(FindChild<QLabel>(window, "fromLabel")->text(), QStringLiteral("From: 09/01/2004"));
        QCOMPARE(FindChild<QLabel>(window, "toLabel")->text(), QStringLiteral("To: 12/04/2004"));
        QCOMPARE(Hits(window), QStringLiteral("164 Hits"));
        const QStringList lines = FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QString::fromStdString(inputs.History.front()));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(2), QString::fromStdString(inputs.History.at(1)));
    }

    void onlyAPickFromTheListFiltersTheTextThatNotepadWrites()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<HistoryTextView>();
        Pick(ItemBox(window), 2);
        QCOMPARE(window->computations(), 2);
        QCOMPARE(Hits(window), QStringLiteral("53 Hits"));
        QVERIFY(!FindChild<QPlainTextEdit>(window, "textArea")->toPlainText().contains(QStringLiteral("pelmor.zip")));

        QTest::keyClicks(ItemBox(window)->lineEdit(), QStringLiteral("guide"));
        QCOMPARE(window->computations(), 2);

        // Every record of the item, the one with an unreadable date included.
        Pick(ItemBox(window), 1);
        QCOMPARE(Hits(window), QStringLiteral("79 Hits"));
        Pick(ItemBox(window), 0);
        QCOMPARE(Hits(window), QStringLiteral("164 Hits"));
        QCOMPARE(window->computations(), 4);

        // Notepad writes the text shown and opens it.
        Pick(ItemBox(window), 3);
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray written = inputs.exported("history.txt");
        QVERIFY(!written.isEmpty());
        QCOMPARE(written, FindChild<QPlainTextEdit>(window, "textArea")
                              ->toPlainText()
                              .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                              .toUtf8());
        QVERIFY(written.endsWith("\r\n\r\n"));
        QCOMPARE(Desktop::opened(), inputs.openedExport("history.txt"));
    }

    void opensAtYesterdayForTheFirstItemComputedOnceAndExportsWhatItShows()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        QCOMPARE(window->computations(), 1);
        QCOMPARE(ItemBox(window)->currentText(), QStringLiteral("/quarnel/shareware/pelmor.zip"));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->date(), QDate(2004, 12, 4));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->maximumDate(), QDate(2004, 12, 5));
        QCOMPARE(FindChild<QDateEdit>(window, "datePicker")->minimumDate(), QDate(2003, 12, 5));
        QCOMPARE(Hits(window), QStringLiteral("1 Hits"));
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(),
                 QString::fromStdString(inputs.History.back()) + "\n\n");

        // Notepad writes the text shown and opens it.
        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 12, 3));
        FindChild<QPushButton>(window, "notepadButton")->click();
        const QByteArray expected =
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 4)) + "\r\n\r\n" +
            QByteArray::fromStdString(inputs.History.at(inputs.History.size() - 3)) + "\r\n\r\n";
        QCOMPARE(inputs.exported("daily.txt"), expected);
        QCOMPARE(Desktop::opened(), inputs.openedExport("daily.txt"));
    }

    void everyChangeOfDayOrItemRecomputes()
    {
        ViewsInputs inputs;
        auto* const window = inputs.open<DailyView>();
        // November 21 holds only a download of an item no longer tracked.
        const std::pair<QDate, int> days[] = {
            {QDate(2004, 11, 30), 1}, {QDate(2004, 10, 14), 1}, {QDate(2004, 11, 21), 0}};
        for (const auto& [day, hits] : days) {
            const int before = window->computations();
            FindChild<QDateEdit>(window, "datePicker")->setDate(day);
            QCOMPARE(window->computations(), before + 1);
            QCOMPARE(Hits(window), QStringLiteral("%1 Hits").arg(hits));
        }
        QCOMPARE(FindChild<QPlainTextEdit>(window, "textArea")->toPlainText(), QString());

        FindChild<QDateEdit>(window, "datePicker")->setDate(QDate(2004, 11, 30));
        Pick(ItemBox(window), 1);
        QCOMPARE(Hits(window), QStringLiteral("2 Hits"));
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

TALLYWICK_VIEWS_CASES(TextViewsTest)

} // namespace tallywick::test

#include "textviews_test.moc"
