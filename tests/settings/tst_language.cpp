// The language of the user interface: the setting when it names one,
// otherwise the desktop's preferred languages, German when they name neither;
// and the setting itself, written and removed.

#include "settings/language.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace fendrimo;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void chosen_data();
    void chosen();
    void setting();
};

void TestLanguage::chosen_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("desktop"); // QLocale::uiLanguages(), preferred first
    QTest::addColumn<QString>("language");
    QTest::newRow("absent, German desktop") << "" << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("absent, LANGUAGE=en over LANG=de_DE.UTF-8")
        << "" << QStringList{"en", "de-DE", "de"} << "en";
    QTest::newRow("absent, British English") << "" << QStringList{"en-GB", "en"} << "en";
    QTest::newRow("absent, a desktop preferring French")
        << "" << QStringList{"fr-FR", "fr"} << "de";
    QTest::newRow("absent, French then English") << "" << QStringList{"fr-CA", "en_US"} << "en";
    QTest::newRow("absent, nothing listed") << "" << QStringList{} << "de";
    QTest::newRow("de on an English desktop") << "de" << QStringList{"en-US"} << "de";
    QTest::newRow("en on a German desktop") << "en" << QStringList{"de-DE"} << "en";
}

void TestLanguage::chosen()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, desktop);
    QFETCH(QString, language);
    QCOMPARE(interfaceLanguage(setting, desktop), language);
}

// "Sprache" holds de or en; the desktop's choice is no entry at all.
void TestLanguage::setting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fendr21f.ini"));
    Settings settings(path);
    QCOMPARE(settings.sprache(), QString());
    settings.setSprache(QStringLiteral("en"));
    QCOMPARE(settings.sprache(), QStringLiteral("en"));
    IniFile(path).writeString(QStringLiteral("Einstellungen"), QStringLiteral("Sprache"),
                              QStringLiteral("fr"));
    QCOMPARE(settings.sprache(), QString());
    settings.setSprache(QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Einstellungen]\n"));
}

QTEST_APPLESS_MAIN(TestLanguage)
#include "tst_language.moc"
