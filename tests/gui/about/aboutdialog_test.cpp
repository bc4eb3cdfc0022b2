#include "app/settings/settingskeys.h"
#include "support/findchild.h"
#include "ui/about/aboutdialog.h"
#include "ui/about/linklabel.h"
#include "ui/about/sysinfo.h"
#include "ui/common/desktop.h"
#include "ui/common/dialogs.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace tallywick {
namespace {

// A program file of that name that could be started.
void MakeProgram(const QTemporaryDir& dir, const QString& name)
{
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Dialogs::setTestMode(true);
        Desktop::setTestMode(true);
    }

    void showsTheVersionAndItsLinkOpensTheMakersHomePage()
    {
        AboutDialog about;
        const QString version = FindChild<QLabel>(about, "versionLabel")->text();
        QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(version).hasMatch(),
                 qPrintable(version));
        about.show();
        QTest::mouseClick(FindChild<LinkLabel>(about, "homePageLink"), Qt::LeftButton);
        QCOMPARE(Desktop::opened(), QStringList{QString::fromUtf8(kMakerHomePage)});
        QVERIFY(Dialogs::shownMessages().empty());
    }

    void enterAndEscapeCloseTheBox()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            AboutDialog about;
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QTest::keyClick(&about, key);
            QVERIFY(!about.isVisible());
        }
    }

    void systemInfoWithoutAToolSaysItIsUnavailable()
    {
        QTemporaryDir emptyFolder;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(emptyFolder.path()));
        AboutDialog about;
        FindChild<QPushButton>(about, "systemInfoButton")->click();
        qputenv("PATH", path);

        QCOMPARE(Dialogs::shownMessages().size(), std::size_t(1));
        QCOMPARE(Dialogs::shownMessages().front().title, QStringLiteral("Tallywick"));
        QCOMPARE(Dialogs::shownMessages().front().text,
                 QStringLiteral("System Information Is Unavailable At This Time"));
        QVERIFY(Desktop::opened().isEmpty());
    }

    void theFirstInstalledToolIsChosenInOrder()
    {
        QTemporaryDir folder;
        QCOMPARE(FindSystemInfoProgram({folder.path()}), QString());
        MakeProgram(folder, QStringLiteral("gnome-system-monitor"));
        QCOMPARE(FindSystemInfoProgram({folder.path()}), folder.filePath(QStringLiteral("gnome-system-monitor")));
        MakeProgram(folder, QStringLiteral("hardinfo"));
        QCOMPARE(FindSystemInfoProgram({folder.path()}), folder.filePath(QStringLiteral("hardinfo")));
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::AboutTest)
#include "aboutdialog_test.moc"
