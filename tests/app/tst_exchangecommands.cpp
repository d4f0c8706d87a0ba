// "Importieren" and "Exportieren" through the real window: what an import
// changes (the rates as one undo step) and what it leaves alone, the notices
// before it, the maximum it raises, the profile choice of a Nightscout file,
// refusals, and exports that change nothing.

#include "exchange/exchange.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"
#include "tools/importpreviewdialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QByteArray csvOf(const QStringList& rates)
{
    QByteArray csv("Uhrzeit;Basalrate (IE/h)\r\n");
    for (int h = 0; h < rates.size(); ++h)
        csv +=
            QStringLiteral("%1:00;%2\r\n").arg(h, 2, 10, QLatin1Char('0')).arg(rates[h]).toUtf8();
    return csv;
}

QStringList repeated(const QString& rate, int hours = 24)
{
    QStringList rates;
    for (int h = 0; h < hours; ++h)
        rates << rate;
    return rates;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QAction* menuAction(Form1UnderTest& w, const char* name)
{
    return w.findChild<QAction*>(QLatin1String(name));
}

// Triggers an import and answers its preview: with answer, or OK. False when none came.
bool importAnswering(Form1UnderTest& w, const char* action,
                     std::function<void(ImportPreviewDialog*)> answer = nullptr)
{
    if (!answer)
        answer = [](ImportPreviewDialog* p) { p->Buttons->button(QDialogButtonBox::Ok)->click(); };
    const auto run = withModal<ImportPreviewDialog>(
        &w, [&] { menuAction(w, action)->trigger(); }, answer);
    return run->found && !run->leftOpen;
}

// Two named profiles, "Sport" the default, in the shape Nightscout stores.
const QByteArray kTwoProfiles =
    R"({"defaultProfile": "Sport", "startDate": "2026-11-02T12:00:00.000Z",
  "store": {
    "Alltag": {"basal": [{"time": "00:00", "value": "1.0", "timeAsSeconds": "0"}],
               "carbratio": [{"time": "00:00", "value": 10, "timeAsSeconds": 0}]},
    "Sport": {"basal": [{"time": "00:00", "value": 0.6, "timeAsSeconds": 0},
                        {"time": "12:00", "value": 0.4, "timeAsSeconds": 43200}],
              "carbratio": [{"time": "00:00", "value": 8, "timeAsSeconds": 0},
                            {"time": "11:00", "value": 12, "timeAsSeconds": 39600}]}}})";

} // namespace

class TestExchangeCommands : public QObject
{
    Q_OBJECT

private slots:
    void submenus();
    void importChangesOnlyTheContent();
    void noticesComeFirst_data();
    void noticesComeFirst();
    void importRaisesTheMaximum();
    void nightscoutProfileChoice_data();
    void nightscoutProfileChoice();
    void refusedFiles_data();
    void refusedFiles();
    void exportChangesNothing_data();
    void exportChangesNothing();
    void exportFailureIsReported();
};

void TestExchangeCommands::submenus()
{
    MainWindowFixture f(30, false);
    const QStringList exports{"Nightscout-Profil (JSON)…", "OpenAPS-Basalprofil (JSON)…",
                              "Tabelle (CSV)…"};
    // Tidepool is read, never written.
    for (QMenu* menu : {f.w().Importieren1, f.w().Exportieren1}) {
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text().remove(QLatin1Char('&'));
        QCOMPARE(items, menu == f.w().Importieren1
                            ? exports + QStringList{"Tidepool-Pumpeneinstellungen (JSON)…"}
                            : exports);
    }
}

void TestExchangeCommands::importChangesOnlyTheContent()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8), QStringLiteral("profil.bar"));
    w.VergleichGespeichert1->trigger();
    const QString path = writeFile(f.home.path() + QStringLiteral("/raten.csv"),
                                   csvOf(repeated(QStringLiteral("1,2"))));
    const QByteArray settings = f.home.read();
    const QString title = w.windowTitle();

    f.fake.chooseFile(path);
    QVERIFY(importAnswering(w, "ImportCsv"));
    const FileDialogRequest& dialog = f.fake.fileDialogs.constFirst();
    QCOMPARE(dialog.title, QStringLiteral("Basalrate importieren"));
    QCOMPARE(dialog.filter, QStringLiteral("Tabellen (*.csv)"));
    QCOMPARE(dialog.startFolder, f.home.path() + QLatin1Char('/'));
    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.rate(1), 12);
    QCOMPARE(w.rate(24), 12);
    QVERIFY(!w.DatenGespeichert());
    // Title, folder, recent list and the comparison stay.
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(f.home.read(), settings);
    QCOMPARE(w.reference()->name, QStringLiteral("gespeicherte Fassung"));
    QVERIFY(w.Edit(5)->isFramed());

    QCOMPARE(w.history().count(), 1);
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(1), 8);
    QVERIFY(w.DatenGespeichert());
}

void TestExchangeCommands::noticesComeFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<qint32>("rate"); // hour 0 afterwards
    QTest::newRow("taken") << int(QDialogButtonBox::Ok) << 9;
    QTest::newRow("cancelled") << int(QDialogButtonBox::Cancel) << 8;
    QTest::newRow("closed with Escape") << int(QDialogButtonBox::NoButton) << 8;
}

// 0,85 rounds to 0,9: shown with every change; only OK changes the profile.
void TestExchangeCommands::noticesComeFirst()
{
    QFETCH(int, answer);
    QFETCH(qint32, rate);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8));
    w.CheckBox1->setChecked(true);
    QStringList rates; // each hour its own run
    for (int h = 0; h < 24; ++h)
        rates << QString::fromLatin1(h == 0 ? "0,85" : h == 23 ? "4,2" : h % 2 ? "1,2" : "1");
    f.fake.chooseFile(writeFile(f.home.path() + QStringLiteral("/raten.csv"), csvOf(rates)));
    QVERIFY(importAnswering(w, "ImportCsv", [answer](ImportPreviewDialog* preview) {
        const QStringList changes = preview->TextAenderungen->toPlainText().split(u'\n');
        QCOMPARE(changes.size(), 24);
        QCOMPARE(changes.constFirst(), "0 bis 1 Uhr: 0,8 → 0,9 IE/h, gerundet oder gemittelt");
        QCOMPARE(preview->LabelSumme->text(), "Tagessumme: 19,2 IE → 29,3 IE");
        QVERIFY(preview->TextHinweise->toPlainText().contains(adjustedHoursNotice({0})));
        QVERIFY(preview->height() <= 30 * preview->fontMetrics().lineSpacing()); // ~500 px
        QPushButton* button = preview->Buttons->button(QDialogButtonBox::StandardButton(answer));
        button ? button->click() : QTest::keyClick(preview, Qt::Key_Escape);
    }));
    QCOMPARE(w.rate(1), rate);
    const bool taken = rate == 9;
    QCOMPARE(w.history().count(), taken ? 1 : 0);
    QCOMPARE(w.DatenGespeichert(), !taken);
    QCOMPARE(w.CheckBox1->isChecked(), !taken);
    QCOMPARE(w.Maximum(), taken ? 50 : 30); // 4,2 IE/h raises it
}

void TestExchangeCommands::importRaisesTheMaximum()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QStringList rates = repeated(QStringLiteral("1"));
    rates[7] = QStringLiteral("4,2");
    f.fake.chooseFile(writeFile(f.home.path() + QStringLiteral("/hoch.csv"), csvOf(rates)));
    QVERIFY(importAnswering(w, "ImportCsv"));
    QCOMPARE(w.Maximum(), 50);
    QCOMPARE(w.rate(8), 42);
    QVERIFY(f.home.read().contains("Maximum=50"));
    QCOMPARE(f.fake.boxes.size(), 1);
    QVERIFY(f.fake.boxes.constFirst().text.contains(QStringLiteral("heraufgesetzt")));
    // Undo takes the rates back; the higher maximum stays, as after a load.
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(8), 0);
    QCOMPARE(w.Maximum(), 50);
}

void TestExchangeCommands::nightscoutProfileChoice_data()
{
    QTest::addColumn<int>("choice"); // -1: cancelled
    QTest::addColumn<qint32>("morning");
    QTest::addColumn<QString>("bolus"); // morgens
    QTest::newRow("the default, preselected") << 1 << 6 << "1,5";
    QTest::newRow("the other") << 0 << 10 << "1,2";
    QTest::newRow("cancelled") << -1 << 0 << "";
}

void TestExchangeCommands::nightscoutProfileChoice()
{
    QFETCH(int, choice);
    QFETCH(qint32, morning);
    QFETCH(QString, bolus);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.fake.chooseFile(writeFile(f.home.path() + QStringLiteral("/profile.json"), kTwoProfiles));
    f.fake.chooseIndex(choice < 0 ? std::nullopt : std::optional<int>(choice));
    QCOMPARE(importAnswering(w, "ImportNightscout"), choice >= 0);

    QCOMPARE(f.fake.choices.size(), 1);
    QCOMPARE(f.fake.choices.constFirst().items, (QStringList{"Alltag", "Sport"}));
    QCOMPARE(f.fake.choices.constFirst().preselected, 1);
    QCOMPARE(w.rate(1), morning);
    QCOMPARE(w.EditBolus1->text(), bolus);
    if (choice < 0) {
        QCOMPARE(w.history().count(), 0);
        return;
    }
    QCOMPARE(w.EditDatum->text(), QStringLiteral("02.11.2026"));
    QVERIFY(w.MemoNotizen->toPlainText().endsWith(
        QStringLiteral("Importiert aus Nightscout-Profil \"%1\"")
            .arg(choice ? "Sport" : "Alltag")));
    QCOMPARE(w.history().count(), 1);
}

void TestExchangeCommands::refusedFiles_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << "ImportNightscout" << QByteArray("Basalrate 0,8");
    QTest::newRow("a negative rate")
        << "ImportOpenAps"
        << QByteArray(R"([{"i": 0, "start": "00:00:00", "minutes": 0, "rate": -0.2}])");
    QTest::newRow("an hour missing") << "ImportCsv" << csvOf(repeated(QStringLiteral("1"), 23));
    QTest::newRow("larger than 10 MB")
        << "ImportCsv" << QByteArray(int(kLargestExchangeFile) + 1, '\n');
}

// A refused file changes nothing and names its problem.
void TestExchangeCommands::refusedFiles()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, content);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(QList<qint32>(24, 8));
    const QString path = writeFile(f.home.path() + QStringLiteral("/datei"), content);
    f.fake.chooseFile(path);
    menuAction(w, action.toLatin1().constData())->trigger();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes.constFirst().caption, QStringLiteral("Fehler"));
    const QString text = f.fake.boxes.constFirst().text;
    QVERIFY2(text.startsWith(QStringLiteral("Die Datei ") + path +
                             QStringLiteral(" kann nicht importiert werden. ")),
             qPrintable(text));
    QVERIFY(text.size() > path.size() + 45); // and says why
    QCOMPARE(w.rate(1), 8);
    QCOMPARE(w.history().count(), 0);
    QVERIFY(w.DatenGespeichert());
}

void TestExchangeCommands::exportChangesNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("Nightscout") << "ExportNightscout"
                                << "profil.json";
    QTest::newRow("OpenAPS") << "ExportOpenAps"
                             << "basal_profile.json";
    QTest::newRow("table") << "ExportCsv"
                           << "basalrate.csv";
}

// The file comes back through its own import with the same rates.
void TestExchangeCommands::exportChangesNothing()
{
    QFETCH(QString, action);
    QFETCH(QString, proposed);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QList<qint32> rates(24, 8);
    rates[6] = 12;
    f.loadRates(rates, QStringLiteral("profil.bar"));
    const QByteArray settings = f.home.read();
    const QString path = f.home.path() + QStringLiteral("/export");
    f.fake.chooseFile(path);
    menuAction(w, action.toLatin1().constData())->trigger();

    const FileDialogRequest& dialog = f.fake.fileDialogs.constFirst();
    QCOMPARE(dialog.title, QStringLiteral("Basalrate exportieren"));
    QCOMPARE(dialog.proposedFile, f.home.path() + QLatin1Char('/') + proposed);
    QVERIFY(dialog.confirmOverwrite);
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes.constFirst().caption, QStringLiteral("Information"));
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.history().count(), 0);
    QCOMPARE(f.home.read(), settings);

    // Moved away, then brought back by importing the file just written.
    w.ScrollBar(7)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(w.rate(7), 13);
    f.fake.clear();
    f.fake.chooseFile(path);
    action.replace(QLatin1String("Export"), QLatin1String("Import"));
    QVERIFY(importAnswering(w, action.toLatin1().constData()));
    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.rate(7), 12);
    QCOMPARE(w.rate(1), 8);
}

void TestExchangeCommands::exportFailureIsReported()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/fehlt/basalrate.csv");
    f.fake.chooseFile(path);
    menuAction(w, "ExportCsv")->trigger();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes.constFirst().caption, QStringLiteral("Fehler"));
    QVERIFY(f.fake.boxes.constFirst().text.startsWith(
        QStringLiteral("Die Basalrate konnte nicht nach ") + path));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestExchangeCommands)
#include "tst_exchangecommands.moc"
