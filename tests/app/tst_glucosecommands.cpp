// "Glukose" through the real window: each export loaded, by menu or drop; overlaps,
// refusals, cancels, removal; the profile, its state and the settings stay.

#include "glucose/glucosesamples.h"
#include "support/openingsupport.h"

#include <QProgressDialog>
#include <QThreadPool>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;
using namespace glucosesamples;

namespace {

using Files = QList<QPair<QString, QByteArray>>; // name, content; null: the dialog cancelled

const QByteArray kClarity = kClarityHeader + kClarityMetadata +
                            clarityRow(4, "2025-05-13T21:27:20", "EGV", "111") +
                            clarityRow(5, "2025-05-14T08:00:00", "EGV", "120");

// The box of a file read: "export|unit|added|present|from|to", then more lines.
QString loaded(const QString& what, const char* more = "")
{
    const QStringList f = what.split(u'|');
    return QStringLiteral("box:Information:Glukosedaten aus %1 geladen (") + f[0] + ", Werte in " +
           f[1] + ").\nMesswerte: " + f[2] + " neu, " + f[3] +
           " waren schon geladen.\nTage: " + f[4] + " bis " + f[5] + more;
}

} // namespace

class TestGlucoseCommands : public QObject
{
    Q_OBJECT

private slots:
    void loading_data();
    void loading();
};

void TestGlucoseCommands::loading_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("way"); // of the last file: "menu", "drop", "cancel" its read
    QTest::addColumn<QString>("box"); // the last; %1 the last file, %2 the system's zone
    QTest::newRow("Clarity") << Files{{"c.csv", kClarity}} << "menu"
                             << loaded("Dexcom Clarity|mg/dL|2|0|13.05.2025|14.05.2025",
                                       "\nÜbersprungene Zeilen: Metadaten (3)");
    QTest::newRow("LibreView") << Files{{"l.csv", kLibreTitle + libreHeader("mmol/L") +
                                                      libreRow("16-03-2021 13:42", 0, "4.1") +
                                                      libreRow("16-03-2021 13:50", 1, "4.4")}}
                               << "menu"
                               << loaded("LibreView|mmol/L|1|0|16.03.2021|16.03.2021",
                                         "\nÜbersprungene Zeilen: Scans (1)");
    QTest::newRow("Nightscout, dropped")
        << Files{{"n.json", jsonArray({nightscoutEntry(utc("2024-05-13T12:00:00Z"), 142, {}),
                                       nightscoutEntry(utc("2024-05-14T12:00:00Z"), 150, {})})}}
        << "drop"
        << loaded("Nightscout|mg/dL|2|0|13.05.2024|14.05.2024",
                  "\nZeitangaben ohne Zeitzone wurden in der Zeitzone %2 des Systems gelesen.");
    const QByteArray tidepool = jsonArray({tidepoolCbg(utc("2024-05-13T12:00:00Z"), "5.5", 120)});
    QTest::newRow("Tidepool") << Files{{"t.txt", tidepool}} << "menu"
                              << loaded("Tidepool|mmol/L|1|0|13.05.2024|13.05.2024");
    const QByteArray later = kClarityHeader + clarityRow(4, "2025-05-14T08:00:00", "EGV", "120") +
                             clarityRow(5, "2025-05-15T08:00:00", "EGV", "130");
    QTest::newRow("overlapping, the second dropped")
        << Files{{"c.csv", kClarity}, {"d.csv", later}} << "drop"
        << loaded("Dexcom Clarity|mg/dL|1|1|14.05.2025|15.05.2025");
    QTest::newRow("refused") << Files{{"x.csv", kClarityHeader + kClarityMetadata}} << "menu"
                             << "box:Fehler:Die Datei %1 kann nicht als Glukosedaten gelesen "
                                "werden. Die Datei enthält keine Glukosewerte des Sensors.";
    QTest::newRow("dialog cancelled") << Files{{"c.csv", QByteArray()}} << "menu" << QString();
    QTest::newRow("read cancelled") << Files{{"c.csv", kClarity}} << "cancel" << QString();
}

void TestGlucoseCommands::loading()
{
    QFETCH(Files, files);
    QFETCH(QString, way);
    QFETCH(QString, box);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8), QStringLiteral("profil.bar"));
    const QByteArray settings = f.home.read();
    const QString dir = f.home.path() + QStringLiteral("/cgm/");
    QVERIFY(QDir().mkpath(dir));
    for (const auto& [name, content] : files) {
        QFile file(dir + name);
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        if (way == "drop" && name == files.constLast().first) {
            QVERIFY(dropOn(&w, dragData({QUrl::fromLocalFile(dir + name)}).get()));
            continue;
        }
        f.fake.chooseFile(content.isNull() ? std::nullopt : std::optional(dir + name));
        w.openedItem("Glukose1", "GlukoseLaden1")->trigger();
    }
    if (way == "cancel") { // before the read has ended: its outcome never arrives
        w.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        QVERIFY(QThreadPool::globalInstance()->waitForDone(60000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(f.fake.boxes.size(), files.size() - (box.isNull() ? 1 : 0));
    QCOMPARE(f.fake.boxes.isEmpty() ? QString() : f.fake.events.constLast(),
             QString(box)
                 .replace("%1", dir + files.constLast().first)
                 .replace("%2", QString::fromLatin1(QTimeZone::systemTimeZoneId())));
    for (const FileDialogRequest& d : std::as_const(f.fake.fileDialogs))
        QVERIFY(d.title == "Glukosedaten laden" && d.startFolder == f.home.path() + '/' &&
                d.filter.startsWith("Alle Glukosedaten (*.csv *.json *.txt);;Dexcom-Clarity"));
    // Glucose data is no part of the profile: no step, nothing unsaved, no setting.
    QVERIFY(w.rate(1) == 8 && w.history().count() == 0 && w.DatenGespeichert());
    QCOMPARE(f.home.read(), settings);
    // "Entfernen" is there for data only: it asks, then empties the data.
    QAction* remove = w.openedItem("Glukose1", "GlukoseEntfernen1");
    const bool data = box.contains(QStringLiteral("geladen ("));
    QCOMPARE(remove->isEnabled(), data);
    f.fake.answer(MessageResult::Ja);
    remove->trigger();
    QVERIFY(!remove->isEnabled());
    QCOMPARE(f.fake.pendingAnswers(), data ? 0 : 1);
    QVERIFY(!data ||
            f.fake.boxes.constLast().text.endsWith(
                files.size() == 1
                    ? QStringLiteral("Glukosedaten aus einer Datei entfernen?")
                    : QStringLiteral("Glukosedaten aus %1 Dateien entfernen?").arg(files.size())));
}

QTEST_MAIN(TestGlucoseCommands)
#include "tst_glucosecommands.moc"
