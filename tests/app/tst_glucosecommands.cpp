// "Glukose" through the real window: each export loaded, by menu or drop, and
// what it brought; overlaps, refusals, cancels, removing the data; the
// profile, its saved state and the settings stay as they were.

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
enum Way { Menu, Drop, CancelRead };             // how the last file goes

const QByteArray kClarity = kClarityHeader + kClarityMetadata +
                            clarityRow(4, "2025-05-13T21:27:20", "EGV", "111") +
                            clarityRow(5, "2025-05-14T08:00:00", "EGV", "120");

QString loaded(const char* what, const char* counts, const char* days, const char* more = "")
{
    return QStringLiteral("box:Information:Glukosedaten aus %1 geladen (") + what +
           ").\nMesswerte: " + counts + " waren schon geladen.\nTage: " + days + more;
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
    QTest::addColumn<int>("way");
    QTest::addColumn<QString>("box"); // the last; %1 the last file, %2 the system's zone
    QTest::newRow("Clarity") << Files{{"c.csv", kClarity}} << int(Menu)
                             << loaded("Dexcom Clarity, Werte in mg/dL", "2 neu, 0",
                                       "13.05.2025 bis 14.05.2025",
                                       "\nÜbersprungene Zeilen: Metadaten (3)");
    QTest::newRow("LibreView") << Files{{"l.csv", kLibreTitle + libreHeader("mmol/L") +
                                                      libreRow("16-03-2021 13:42", 0, "4.1") +
                                                      libreRow("16-03-2021 13:50", 1, "4.4")}}
                               << int(Menu)
                               << loaded("LibreView, Werte in mmol/L", "1 neu, 0",
                                         "16.03.2021 bis 16.03.2021",
                                         "\nÜbersprungene Zeilen: Scans (1)");
    QTest::newRow("Nightscout, dropped")
        << Files{{"n.json", jsonArray({nightscoutEntry(utc("2024-05-13T12:00:00Z"), 142, {}),
                                       nightscoutEntry(utc("2024-05-14T12:00:00Z"), 150, {})})}}
        << int(Drop)
        << loaded("Nightscout, Werte in mg/dL", "2 neu, 0", "13.05.2024 bis 14.05.2024",
                  "\nZeitangaben ohne Zeitzone wurden in der Zeitzone %2 des Systems gelesen.");
    const QByteArray tidepool = jsonArray({tidepoolCbg(utc("2024-05-13T12:00:00Z"), "5.5", 120)});
    QTest::newRow("Tidepool") << Files{{"t.txt", tidepool}} << int(Menu)
                              << loaded("Tidepool, Werte in mmol/L", "1 neu, 0",
                                        "13.05.2024 bis 13.05.2024");
    const QByteArray later = kClarityHeader + clarityRow(4, "2025-05-14T08:00:00", "EGV", "120") +
                             clarityRow(5, "2025-05-15T08:00:00", "EGV", "130");
    QTest::newRow("overlapping, the second dropped")
        << Files{{"c.csv", kClarity}, {"d.csv", later}} << int(Drop)
        << loaded("Dexcom Clarity, Werte in mg/dL", "1 neu, 1", "14.05.2025 bis 15.05.2025");
    QTest::newRow("refused") << Files{{"x.csv", kClarityHeader + kClarityMetadata}} << int(Menu)
                             << "box:Fehler:Die Datei %1 kann nicht als Glukosedaten gelesen "
                                "werden. Die Datei enthält keine Glukosewerte des Sensors.";
    QTest::newRow("dialog cancelled") << Files{{"c.csv", QByteArray()}} << int(Menu) << QString();
    QTest::newRow("read cancelled") << Files{{"c.csv", kClarity}} << int(CancelRead) << QString();
}

void TestGlucoseCommands::loading()
{
    QFETCH(Files, files);
    QFETCH(int, way);
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
        if (way == Drop && name == files.constLast().first) {
            QVERIFY(dropOn(&w, dragData({QUrl::fromLocalFile(dir + name)}).get()));
            continue;
        }
        f.fake.chooseFile(content.isNull() ? std::nullopt : std::optional(dir + name));
        w.findChild<QAction*>(QStringLiteral("GlukoseLaden1"))->trigger();
    }
    if (way == CancelRead) { // before the read has ended: its outcome never arrives
        QCOMPARE(w.findChild<QProgressDialog*>()->minimumDuration(), 500);
        w.findChild<QProgressDialog*>()->findChild<QPushButton*>()->click();
        QVERIFY(QThreadPool::globalInstance()->waitForDone(60000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(f.fake.boxes.size(), files.size() - (box.isNull() ? 1 : 0));
    const QString zone = QString::fromLatin1(QTimeZone::systemTimeZoneId());
    QCOMPARE(f.fake.boxes.isEmpty() ? QString() : f.fake.events.constLast(),
             QString(box).replace("%1", dir + files.constLast().first).replace("%2", zone));
    for (const FileDialogRequest& d : std::as_const(f.fake.fileDialogs))
        QVERIFY(d.title == "Glukosedaten laden" && d.startFolder == f.home.path() + '/' &&
                d.filter.startsWith("Alle Glukosedaten (*.csv *.json *.txt);;Dexcom-Clarity"));
    // Glucose data is no part of the profile: no step, nothing unsaved, no setting.
    QVERIFY(w.rate(1) == 8 && w.history().count() == 0 && w.DatenGespeichert());
    QCOMPARE(f.home.read(), settings);
    // "Entfernen" is there for data only, and empties it after its question.
    QAction* remove = w.findChild<QAction*>(QStringLiteral("GlukoseEntfernen1"));
    QCOMPARE(remove->isEnabled(), box.contains(QStringLiteral("geladen (")));
    if (!remove->isEnabled())
        return;
    f.fake.answer(MessageResult::Ja);
    remove->trigger();
    QCOMPARE(
        f.fake.boxes.constLast().text,
        QStringLiteral("Die geladenen Glukosedaten aus %1 Dateien entfernen?").arg(files.size()));
    QVERIFY(!remove->isEnabled());
}

QTEST_MAIN(TestGlucoseCommands)
#include "tst_glucosecommands.moc"
