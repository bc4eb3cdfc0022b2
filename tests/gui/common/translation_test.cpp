#include "ui/common/translation.h"

#include <QCoreApplication>
#include <QTest>

namespace tallywick {

class TranslationTest : public QObject {
    Q_OBJECT

    static QString file() { return QCoreApplication::translate("tallywick::MainWindow", "&File"); }

private slots:
    // The build names a compiled translation as the program looks for it, and a regional
    // locale falls back to its language.
    void theTranslationOfTheLocalesLanguageIsLoaded()
    {
        QVERIFY(!InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("de_DE")),
                                     QStringLiteral(TALLYWICK_TEST_QM_FOLDER)));
        QVERIFY(!InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("fr_CA")), QString()));
        QCOMPARE(file(), QStringLiteral("&File"));

        QVERIFY(InstallTranslations(*QCoreApplication::instance(), QLocale(QStringLiteral("fr_CA")),
                                    QStringLiteral(TALLYWICK_TEST_QM_FOLDER)));
        QCOMPARE(file(), QStringLiteral("&Fichier"));
    }
};

} // namespace tallywick

QTEST_GUILESS_MAIN(tallywick::TranslationTest)
#include "translation_test.moc"
