// A termination signal while a message of the start-up waits for an answer: the message goes,
// no other comes, and the program saves and ends.

#include "mainwindowfixture.h"

#include "ui/main/terminationsignals.h"

#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <csignal>

namespace tallywick {

using namespace testing;

class StartupSignalTest : public QObject {
    Q_OBJECT

private slots:
    void aSignalWhileAStartupWarningIsOpenSavesAndEnds()
    {
        TestProgram run;
        // Real message boxes: the one that waits is the point.
        Dialogs::setTestMode(false);
        QVERIFY(QDir().mkpath(run.dataFile("history.dat"))); // cannot be read: a warning at load
        run.setting("chkSearchFile", QStringLiteral("1"));
        run.setting("Path", run.dir.filePath(QStringLiteral("never-made.txt")));
        run.setting("Combo10_0", QStringLiteral("GET /a.zip"));

        QPointer<QWidget> warning;
        bool signalledDuringWarning = false;
        int othersShown = 0;
        int warningTicks = 0;
        // The first event loop to run is the warning's own.
        QTimer::singleShot(0, [&] {
            warning = QApplication::activeModalWidget();
            signalledDuringWarning = warning != nullptr;
            ::raise(SIGTERM);
        });
        // Any other box is one too many; one that stays open would wait forever.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!open)
                return;
            if (open != warning)
                ++othersShown;
            else if (++warningTicks < 50)
                return;
            open->done(QDialog::Rejected);
        });
        watch.start(100);

        QVERIFY(!run.start());
        watch.stop();
        QVERIFY(signalledDuringWarning);
        QVERIFY2(warningTicks < 50, "the warning stayed open");
        QCOMPARE(othersShown, 0);
        QVERIFY(run.program->hasEnded());
        QVERIFY(!run.program->tray());
        // The save sequence ran; the history it could not read is left as it is.
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("1"));
        QCOMPARE(run.stored("Combo10_0"), QStringLiteral("GET /a.zip"));
        QVERIFY(QFileInfo(run.dataFile("history.dat")).isDir());
    }

    void aSignalBeforeTheStartEndsItAtOnce()
    {
        TestProgram run;
        TerminationSignals::catchEarly();
        ::raise(SIGTERM);
        // Nothing has run an event loop yet: the signal waits for the first one.
        QVERIFY(run.start());
        QTRY_VERIFY(run.program->hasEnded());
        QCOMPARE(run.stored("chkSearchFile"), QStringLiteral("0"));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::StartupSignalTest)
#include "startupsignal_test.moc"
