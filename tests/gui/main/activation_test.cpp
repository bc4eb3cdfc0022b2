#include "mainwindowfixture.h"
#include "support/findchild.h"

#include "ui/main/activationwatcher.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QWindow>

namespace tallywick {

using namespace testing;

namespace {

void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QTRY_COMPARE(QGuiApplication::focusWindow(), window.windowHandle());
}

} // namespace

class ActivationTest : public QObject {
    Q_OBJECT

private slots:
    void onlyTheProgramsOwnWindowsCount()
    {
        QWidget view;
        QDialog dialog;
        QMessageBox box;
        QFileDialog files;
        QInputDialog input;
        QMenu menu;
        QWidget child(&view);
        QVERIFY(IsProgramWindow(&view));
        QVERIFY(IsProgramWindow(&dialog));
        for (QWidget* other : std::initializer_list<QWidget*>{&box, &files, &input, &menu, &child, nullptr})
            QVERIFY(!IsProgramWindow(other));
    }

    void anotherWindowDeactivatesAndComingBackActivates()
    {
        TestProgram run;
        run.track({"/quarnel/shareware/pelmor.zip"});
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window.windowHandle());
        run.paste(Joined(SmallReport()));
        run.click("searchOnStartBox");
        run.click("searchOnStartBox");
        QCOMPARE(window.statusText(), window.reportPath());
        QVERIFY(run.session().HistoryChanged);

        QWidget view;
        Activate(view);
        QTRY_VERIFY(!run.session().HistoryChanged);
        QCOMPARE(run.session().History, std::vector<std::string>{SmallReport()[1]});

        // Meanwhile the tracked items changed: coming back reloads them.
        run.track({"/quarnel/shareware/pelmor.zip", "/quarnel/shareware/pelmor.exe"});
        Activate(window);
        QTRY_COMPARE(run.program->history().trackedItems().size(), std::size_t{2});
        QCOMPARE(window.statusText(), QString());
        QVERIFY(run.messages(QStringLiteral("File Not Found")).empty());
    }

    void searchOnStartupRunsAtEachActivationOnly()
    {
        TestProgram run;
        const QString missing = run.dir.filePath(QStringLiteral("Hits.txt"));
        run.setting("chkSearchFile", QStringLiteral("1"));
        run.setting("Path", missing);
        QVERIFY(run.start());
        MainWindow& window = run.window();
        QVERIFY(FindChild<QCheckBox>(window, "searchOnStartBox")->isChecked());
        QCOMPARE(run.said("File Not Found"), std::size_t{1});
        QCOMPARE(run.messages(QStringLiteral("File Not Found"))[0].text, missing);
        QTRY_COMPARE(QGuiApplication::focusWindow(), window.windowHandle());
        QTest::qWait(50);
        QCOMPARE(run.said("File Not Found"), std::size_t{1});

        // The focus going to another application and coming back is no activation...
        emit qGuiApp->focusWindowChanged(nullptr);
        emit qGuiApp->focusWindowChanged(window.windowHandle());
        // ...nor is one of the window's own message boxes coming and going.
        {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("File Not Found"), missing, QMessageBox::Ok, &window);
            Activate(box);
        }
        Activate(window);
        QTest::qWait(50);
        QCOMPARE(run.said("File Not Found"), std::size_t{1});

        // Returning from another window of the program searches again.
        QWidget view;
        Activate(view);
        Activate(window);
        QTRY_COMPARE(run.said("File Not Found"), std::size_t{2});
        QTest::qWait(50);
        QCOMPARE(run.said("File Not Found"), std::size_t{2});

        // A window that went away still counts as another window.
        {
            auto* gone = new QWidget;
            gone->setAttribute(Qt::WA_DeleteOnClose);
            Activate(*gone);
            gone->close();
        }
        Activate(window);
        QTRY_COMPARE(run.said("File Not Found"), std::size_t{3});
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::ActivationTest)
#include "activation_test.moc"
