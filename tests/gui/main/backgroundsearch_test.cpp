#include "mainwindowfixture.h"
#include "support/findchild.h"

#include <QTimer>

#include <atomic>
#include <cstring>
#include <memory>

namespace tallywick {

using namespace testing;

namespace {

// Holds a search in the middle of its report until the test lets it go: the first read hands
// over the first line, the next one waits at the gate.
struct Gate {
    std::atomic<bool> reached = false;
    std::atomic<bool> opened = false;

    void open()
    {
        opened = true;
        opened.notify_all();
    }
    void wait()
    {
        reached = true;
        opened.wait(false);
    }
};

class GatedReport : public QIODevice {
public:
    GatedReport(QByteArray bytes, std::shared_ptr<Gate> gate) : bytes_(std::move(bytes)), gate_(std::move(gate))
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (at_ > 0)
            gate_->wait();
        const qsizetype firstLine = bytes_.indexOf('\n') + 1;
        const qint64 size = std::min<qint64>(maxSize, (at_ == 0 ? firstLine : bytes_.size()) - at_);
        std::memcpy(data, bytes_.constData() + at_, static_cast<std::size_t>(size));
        at_ += size;
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    std::shared_ptr<Gate> gate_;
    qint64 at_ = 0;
};

// A report whose search the gate holds; every other report opens as usual. The gate opens when
// the test ends, so that the search's thread can end.
struct HeldReport {
    explicit HeldReport(TestProgram& run, const std::vector<std::string>& lines) :
        path(run.dir.filePath(QStringLiteral("held.log")))
    {
        WriteFile(path, Joined(lines).toUtf8());
        run.setup.reportOpener = [path = path, gate = gate](const ReportPath& opened) -> std::unique_ptr<QIODevice> {
            if (opened.text() != path)
                return OpenReportFile(opened);
            return std::make_unique<GatedReport>(FileBytes(path), gate);
        };
    }
    ~HeldReport() { gate->open(); }
    // File > Open of the report; true once its search waits at the gate.
    bool open(MainWindow& window)
    {
        Dialogs::queueFileName(path);
        FindChild<QAction>(window, "openAction")->trigger();
        return window.isSearching() && QTest::qWaitFor([this] { return gate->reached.load(); });
    }

    QString path;
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
};

// The .exe downloaded by three more clients.
std::vector<std::string> MoreDownloads()
{
    return {ReportLine("192.0.2.1", "04/Dec/2026:13:00:00", kExe),
            ReportLine("192.0.2.2", "04/Dec/2026:14:00:00", kExe),
            ReportLine("192.0.2.3", "04/Dec/2026:15:00:00", kExe)};
}

} // namespace

class BackgroundSearchTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowAnswersWhileASearchRunsAndShowsItsEnd()
    {
        TestProgram run;
        HeldReport held(run, MoreDownloads());
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(held.open(window));

        bool timerFired = false;
        QTimer::singleShot(0, &window, [&] { timerFired = true; });
        QTRY_VERIFY(timerFired);
        run.trigger("historyTextAction");
        QTRY_VERIFY(window.views().window(HistoryView::FullText));
        QVERIFY(window.isSearching());
        QVERIFY(run.find("workProgress")->isVisible());
        QCOMPARE(run.result(0), QStringLiteral("Please Wait...."));
        // The counts of the report shown before are not this one's.
        for (const char* label : {"countLabel0", "countLabel1", "totalLabel"})
            QCOMPARE(run.label(label), QStringLiteral("Searching..."));

        held.gate->open();
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 3 of 3"));
        QVERIFY(!run.find("workProgress")->isVisible());
        QCOMPARE(window.statusText(), held.path);
    }

    // The progress takes room from the status message: the message is shortened at a word and
    // marked so, with its whole text as its tip.
    void theStatusMessageStaysReadableBesideTheProgress()
    {
        TestProgram run;
        HeldReport held(run, MoreDownloads());
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QStringList reports;
        for (const char* name : {"access.log.1", "access.log"}) {
            reports << run.dir.filePath(QString(40, QLatin1Char('w')) + QLatin1String(name));
            WriteFile(reports.constLast(), Joined(SmallReport()).toUtf8());
        }
        Dialogs::queueFileNames(reports);
        run.trigger("openAction");
        QVERIFY(run.searched());
        const QString message = window.statusText();
        QVERIFY(message.startsWith(QStringLiteral("2 reports searched: ")));

        QVERIFY(held.open(window));
        auto* status = run.find<QLabel>("statusText");
        QWidget* progress = run.find("workProgress");
        QTRY_VERIFY(progress->isVisible());
        QApplication::processEvents();
        QCOMPARE(window.statusText(), message);
        const QString shown = status->text();
        QVERIFY2(shown.endsWith(QStringLiteral("…")), qPrintable(shown));
        const QString kept = shown.chopped(1).trimmed();
        QVERIFY2(message.startsWith(kept) && message.at(kept.size()) == QLatin1Char(' '), qPrintable(shown));
        QVERIFY(status->fontMetrics().horizontalAdvance(shown) <= status->contentsRect().width());
        QVERIFY(status->geometry().right() < progress->geometry().left());
        QCOMPARE(status->toolTip(), message);

        held.gate->open();
        QVERIFY(run.searched());
        QTRY_COMPARE(status->text(), held.path);
        QVERIFY(status->toolTip().isEmpty());
    }

    void aCancelledOrReplacedSearchChangesNothing()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.exe"});
        HeldReport held(run, MoreDownloads());
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));
        const QString counts = run.label("totalLabel");
        const QString shown = run.result(0);
        QCOMPARE(run.session().collected.size(), std::size_t{1});

        // Shown from a report file of its own this time.
        const QString first = run.dir.filePath(QStringLiteral("first.log"));
        WriteFile(first, Joined(SmallReport()).toUtf8());
        run.open(first);
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), counts);
        const QString found = run.label("countLabel0");
        QVERIFY(held.open(window));
        run.click("cancelButton");
        QVERIFY(!window.isSearching());
        held.gate->open();
        QTest::qWait(50);
        QCOMPARE(run.label("totalLabel"), counts);
        QCOMPARE(run.label("countLabel0"), found);
        QCOMPARE(run.result(0), shown);
        QCOMPARE(run.session().collected.size(), std::size_t{1});
        // The report is the one whose counts are shown: Go searches it, not the cancelled one.
        QCOMPARE(window.reportPath(), first);
        run.click("goButton0");
        QVERIFY(run.searched());
        QCOMPARE(run.label("totalLabel"), counts);

        // A paste while a search is held replaces it.
        HeldReport again(run, MoreDownloads());
        run.program.reset();
        QVERIFY(run.start());
        QVERIFY(again.open(run.window()));
        run.paste(QString::fromStdString(SmallReport()[0] + "\n"));
        again.gate->open();
        QTest::qWait(50);
        QCOMPARE(run.label("totalLabel"), QStringLiteral("All Found: 1 of 1"));
        QCOMPARE(run.window().reportPath(), run.window().tempFilePath());
    }

    void closingDuringASearchSavesWhatWasCollectedBefore()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.exe"});
        HeldReport held(run, MoreDownloads());
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        QVERIFY(held.open(run.window()));

        run.click("closeButton");
        QCOMPARE(run.history(), CrLf({SmallReport()[0]}));
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void aLargeHistoryIsMergedApartBeforeAViewOpens()
    {
        TestProgram run;
        run.setup.backgroundMergeFrom = 0;
        run.track({"/quarnel/shareware/pelmor.exe", "/quarnel/shareware/pelmor.zip"});
        // A later day than the report's: the merge sorts, on its thread.
        const std::string later = ReportLine("192.0.2.1", "05/Dec/2026:09:00:00", kZip);
        run.writeData("history.dat", {later});
        QVERIFY(run.start());
        MainWindow& window = run.window();
        run.paste(Joined(SmallReport()));

        run.trigger("dailyViewAction");
        QVERIFY(run.program->history().isMerging());
        QVERIFY(!window.views().window(HistoryView::Daily));
        QVERIFY(run.searched());
        QVERIFY(window.views().window(HistoryView::Daily));
        QCOMPARE(run.session().History, (std::vector<std::string>{SmallReport()[0], SmallReport()[1], later}));
        QVERIFY(!run.session().HistoryChanged);
    }

    // Until a view opens, a run reads only the history's last day, and its closing adds the day's
    // downloads at the file's end.
    void theHistoryIsReadWholeOnlyForAView()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        const std::string earlier = ReportLine("192.0.2.1", "01/Dec/2026:09:00:00", kZip);
        run.writeData("history.dat", {earlier});
        // The first closing leaves the index that lets the next load read the end alone.
        QVERIFY(run.start());
        run.paste(Joined(SmallReport()));
        run.window().close();
        run.program.reset();

        QVERIFY(run.start());
        QVERIFY(run.session().History.empty());
        const std::string later = ReportLine("192.0.2.1", "05/Dec/2026:09:00:00", kZip);
        run.paste(QString::fromStdString(later));
        QVERIFY(run.session().History.empty());
        run.trigger("dailyViewAction");
        QTRY_VERIFY(run.window().views().window(HistoryView::Daily));
        QCOMPARE(run.session().History, (std::vector<std::string>{earlier, SmallReport()[1], later}));

        run.window().close();
        QCOMPARE(run.history(), CrLf({earlier, SmallReport()[1], later}));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::BackgroundSearchTest)
#include "backgroundsearch_test.moc"
