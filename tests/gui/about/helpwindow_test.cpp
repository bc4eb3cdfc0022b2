#include "app/files/reportfilters.h"
#include "ui/about/helpfolder.h"
#include "ui/about/helpwindow.h"
#include "ui/common/desktop.h"
#include "ui/common/windowregistry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace tallywick {

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { Desktop::setTestMode(true); }

    void theHelpIsFoundInTheBuildTreeAndFromTheInstalledBinFolderOnly()
    {
        const QString folder = HelpFolder();
        QVERIFY2(!folder.isEmpty(), "no help found above the test program");
        QVERIFY(QFile::exists(HelpIndexPath(folder)));
        QVERIFY(folder.endsWith(QStringLiteral("share/tallywick/help")));

        QTemporaryDir prefix;
        QDir top(prefix.path());
        QVERIFY(top.mkpath(QStringLiteral("bin")));
        QCOMPARE(HelpFolder(top.filePath(QStringLiteral("bin"))), QString());
        QVERIFY(top.mkpath(QStringLiteral("share/tallywick/help")));
        QFile index(top.filePath(QStringLiteral("share/tallywick/help/index.html")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.close();
        QCOMPARE(HelpFolder(top.filePath(QStringLiteral("bin"))), top.filePath(QStringLiteral("share/tallywick/help")));
    }

    void everyLinkBetweenPagesLeadsSomewhere()
    {
        const QDir folder(HelpFolder());
        const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.size() >= 8);
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        for (const QString& page : pages) {
            QFile file(folder.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : link.globalMatch(text)) {
                const QString target = match.captured(1);
                if (target.startsWith(QStringLiteral("http")))
                    continue;
                const QString targetPage = target.section(QLatin1Char('#'), 0, 0);
                const QString anchor = target.section(QLatin1Char('#'), 1);
                const QString where = page + QStringLiteral(" -> ") + target;
                QVERIFY2(targetPage.isEmpty() || pages.contains(targetPage), qPrintable(where));
                if (anchor.isEmpty())
                    continue;
                QFile targetFile(folder.filePath(targetPage.isEmpty() ? page : targetPage));
                QVERIFY(targetFile.open(QIODevice::ReadOnly));
                QVERIFY2(targetFile.readAll().contains(QStringLiteral("name=\"%1\"").arg(anchor).toUtf8()),
                         qPrintable(where));
            }
        }
    }

    // The page on opening a log names the patterns of the dialog's first filter, as they show.
    void theHelpSaysWhatTheOpenDialogLists()
    {
        QFile page(QDir(HelpFolder()).filePath(QStringLiteral("access-log.html")));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        const QString filter = OpenReportFilters().first();
        const auto open = filter.indexOf(QLatin1Char('('));
        const QStringList patterns =
            filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(patterns.size() >= 2);
        QVERIFY2(text.contains(filter.left(open).trimmed()), qPrintable(filter));
        for (const QString& pattern : patterns)
            QVERIFY2(text.contains(QStringLiteral("<code>%1</code>").arg(pattern)), qPrintable(pattern));
    }

    void theWindowBrowsesBetweenPagesAndBack()
    {
        HelpWindow window(HelpFolder());
        QTextBrowser* browser = window.browser();
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallywick Help"));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Contents")));
        QVERIFY(!browser->isBackwardAvailable());

        emit browser->anchorClicked(browser->source().resolved(QUrl(QStringLiteral("options.html#advanced"))));
        QVERIFY(browser->source().path().endsWith(QStringLiteral("options.html")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tallywick Help - Options"));
        QVERIFY(browser->isBackwardAvailable());
        browser->backward();
        QVERIFY(browser->source().path().endsWith(QStringLiteral("index.html")));

        emit browser->anchorClicked(QUrl(QStringLiteral("https://www.example.org/")));
        QCOMPARE(Desktop::opened(), QStringList{QStringLiteral("https://www.example.org/")});
        QVERIFY(browser->source().path().endsWith(QStringLiteral("index.html")));
    }

    void contentsShowsOneWindow()
    {
        WindowRegistry windows;
        HelpWindow* first = ShowHelpContents(windows, nullptr);
        QVERIFY(first);
        first->browser()->setSource(first->browser()->source().resolved(QUrl(QStringLiteral("views.html"))));
        HelpWindow* second = ShowHelpContents(windows, nullptr);
        QCOMPARE(second, first);
        QVERIFY(second->browser()->source().path().endsWith(QStringLiteral("index.html")));
        second->close();
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::HelpTest)
#include "helpwindow_test.moc"
