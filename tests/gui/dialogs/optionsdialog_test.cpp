#include "support/findchild.h"
#include "tempsettings.h"
#include "ui/common/windowregistry.h"
#include "ui/dialogs/advancedoptionsdialog.h"
#include "ui/dialogs/optionsdialog.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace tallywick {
namespace {

const QString kTrafficUrl = QString::fromUtf8(kDefaultTrafficUrl);
const QString kDetailsUrl = QString::fromUtf8(kDefaultDetailsUrl);
const QString kTrafficMenu = QString::fromUtf8(kDefaultTrafficMenu);
const QString kDetailsMenu = QString::fromUtf8(kDefaultDetailsMenu);
const QString kMyUrl = QStringLiteral("https://stats.example.org/access");
const QString kMyMenu = QStringLiteral("&My Stats");

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void firstRunShowsTheDefaultsAndClosingStoresThem()
    {
        TempSettings settings;
        OptionsDialog options(windows_, settings.store(), settings.preferences());
        for (const char* choice : {"trafficChoice0", "detailsChoice0"})
            QVERIFY(FindChild<QRadioButton>(options, choice)->isChecked());
        QCOMPARE(FindChild<QLabel>(options, "trafficDefaultUrl")->text(), kTrafficUrl);
        QCOMPARE(FindChild<QLabel>(options, "detailsDefaultUrl")->text(), kDetailsUrl);
        const std::pair<const char*, QString> boxes[] = {{"trafficUrlBox", kTrafficUrl},
                                                         {"detailsUrlBox", kDetailsUrl},
                                                         {"trafficCaptionBox", kTrafficMenu},
                                                         {"detailsCaptionBox", kDetailsMenu}};
        for (const auto& [name, text] : boxes) {
            QCOMPARE(FindChild<QLineEdit>(options, name)->text(), text);
            // The caption boxes wait for "User Defined"; the address boxes do not.
            QCOMPARE(FindChild<QLineEdit>(options, name)->isEnabled(), QByteArray(name).contains("Url"));
        }
        // Filling the address boxes counts as a change.
        QVERIFY(options.changed());

        options.close();
        const std::pair<const char*, std::optional<QString>> stored[] = {
            {"Traffic_URL", kTrafficUrl},        {"Traffic_menu", kTrafficMenu},     {"Details_URL", kDetailsUrl},
            {"Details_menu", kDetailsMenu},      {"User_Traffic_URL", kTrafficUrl},  {"User_Details_URL", kDetailsUrl},
            {"User_Traffic_Menu", std::nullopt}, {"User_Details_Menu", std::nullopt}};
        for (const auto& [key, value] : stored)
            QCOMPARE(settings.stored(key), value);
    }

    // User Defined takes effect when the window closes; switching back to the default later keeps
    // the user's own values for the next time.
    void userDefinedValuesTakeEffectAtClosingAndOutliveASwitchBack()
    {
        TempSettings settings;
        OptionsDialog options(windows_, settings.store(), settings.preferences());
        FindChild<QRadioButton>(options, "trafficChoice1")->click();
        // The choice is stored at the click, before any closing.
        QCOMPARE(settings.stored("Traffic_URL_Option"), QStringLiteral("False"));
        QVERIFY(FindChild<QLineEdit>(options, "trafficCaptionBox")->isEnabled());
        QCOMPARE(FindChild<QLineEdit>(options, "trafficCaptionBox")->text(), kTrafficMenu);
        FindChild<QLineEdit>(options, "trafficUrlBox")->setText(kMyUrl);
        FindChild<QLineEdit>(options, "trafficCaptionBox")->setText(kMyMenu);
        // Nothing reaches the program before closing.
        QCOMPARE(settings.preferences().trafficPage().menu, kTrafficMenu);

        options.close();
        QCOMPARE(settings.preferences().trafficPage(), (WebPage{kMyUrl, kMyMenu}));
        QCOMPARE(settings.preferences().detailsPage().url, kDetailsUrl);
        QCOMPARE(settings.stored("Traffic_URL"), kMyUrl);
        QCOMPARE(settings.stored("Traffic_menu"), kMyMenu);
        QCOMPARE(settings.stored("User_Traffic_URL"), kMyUrl);
        QCOMPARE(settings.stored("User_Traffic_Menu"), kMyMenu);
        QCOMPARE(settings.stored("Details_URL_Option"), QStringLiteral("True"));
        QCOMPARE(settings.stored("User_Details_Menu"), std::nullopt);

        {
            OptionsDialog back(windows_, settings.store(), settings.preferences());
            QVERIFY(FindChild<QRadioButton>(back, "trafficChoice1")->isChecked());
            QCOMPARE(FindChild<QLineEdit>(back, "trafficCaptionBox")->text(), kMyMenu);
            FindChild<QRadioButton>(back, "trafficChoice0")->click();
            QCOMPARE(settings.stored("Traffic_URL_Option"), QStringLiteral("True"));
            QCOMPARE(FindChild<QLineEdit>(back, "trafficCaptionBox")->text(), kTrafficMenu);
            QVERIFY(!FindChild<QLineEdit>(back, "trafficCaptionBox")->isEnabled());
            back.close();
        }
        QCOMPARE(settings.preferences().trafficPage(), (WebPage{kTrafficUrl, kTrafficMenu}));
        QCOMPARE(settings.stored("User_Traffic_Menu"), kMyMenu);

        // Next time, "User Defined" brings them back.
        OptionsDialog again(windows_, settings.store(), settings.preferences());
        FindChild<QRadioButton>(again, "trafficChoice1")->click();
        QCOMPARE(FindChild<QLineEdit>(again, "trafficCaptionBox")->text(), kMyMenu);
        QCOMPARE(FindChild<QLineEdit>(again, "trafficUrlBox")->text(), kMyUrl);
    }

    void onlyAChangedBoxRewritesTheUsersAddresses()
    {
        TempSettings settings;
        // Stored empty: the opening puts nothing new into the boxes.
        settings.write("User_Traffic_URL", QString());
        settings.write("User_Details_URL", QString());
        {
            OptionsDialog options(windows_, settings.store(), settings.preferences());
            QVERIFY(!options.changed());
            options.close();
        }
        QCOMPARE(settings.stored("User_Traffic_URL"), QString());
        QCOMPARE(settings.stored("Traffic_URL"), kTrafficUrl);

        OptionsDialog options(windows_, settings.store(), settings.preferences());
        FindChild<QLineEdit>(options, "detailsUrlBox")->setText(kMyUrl);
        QVERIFY(options.changed());
        options.close();
        // Both addresses are written, whichever changed; the details frame still uses its default.
        QCOMPARE(settings.stored("User_Details_URL"), kMyUrl);
        QCOMPARE(settings.stored("User_Traffic_URL"), QString());
        QCOMPARE(settings.preferences().detailsPage().url, kDetailsUrl);
    }

    void closingHappensOnceAlsoWhenTheWindowIsOnlyDeleted()
    {
        TempSettings settings;
        auto* options = new OptionsDialog(windows_, settings.store(), settings.preferences());
        FindChild<QRadioButton>(options, "detailsChoice1")->click();
        FindChild<QLineEdit>(options, "detailsCaptionBox")->setText(kMyMenu);
        delete options;
        QCOMPARE(settings.preferences().detailsPage().menu, kMyMenu);
        QCOMPARE(settings.stored("Details_menu"), kMyMenu);
    }

    void theProgramEndingClosesTheWindow()
    {
        TempSettings settings;
        auto* options =
            new OptionsDialog(windows_, settings.store(), settings.preferences()); // owned by no one, as shown
        options->show();
        FindChild<QRadioButton>(options, "trafficChoice1")->click();
        FindChild<QLineEdit>(options, "trafficCaptionBox")->setText(kMyMenu);
        // Unlike quit(), exit() ends the event loop without closing any window.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCOMPARE(settings.stored("Traffic_menu"), kMyMenu);
        QCOMPARE(settings.preferences().trafficPage().menu, kMyMenu);
        delete options;
    }

    void advancedOpensOneWindowAndKeepsOptionsUsable()
    {
        TempSettings settings;
        OptionsDialog options(windows_, settings.store(), settings.preferences());
        options.show();
        FindChild<QPushButton>(options, "advancedButton")->click();
        auto* advanced = windows_.find<AdvancedOptionsDialog>();
        QVERIFY(advanced && advanced->isVisible() && !advanced->isModal());
        FindChild<QPushButton>(options, "advancedButton")->click();
        QCOMPARE(windows_.find<AdvancedOptionsDialog>(), advanced);
        QVERIFY(options.isEnabled());
        advanced->close();
        QVERIFY(!windows_.find<AdvancedOptionsDialog>());
    }

private:
    // The one owner of the Advanced Options window the Options window opens.
    WindowRegistry windows_;
};

} // namespace tallywick

QTEST_MAIN(tallywick::OptionsTest)
#include "optionsdialog_test.moc"
