#include "app/settings/appvalues.h"
#include "tempsettings.h"
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
        AppValues values;
        OptionsDialog options(settings.store(), values);
        QVERIFY(options.optTrafficURL[0]->isChecked());
        QVERIFY(options.optDetailsURL[0]->isChecked());
        QCOMPARE(options.lblTrafficURL->text(), kTrafficUrl);
        QCOMPARE(options.lblDetailsURL->text(), kDetailsUrl);
        QCOMPARE(options.txtTrafficURL->text(), kTrafficUrl);
        QCOMPARE(options.txtDetailsURL->text(), kDetailsUrl);
        QCOMPARE(options.txtTrafficMenu->text(), kTrafficMenu);
        QCOMPARE(options.txtDetailsMenu->text(), kDetailsMenu);
        QVERIFY(!options.txtTrafficMenu->isEnabled());
        QVERIFY(!options.txtDetailsMenu->isEnabled());
        QVERIFY(options.txtTrafficURL->isEnabled());
        // Filling the address boxes counts as a change.
        QVERIFY(options.Changed());

        options.close();
        QCOMPARE(settings.stored("Traffic_URL"), kTrafficUrl);
        QCOMPARE(settings.stored("Traffic_menu"), kTrafficMenu);
        QCOMPARE(settings.stored("Details_URL"), kDetailsUrl);
        QCOMPARE(settings.stored("Details_menu"), kDetailsMenu);
        QCOMPARE(settings.stored("User_Traffic_URL"), kTrafficUrl);
        QCOMPARE(settings.stored("User_Details_URL"), kDetailsUrl);
        QCOMPARE(settings.stored("User_Traffic_Menu"), std::nullopt);
        QCOMPARE(settings.stored("User_Details_Menu"), std::nullopt);
        QCOMPARE(values.Traffic_URL, kTrafficUrl);
        QCOMPARE(values.Traffic_menu, kTrafficMenu);
        QCOMPARE(values.Details_URL, kDetailsUrl);
        QCOMPARE(values.Details_menu, kDetailsMenu);
    }

    void userDefinedValuesTakeEffectWhenTheWindowCloses()
    {
        TempSettings settings;
        AppValues values;
        OptionsDialog options(settings.store(), values);
        options.optTrafficURL[1]->click();
        // The choice is stored at the click, before any closing.
        QCOMPARE(settings.stored("Traffic_URL_Option"), QStringLiteral("False"));
        QVERIFY(options.txtTrafficMenu->isEnabled());
        QCOMPARE(options.txtTrafficMenu->text(), kTrafficMenu);
        options.txtTrafficURL->setText(kMyUrl);
        options.txtTrafficMenu->setText(kMyMenu);
        QCOMPARE(values.Traffic_menu, QString()); // nothing reaches the program before closing

        options.close();
        QCOMPARE(values.Traffic_URL, kMyUrl);
        QCOMPARE(values.Traffic_menu, kMyMenu);
        QCOMPARE(values.Details_URL, kDetailsUrl);
        QCOMPARE(settings.stored("Traffic_URL"), kMyUrl);
        QCOMPARE(settings.stored("Traffic_menu"), kMyMenu);
        QCOMPARE(settings.stored("User_Traffic_URL"), kMyUrl);
        QCOMPARE(settings.stored("User_Traffic_Menu"), kMyMenu);
        QCOMPARE(settings.stored("Details_URL_Option"), QStringLiteral("True"));
        QCOMPARE(settings.stored("User_Details_Menu"), std::nullopt);
    }

    void switchingBackToDefaultKeepsTheUsersOwnValues()
    {
        TempSettings settings;
        settings.write("Traffic_URL_Option", QStringLiteral("False"));
        settings.write("User_Traffic_URL", kMyUrl);
        settings.write("User_Traffic_Menu", kMyMenu);
        AppValues values;
        {
            OptionsDialog options(settings.store(), values);
            QVERIFY(options.optTrafficURL[1]->isChecked());
            QVERIFY(options.txtTrafficMenu->isEnabled());
            QCOMPARE(options.txtTrafficMenu->text(), kMyMenu);
            QCOMPARE(options.txtTrafficURL->text(), kMyUrl);

            options.optTrafficURL[0]->click();
            QCOMPARE(settings.stored("Traffic_URL_Option"), QStringLiteral("True"));
            QCOMPARE(options.txtTrafficMenu->text(), kTrafficMenu);
            QVERIFY(!options.txtTrafficMenu->isEnabled());
            options.close();
        }
        QCOMPARE(values.Traffic_URL, kTrafficUrl);
        QCOMPARE(values.Traffic_menu, kTrafficMenu);
        QCOMPARE(settings.stored("User_Traffic_URL"), kMyUrl);
        QCOMPARE(settings.stored("User_Traffic_Menu"), kMyMenu);

        // Next time, "User Defined" brings them back.
        OptionsDialog again(settings.store(), values);
        QVERIFY(again.optTrafficURL[0]->isChecked());
        again.optTrafficURL[1]->click();
        QCOMPARE(again.txtTrafficMenu->text(), kMyMenu);
        QCOMPARE(again.txtTrafficURL->text(), kMyUrl);
    }

    void aGarbageOptionLeavesDefaultSelected()
    {
        TempSettings settings;
        settings.write("Details_URL_Option", QStringLiteral("perhaps"));
        settings.write("Traffic_URL_Option", QStringLiteral("false"));
        AppValues values;
        OptionsDialog options(settings.store(), values);
        QVERIFY(options.optDetailsURL[0]->isChecked());
        QVERIFY(!options.optDetailsURL[1]->isChecked());
        QVERIFY(options.optTrafficURL[1]->isChecked());
        options.close();
        QCOMPARE(settings.stored("Details_URL_Option"), QStringLiteral("True"));
    }

    void onlyAChangedBoxRewritesTheUsersAddresses()
    {
        TempSettings settings;
        // Stored empty: the opening puts nothing new into the boxes.
        settings.write("User_Traffic_URL", QString());
        settings.write("User_Details_URL", QString());
        AppValues values;
        {
            OptionsDialog options(settings.store(), values);
            QVERIFY(!options.Changed());
            options.close();
        }
        QCOMPARE(settings.stored("User_Traffic_URL"), QString());
        QCOMPARE(settings.stored("Traffic_URL"), kTrafficUrl);

        OptionsDialog options(settings.store(), values);
        options.txtDetailsURL->setText(kMyUrl);
        QVERIFY(options.Changed());
        options.close();
        // Both addresses are written, whichever changed; the details frame still uses its default.
        QCOMPARE(settings.stored("User_Details_URL"), kMyUrl);
        QCOMPARE(settings.stored("User_Traffic_URL"), QString());
        QCOMPARE(values.Details_URL, kDetailsUrl);
    }

    void closingHappensOnceAlsoWhenTheWindowIsOnlyDeleted()
    {
        TempSettings settings;
        AppValues values;
        auto* options = new OptionsDialog(settings.store(), values);
        options->optDetailsURL[1]->click();
        options->txtDetailsMenu->setText(kMyMenu);
        delete options;
        QCOMPARE(values.Details_menu, kMyMenu);
        QCOMPARE(settings.stored("Details_menu"), kMyMenu);
    }

    void theProgramEndingClosesTheWindow()
    {
        TempSettings settings;
        AppValues values;
        auto* options = new OptionsDialog(settings.store(), values); // owned by no one, as shown
        options->show();
        options->optTrafficURL[1]->click();
        options->txtTrafficMenu->setText(kMyMenu);
        // Unlike quit(), exit() ends the event loop without closing any window.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
        QCOMPARE(settings.stored("Traffic_menu"), kMyMenu);
        QCOMPARE(values.Traffic_menu, kMyMenu);
        delete options;
    }

    void advancedOpensOneWindowAndKeepsOptionsUsable()
    {
        TempSettings settings;
        AppValues values;
        OptionsDialog options(settings.store(), values);
        options.show();
        options.cmdAdvanced->click();
        options.cmdAdvanced->click();
        QList<AdvancedOptionsDialog*> open;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* advanced = qobject_cast<AdvancedOptionsDialog*>(window); advanced && advanced->isVisible())
                open.append(advanced);
        }
        QCOMPARE(open.size(), 1);
        QVERIFY(!open.front()->isModal());
        QVERIFY(options.isEnabled());
        open.front()->close();
        QTRY_VERIFY(!AnAdvancedWindowExists());
    }

private:
    static bool AnAdvancedWindowExists()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<AdvancedOptionsDialog*>(window))
                return true;
        }
        return false;
    }
};

} // namespace tallywick

QTEST_MAIN(tallywick::OptionsTest)
#include "options_test.moc"
