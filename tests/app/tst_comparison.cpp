// Comparing the profile with another one through the real window: the file
// opened for it, the saved version, the marks on the sliders, the framed
// rate fields and the totals, and how long the comparison lasts.

#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include "printing/printcheck.h"
#include "settings/settings.h"

#include "options/optionsdialog.h"
#include "tools/ratetooldialog.h"
#include "tools/takehoursdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// 0,8 from 0 to 6, 1,2 to 10, 1 to 18, 0,9 to 24 Uhr: 23 IE.
const QList<qint32> kProfile = {8,  8,  8,  8,  8,  8,  12, 12, 12, 12, 10, 10,
                                10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};
// The same but 3,5 from 3 to 4 Uhr, above the maximum of 3, and 1 from 6 to 9 Uhr: 25,1 IE.
const QList<qint32> kOther = {8,  8,  8,  35, 8,  8,  10, 10, 10, 12, 10, 10,
                              10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};

QString writeProfile(const QString& path, const QList<qint32>& rates)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, rates.value(h));
    if (!QDir().mkpath(QFileInfo(path).path()) || !writeProfileFile(path, record).ok())
        return QString();
    return path;
}

void step(Form1UnderTest& w, int n, QAbstractSlider::SliderAction action, int times = 1)
{
    for (int i = 0; i < times; ++i)
        w.ScrollBar(n)->triggerAction(action);
}

// Every hour shows the reference: the mark where the slider would stand for
// it (at the top for a rate above the maximum), the exact value in the
// description, the field framed exactly where the rates differ.
void verifyShows(Form1UnderTest& w, const QList<qint32>& reference)
{
    for (int n = 1; n <= 24; ++n) {
        const qint32 other = reference.at(n - 1);
        const QString at = QStringLiteral("hour %1").arg(n - 1);
        QCOMPARE(w.ScrollBar(n)->referencePosition(),
                 std::optional<int>(w.Maximum() - std::min(other, w.Maximum())));
        QVERIFY2(w.ScrollBar(n)->accessibleDescription().startsWith(QStringLiteral("Vergleich: ") +
                                                                    ZehntelText(other) +
                                                                    QStringLiteral(" IE/h. ")),
                 qPrintable(at));
        QVERIFY2(w.Edit(n)->isFramed() == (other != w.rate(n)), qPrintable(at));
    }
    QVERIFY(w.LabelVergleich->isVisible());
    QVERIFY(w.VergleichBeenden1->isEnabled());
}

void verifyShowsNone(Form1UnderTest& w)
{
    QVERIFY(!w.reference());
    for (int n = 1; n <= 24; ++n) {
        QCOMPARE(w.ScrollBar(n)->referencePosition(), std::nullopt);
        QVERIFY(!w.ScrollBar(n)->accessibleDescription().contains(QStringLiteral("Vergleich")));
        QVERIFY(!w.Edit(n)->isFramed());
    }
    QVERIFY(!w.LabelVergleich->isVisible());
    QVERIFY(!w.VergleichBeenden1->isEnabled());
}

} // namespace

class TestComparison : public QObject
{
    Q_OBJECT

private slots:
    void compareWithAFile();
    void badFileKeepsTheComparison_data();
    void badFileKeepsTheComparison();
    void comparisonOverTime_data();
    void comparisonOverTime();
    void savedVersionFollowsSaves();
    void markStandsWhereTheThumbWould_data();
    void markStandsWhereTheThumbWould();
    void takeHoursFromANightscoutProfile();
    void takeRefusedWhenTheMaximumCantBeStored();
};

void TestComparison::compareWithAFile()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile, QStringLiteral("profil.bar"));
    const QString other =
        writeProfile(f.home.path() + QStringLiteral("/andere/vorher.bar"), kOther);
    const QByteArray settings = f.home.read();
    const QString title = w.windowTitle();
    const int steps = w.history().count();

    f.fake.chooseFile(other);
    w.Vergleichen1->trigger();

    QCOMPARE(f.fake.fileDialogs.size(), 1);
    const FileDialogRequest& dialog = f.fake.fileDialogs.constFirst();
    QCOMPARE(dialog.title, QStringLiteral("Basalrate zum Vergleich laden"));
    QVERIFY2(dialog.filter.startsWith(QStringLiteral(
                 "Alle lesbaren Dateien (*.bar *.json *.csv *.txt);;Basalraten-Dateien (*.bar);;")),
             qPrintable(dialog.filter));
    QCOMPARE(dialog.startFolder, f.home.path() + QLatin1Char('/'));
    QVERIFY(dialog.fileMustExist);
    // Neither the folder, the recent list, the title nor the profile change.
    QCOMPARE(f.home.read(), settings);
    QCOMPARE(w.windowTitle(), title);
    QCOMPARE(w.history().count(), steps);
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.rate(4), 8);
    QVERIFY(f.fake.boxes.isEmpty());

    QCOMPARE(w.reference()->name, QStringLiteral("vorher.bar"));
    verifyShows(w, kOther);
    QCOMPARE(w.LabelVergleich->text(),
             QStringLiteral("Vergleich: vorher.bar\n25,1 IE, 2,1 IE mehr als diese Basalrate"));
    QCOMPARE(w.ScrollBar(4)->referencePosition(), 0);

    w.VergleichBeenden1->trigger();
    verifyShowsNone(w);
}

// A file of a profile file's size that a reader recognises and refuses is
// never read as a profile file: its reader's error, and no numbers.
void TestComparison::badFileKeepsTheComparison_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error"); // the end of the message
    QTest::newRow("100 bytes") << QByteArray(100, 'x') << "Die Tabelle enthält keine Basalraten.";
    QTest::newRow("Tidepool with a negative rate, 700 bytes")
        << R"({"type":"pumpSettings","basalSchedules":{"s":[{"start":0,"rate":-0.2}]}})" +
               QByteArray(620, ' ')
        << R"(Eintrag 1 von Basalplan "s": Rate "-0.2" ist negativ.)";
}

void TestComparison::badFileKeepsTheComparison()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile);
    f.fake.chooseFile(writeProfile(f.home.path() + QStringLiteral("/vorher.bar"), kOther));
    w.Vergleichen1->trigger();
    const QString broken = f.home.path() + QStringLiteral("/kaputt.json");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    const QByteArray settings = f.home.read();

    f.fake.clear();
    f.fake.chooseFile(broken);
    w.Vergleichen1->trigger();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes.constFirst().caption, QStringLiteral("Fehler"));
    QVERIFY(f.fake.boxes.constFirst().text.startsWith(
        QStringLiteral("Fehler beim Laden der Datei ") + broken));
    QVERIFY2(f.fake.boxes.constFirst().text.endsWith(error),
             qPrintable(f.fake.boxes.constFirst().text));
    QCOMPARE(w.reference()->name, QStringLiteral("vorher.bar"));
    verifyShows(w, kOther);
    QCOMPARE(f.home.read(), settings);
    qInfo("fault | comparison with a refused file: %s | error: \"%s\"; the comparison before "
          "stays | fendr21f.ini unchanged",
          QTest::currentDataTag(), qPrintable(error));
}

void TestComparison::comparisonOverTime_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("total"); // the comparison's total afterwards, below its name
    QTest::newRow("a slider step to the other rate")
        << "step" << true << "25,1 IE, 2,3 IE mehr als diese Basalrate";
    QTest::newRow("the step undone")
        << "undo" << true << "25,1 IE, 2,1 IE mehr als diese Basalrate";
    QTest::newRow("all rates by a percentage")
        << "percent" << true << "25,1 IE, 0,3 IE weniger als diese Basalrate";
    QTest::newRow("a higher maximum")
        << "maximum" << true << "25,1 IE, 2,1 IE mehr als diese Basalrate";
    QTest::newRow("saved") << "save" << true << "25,1 IE, 2,1 IE mehr als diese Basalrate";
    QTest::newRow("Neu") << "new" << false << QString();
    QTest::newRow("another profile loaded") << "load" << false << QString();
}

void TestComparison::comparisonOverTime()
{
    QFETCH(QString, action);
    QFETCH(bool, kept);
    QFETCH(QString, total);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile);
    f.fake.chooseFile(writeProfile(f.home.path() + QStringLiteral("/vorher.bar"), kOther));
    w.Vergleichen1->trigger();

    if (action == QLatin1String("step") || action == QLatin1String("undo")) {
        step(w, 7, QAbstractSlider::SliderSingleStepAdd, 2); // 1,2 down to 1
        if (action == QLatin1String("undo"))
            w.Rueckgaengig1->trigger();
    } else if (action == QLatin1String("percent")) {
        const auto run = withModal<RateToolDialog>(
            &w, [&w] { w.RatenProzent1->trigger(); },
            [](RateToolDialog* dialog) {
                dialog->Wert->setValue(110);
                dialog->accept();
            });
        QVERIFY(run->found);
    } else if (action == QLatin1String("maximum")) {
        const auto run = withModal<TFormOptionen>(
            &w, [&w] { w.Einstellungen->trigger(); },
            [](TFormOptionen* dialog) {
                dialog->RadioGroupMax->setItemIndex(3); // 5 IE/h
                dialog->BitBtnOK->click();
            });
        QVERIFY(run->found);
        QCOMPARE(w.Maximum(), 50);
    } else if (action == QLatin1String("save")) {
        f.saveProfile();
    } else if (action == QLatin1String("new")) {
        w.Neu1->trigger();
    } else if (action == QLatin1String("load")) {
        f.loadRates(kOther, QStringLiteral("andere.bar"));
    }

    if (!kept) {
        verifyShowsNone(w);
        return;
    }
    verifyShows(w, kOther);
    QCOMPARE(w.LabelVergleich->text(), QStringLiteral("Vergleich: vorher.bar\n") + total);
}

void TestComparison::savedVersionFollowsSaves()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile);
    step(w, 1, QAbstractSlider::SliderSingleStepSub); // unsaved: 0,9 from 0 to 1 Uhr
    w.VergleichGespeichert1->trigger();
    QCOMPARE(w.reference()->name, QStringLiteral("gespeicherte Fassung"));
    verifyShows(w, kProfile);
    QVERIFY(w.Edit(1)->isFramed());
    QCOMPARE(w.LabelVergleich->text(),
             QStringLiteral(
                 "Vergleich: gespeicherte Fassung\n23 IE, 0,1 IE weniger als diese Basalrate"));

    f.saveProfile();
    QList<qint32> saved = kProfile;
    saved[0] = 9;
    verifyShows(w, saved);
    QCOMPARE(w.LabelVergleich->text().section(u'\n', 1),
             QStringLiteral("23,1 IE, so viel wie diese Basalrate"));

    step(w, 24, QAbstractSlider::SliderSingleStepSub);
    verifyShows(w, saved);
    QVERIFY(w.Edit(24)->isFramed());
}

void TestComparison::markStandsWhereTheThumbWould_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("below the rate") << 7;
    QTest::newRow("above the maximum, at the top") << 4;
}

// The mark lies on the thumb's middle once the rate is moved to the
// reference (or as high as it goes), and shows dark edged in white.
void TestComparison::markStandsWhereTheThumbWould()
{
    QFETCH(int, n);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile);
    f.fake.chooseFile(writeProfile(f.home.path() + QStringLiteral("/vorher.bar"), kOther));
    w.Vergleichen1->trigger();
    RateSlider* slider = w.ScrollBar(n);
    const QRect mark = slider->referenceMarkRect();
    const QImage picture = slider->grab().toImage();
    const int middle = slider->width() / 2;
    QVERIFY(qGray(picture.pixel(middle, mark.center().y())) < 100);
    QVERIFY(qGray(picture.pixel(middle, mark.top())) > 200);

    const qint32 target = std::min(kOther.at(n - 1), w.Maximum());
    while (w.rate(n) != target)
        step(w, n,
             w.rate(n) < target ? QAbstractSlider::SliderSingleStepSub
                                : QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(slider->referenceMarkRect(), mark);
    const QRect thumb = sliderPart(slider, QStyle::SC_ScrollBarSlider);
    QVERIFY(qAbs(thumb.center().y() - mark.center().y()) <= 1);
}

// The loop's profile beside the pump's, from a Nightscout file through the
// menus: two of its three differing runs taken over as one step, then undone.
void TestComparison::takeHoursFromANightscoutProfile()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile, QStringLiteral("profil.bar"));
    // 0,7 to 6 Uhr, 1,1 from 10 to 12 and 1 from 20 Uhr differ from the profile.
    const QString loop = f.home.path() + QStringLiteral("/loop.json");
    QFile file(loop);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"defaultProfile":"Default","store":{"Default":{"basal":[
        {"time":"00:00","value":0.7},{"time":"06:00","value":1.2},{"time":"10:00","value":1.1},
        {"time":"12:00","value":1.0},{"time":"18:00","value":0.9},{"time":"20:00","value":1.0}]}}})");
    file.close();
    QVERIFY(!w.findChild<QAction*>(QStringLiteral("AusVergleichUebernehmen1"))->isEnabled());
    f.fake.chooseFile(loop);
    w.Vergleichen1->trigger();
    QVERIFY(f.fake.boxes.isEmpty());
    QVERIFY(w.reference());
    QCOMPARE(w.LabelVergleich->text(),
             QStringLiteral(
                 "Vergleich: Nightscout-Profil \"Default\"\n23 IE, so viel wie diese Basalrate"));

    auto* take = w.findChild<QAction*>(QStringLiteral("AusVergleichUebernehmen1"));
    QVERIFY(take->isEnabled());
    QStringList rows;
    const auto run = withModal<TakeHoursDialog>(
        &w, [&] { take->trigger(); },
        [&](TakeHoursDialog* dialog) {
            for (QCheckBox* box : dialog->runBoxes)
                rows << box->text();
            dialog->runBoxes.at(1)->setChecked(false);
            QCOMPARE(dialog->LabelSumme->text(), QStringLiteral("Tagessumme: 23 IE → 22,8 IE"));
            dialog->Buttons->button(QDialogButtonBox::Ok)->click();
        });
    QVERIFY(run->found);
    QCOMPARE(rows, (QStringList{"0 bis 6 Uhr: 0,8 → 0,7 IE/h", "10 bis 12 Uhr: 1 → 1,1 IE/h",
                                "20 bis 24 Uhr: 0,9 → 1 IE/h"}));
    QCOMPARE(w.rate(1), 7);
    QCOMPARE(w.rate(11), 10);
    QCOMPARE(w.rate(24), 10);
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.Rueckgaengig1->text(),
             QStringLiteral("Rückgängig: Aus Vergleich übernommen: 0 bis 6 Uhr, 20 bis 24 Uhr"));
    QVERIFY(!w.Edit(1)->isFramed());
    QVERIFY(w.Edit(11)->isFramed());

    w.Rueckgaengig1->trigger();
    QCOMPARE(w.rate(1), 8);
    QCOMPARE(w.rate(24), 9);
    QVERIFY(w.DatenGespeichert());
    QVERIFY(w.Edit(1)->isFramed());

    // The sheet: the table page with the comparison's rates and the changes.
    Settings().setTabelle(true);
    const QString pdf = f.home.path() + QStringLiteral("/blatt.pdf");
    f.fake.chooseFile(pdf);
    runPrintDialog(w, [](TGrafikForm& form) { form.BitBtnPdf->click(); });
    const QString text = pdfText(pdf);
    for (const QString& part :
         {QStringLiteral("Vergleich"), QStringLiteral("Änderung"), QStringLiteral("\u22120,1"),
          QStringLiteral("+0,1"), QStringLiteral("Nightscout-Profil \"Default\"")})
        QVERIFY2(text.contains(part), qPrintable(part));
}

// Taking 3,5 IE/h raises the maximum of 3, stored first: when the settings
// can't be written, the window says that nothing was taken.
void TestComparison::takeRefusedWhenTheMaximumCantBeStored()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    f.loadRates(kProfile);
    f.fake.chooseFile(writeProfile(f.home.path() + QStringLiteral("/vorher.bar"), kOther));
    w.Vergleichen1->trigger();
    QVERIFY(QFile::remove(f.home.iniPath()) && QDir().mkdir(f.home.iniPath()));
    f.fake.clear();
    const auto run = withModal<TakeHoursDialog>(
        &w, [&] { w.findChild<QAction*>(QStringLiteral("AusVergleichUebernehmen1"))->trigger(); },
        [&](TakeHoursDialog* dialog) { dialog->Buttons->button(QDialogButtonBox::Ok)->click(); });
    QVERIFY(run->found);
    QCOMPARE(f.fake.boxes.size(), 1);
    QVERIFY(f.fake.boxes.constFirst().failure);
    QVERIFY2(f.fake.boxes.constFirst().text.endsWith(
                 QStringLiteral(". Die Stunden wurden nicht übernommen.")),
             qPrintable(f.fake.boxes.constFirst().text));
    QCOMPARE(w.rate(4), 8);
    QCOMPARE(w.Maximum(), 30);
    QVERIFY(w.DatenGespeichert());
    qInfo("fault | taking hours, the raised maximum can't be stored | \"%s\"; nothing taken, "
          "maximum 3 IE/h | a folder where fendr21f.ini was",
          qPrintable(f.fake.boxes.constFirst().text));
}

QTEST_MAIN(TestComparison)
#include "tst_comparison.moc"
