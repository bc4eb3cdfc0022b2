#include "support/findchild.h"
#include "ui/dialogs/trackingdialog.h"

#include "app/settings/settingsstore.h"
#include "ui/common/dialogs.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace tallywick {
namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TrackOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        Dialogs::setTestMode(true);
        dir_.emplace();
        settings_.emplace(dir_->filePath(QStringLiteral("Tallywick.ini")));
        tracking_ = dir_->filePath(QStringLiteral("tracking.dat"));
        tracked_ = {"/kept"};
        // The main window stores both search lists before it opens the dialog.
        settings_->write(QStringLiteral("Combo10_0"), QStringLiteral("GET /quarnel/shareware/pelmor.exe"));
        settings_->write(QStringLiteral("Combo11_0"), QStringLiteral("GET /quarnel/shareware/pelmor.zip"));
    }

    // Which strings are offered is the search list's rule; here the window shows them beside the
    // tracking file's items, an empty line among them.
    void showsTheTrackedItemsAndOffersTheOtherSearchStrings()
    {
        Write(tracking_, "/quarnel/shareware/pelmor.exe\r\n\r\n");
        TrackingDialog dialog(*settings_, tracking_, keepChoice());
        QCOMPARE(Items(FindChild<QListWidget>(dialog, "trackedList")),
                 (QStringList{QStringLiteral("/quarnel/shareware/pelmor.exe"), QString()}));
        QCOMPARE(Items(FindChild<QListWidget>(dialog, "availableList")),
                 QStringList{QStringLiteral("/quarnel/shareware/pelmor.zip")});
    }

    // How the lists change is their own rule; each button reaches it and OK writes the result.
    void theButtonsMoveItemsAndOkWritesTheTrackedOnes()
    {
        TrackingDialog dialog(*settings_, tracking_, keepChoice());
        dialog.show();
        auto* available = FindChild<QListWidget>(dialog, "availableList");
        auto* tracked = FindChild<QListWidget>(dialog, "trackedList");
        available->setCurrentRow(1);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "addOneButton"), Qt::LeftButton);
        QCOMPARE(Items(tracked), QStringList{QStringLiteral("/quarnel/shareware/pelmor.zip")});
        QTest::mouseClick(FindChild<QPushButton>(dialog, "addAllButton"), Qt::LeftButton);
        QVERIFY(Items(available).isEmpty());
        tracked->setCurrentRow(0);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "removeOneButton"), Qt::LeftButton);
        QCOMPARE(Items(available), QStringList{QStringLiteral("/quarnel/shareware/pelmor.zip")});

        QTest::mouseClick(FindChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(Bytes(tracking_), QByteArray("/quarnel/shareware/pelmor.exe\r\n"));
        QCOMPARE(tracked_, std::vector<std::string>{"/quarnel/shareware/pelmor.exe"});
        QVERIFY(!dialog.isVisible());
    }

    void cancelAndEscapeWriteNothing()
    {
        Write(tracking_, "/a\r\n");
        for (const bool escape : {false, true}) {
            TrackingDialog dialog(*settings_, tracking_, keepChoice());
            dialog.show();
            QTest::mouseClick(FindChild<QPushButton>(dialog, "removeAllButton"), Qt::LeftButton);
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(FindChild<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(Bytes(tracking_), QByteArray("/a\r\n"));
            QCOMPARE(tracked_, std::vector<std::string>{"/kept"});
        }
    }

    void aTrackingFileThatCannotBeReadOffersNothingAndIsNotReplacedByOk()
    {
        QVERIFY(QDir().mkpath(tracking_)); // a folder where the file should be
        TrackingDialog dialog(*settings_, tracking_, keepChoice());
        dialog.show();
        QCOMPARE(FindChild<QListWidget>(dialog, "availableList")->count(), 0);
        QTest::mouseClick(FindChild<QPushButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(tracked_, std::vector<std::string>{"/kept"}); // the failed write changes nothing
        // The window says why and stays open, to try again or cancel.
        QVERIFY(dialog.isVisible());
        QCOMPARE(Dialogs::shownMessages().size(), std::size_t{1});
        QVERIFY2(Dialogs::shownMessages()[0].text.contains(QDir::toNativeSeparators(tracking_)),
                 qPrintable(Dialogs::shownMessages()[0].text));
    }

private:
    std::optional<QTemporaryDir> dir_;
    std::optional<SettingsStore> settings_;
    QString tracking_;
    // The running program's list, which OK hands the choice to.
    std::vector<std::string> tracked_;
    TrackingDialog::Chosen keepChoice()
    {
        return [this](const std::vector<std::string>& items) { tracked_ = items; };
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::TrackOptionsTest)
#include "trackingdialog_test.moc"
