// A stored report path that names a pipe must not hold the window at its start or its closing,
// where the history is saved.

#include "mainwindowfixture.h"

#include <QThread>

#include <atomic>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tallywick {

using namespace testing;

namespace {

// Lets a reader that waits on the pipe go after a while, and remembers that it had to.
class PipeWatchdog : public QThread {
public:
    explicit PipeWatchdog(QString pipe) : pipe_(std::move(pipe)) {}
    ~PipeWatchdog() override
    {
        done_ = true;
        wait();
    }
    bool fired() const { return fired_; }

protected:
    void run() override
    {
        for (int waited = 0; waited < 100 && !done_; ++waited)
            msleep(50);
        // Opening for writing succeeds only while someone waits to read.
        while (!done_) {
            const int writer = ::open(QFile::encodeName(pipe_).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                fired_ = true;
                ::close(writer);
            }
            msleep(50);
        }
    }

private:
    QString pipe_;
    std::atomic<bool> done_ = false;
    std::atomic<bool> fired_ = false;
};

} // namespace

class ReportPipeTest : public QObject {
    Q_OBJECT

private slots:
    void aPipeIsNotFoundAndTheHistoryIsSaved()
    {
        TestProgram run;
        const QString pipe = run.dir.filePath(QStringLiteral("report.pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        run.setting("Path", pipe);
        run.setting("chkSearchFile", QStringLiteral("1"));
        run.track({"/quarnel/shareware/pelmor.zip"});
        const QString report = run.dir.filePath(QStringLiteral("Hits.txt"));
        WriteFile(report, CrLf(SmallReport()));
        PipeWatchdog watchdog(pipe);
        watchdog.start();

        QVERIFY(run.start());
        QCOMPARE(run.said("File Not Found"), std::size_t{1});
        // A download collected from a report, then the pipe chosen as the report.
        run.open(report);
        QVERIFY(run.searched());
        run.open(pipe);
        QCOMPARE(run.said("File Not Found"), std::size_t{2});
        run.program->closeAllWindows();

        QVERIFY2(!watchdog.fired(), "the pipe was opened");
        QCOMPARE(run.history(), CrLf({SmallReport()[1]}));
        QCOMPARE(run.stored("Path"), pipe);
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::ReportPipeTest)
#include "reportpipe_test.moc"
