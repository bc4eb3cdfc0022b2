#include "mainwindowfixture.h"
#include "support/reallog.h"
#include "ui/explain/explaincountswindow.h"

#include <QAbstractItemModel>
#include <QTreeView>

namespace tallywick {

using namespace testing;

namespace {

constexpr const char* kPdf = "GET /images/logstash_OSCON.pdf";

// Every line row of the tree (downloads' lines and reasons' lines), as "file:line" and the text.
std::vector<QString> LineRows(const QAbstractItemModel& model)
{
    std::vector<QString> rows;
    for (int group = 0; group < model.rowCount(); ++group) {
        const QModelIndex top = model.index(group, 0);
        for (int row = 0; row < model.rowCount(top); ++row) {
            const QModelIndex parent = model.index(row, 0, top);
            for (int line = 0; line < model.rowCount(parent); ++line)
                rows.push_back(model.index(line, 0, parent).data().toString());
        }
    }
    return rows;
}

} // namespace

class ExplainCountsTest : public QObject {
    Q_OBJECT

    // The real log opened and searched for the PDF in panel 0.
    static void SearchRealLog(TestProgram& run, const QString& path)
    {
        run.open(path);
        QVERIFY(run.searched());
        run.enterSearch("searchBox0", QString::fromLatin1(kPdf));
        QVERIFY(run.searched());
    }

    static ExplainCountsWindow* OpenedWindow(const TestProgram& run, int panel)
    {
        const auto name = QStringLiteral("explainCountsWindow%1").arg(panel);
        return run.window().findChild<ExplainCountsWindow*>(name);
    }

private slots:
    // "GET /images/logstash_OSCON.pdf" in the real log: 12 downloads of 47 lines, each shown with
    // its file, line number and text.
    void explainsTheRealLogLineByLine()
    {
        TestProgram run;
        QVERIFY(run.start());
        const QString path = run.dir.filePath(QStringLiteral("access.log"));
        const std::string log = RealApacheLog();
        WriteFile(path, QByteArray::fromStdString(log));
        SearchRealLog(run, path);
        QCOMPARE(run.label("countLabel0"), QStringLiteral("Found: 12"));
        QVERIFY(run.find<QPushButton>("whyButton0")->isEnabled());

        run.click("whyButton0");
        auto* window = OpenedWindow(run, 0);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Explain Counts"));
        const QAbstractItemModel& model = *FindChild<QTreeView>(window, "explainTree")->model();
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Downloads (12)"));
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Left out (0)"));
        QVERIFY(model.index(0, 0, model.index(0, 0))
                    .data()
                    .toString()
                    .startsWith(QStringLiteral("Download 1: /images/logstash_OSCON.pdf, 1693678 of 1693678 bytes, "
                                               "complete (1 line)")));

        // Which lines are placed where is the explanation's own rule; here every row shows its
        // line's text, read back.
        const auto rows = LineRows(model);
        QCOMPARE(rows.size(), std::size_t{47});
        for (const QString& row : rows)
            QVERIFY2(row.startsWith(QStringLiteral("access.log:")) && row.contains(QString::fromLatin1(kPdf)),
                     qPrintable(row));
        QVERIFY(std::any_of(rows.begin(), rows.end(), [](const QString& row) {
            return row.startsWith(QStringLiteral("access.log:595  (repeat of line 593, in the same minute) 89.2.87.1"));
        }));

        // A client's downloads only, filtered off the window's thread.
        QTest::keyClicks(FindChild<QLineEdit>(window, "explainFilter"), QStringLiteral("89.2.87.1"));
        QTRY_COMPARE(model.index(0, 0).data().toString(), QStringLiteral("Downloads (1)"));
        QCOMPARE(LineRows(model).size(), std::size_t{17});

        // Notepad and Save As write what is shown.
        FindChild<QPushButton>(window, "explainNotepad")->click();
        const QByteArray exported = FileBytes(run.dataFile("explain.txt"));
        QVERIFY(exported.startsWith("Downloads (1)\r\n  Download 3: /images/logstash_OSCON.pdf"));
        QVERIFY(Desktop::opened().last().endsWith(QStringLiteral("explain.txt")));
        const QString saved = run.dir.filePath(QStringLiteral("saved.txt"));
        Dialogs::queueFileName(saved);
        FindChild<QPushButton>(window, "explainSaveAs")->click();
        QCOMPARE(FileBytes(saved), exported);
    }

    // The count is a way in as well as "Why?", which Tab reaches after "Go"; a compressed report,
    // which cannot be read back, keeps its lines' texts.
    void opensFromTheCountOrTheKeyboard()
    {
        TestProgram run;
        QVERIFY(run.start());
        QVERIFY(QTest::qWaitForWindowActive(&run.window()));
        SearchRealLog(run, QStringLiteral(TALLYWICK_TEST_DATA "/real-apache-access.log.gz"));

        QTest::mouseClick(run.find<QLabel>("countLabel0"), Qt::LeftButton);
        auto* fromCount = OpenedWindow(run, 0);
        QVERIFY(fromCount);
        const QAbstractItemModel& model = *FindChild<QTreeView>(fromCount, "explainTree")->model();
        QCOMPARE(LineRows(model).size(), std::size_t{47});
        QVERIFY(LineRows(model).front().startsWith(QStringLiteral("real-apache-access.log.gz:")));
        QVERIFY(LineRows(model).front().contains(QString::fromLatin1(kPdf)));

        auto* go = run.find<QPushButton>("goButton1");
        go->setFocus();
        QTest::keyClick(go, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), run.find<QPushButton>("whyButton1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(OpenedWindow(run, 1));

        // A new search shows in the open windows.
        run.enterSearch("searchBox0", QStringLiteral("GET /no/such/file"));
        QVERIFY(run.searched());
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Downloads (0)"));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::ExplainCountsTest)
#include "explaincounts_test.moc"
