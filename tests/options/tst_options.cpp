// "Einstellungen" as a user meets it: the dialog filled from the settings file,
// a new maximum applied or refused, cancelling, a settings file that can't be
// written, and the dialog's size on three screens.

#include "options/optionsdialog.h"
#include "settings/inifile.h"
#include "settings/settings.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

using Rates = QList<int>; // index h: the rate of hour h in tenths

Rates rates(std::initializer_list<std::pair<int, int>> sliderRates = {})
{
    Rates result(24, 0);
    for (const auto& [slider, tenths] : sliderRates)
        result[slider - 1] = tenths;
    return result;
}

QByteArray ini(const QByteArray& maximum, const QByteArray& farbDruck = "1",
               const QByteArray& verzeichnis = "")
{
    QByteArray text = "[Einstellungen]\n";
    if (!maximum.isNull())
        text += "Maximum=" + maximum + "\n";
    if (!farbDruck.isNull())
        text += "FarbDruck=" + farbDruck + "\n";
    if (!verzeichnis.isNull())
        text += "Verzeichnis=" + verzeichnis + "\n";
    return text + "[Teststring]\nDatei=Vorhanden\n";
}

// The user sets each rate with the Up key on its slider, linked dragging off.
void enterRates(Form1UnderTest& w, const Rates& wanted)
{
    w.CheckBox1->setChecked(false);
    for (int n = 1; n <= 24; ++n) {
        w.ScrollBar(n)->setFocus();
        for (int i = 0; i < wanted[n - 1]; ++i)
            QTest::keyClick(w.ScrollBar(n), Qt::Key_Up);
    }
}

struct Screen
{
    QStringList fields;
    QString total;
    QString maxLabel;
    QList<int> positions;
    QList<int> ranges;
};

Screen screenOf(Form1UnderTest& w)
{
    Screen s;
    for (int n = 1; n <= 24; ++n) {
        s.fields << w.Edit(n)->text();
        s.positions << w.ScrollBar(n)->value();
        s.ranges << w.ScrollBar(n)->maximum();
    }
    s.total = w.LabelSumme->text();
    s.maxLabel = w.LabelMax->text();
    return s;
}

// Opens "Einstellungen" and runs drive on the dialog.
std::shared_ptr<ModalRun> openOptions(Form1UnderTest& w, std::function<void(TFormOptionen*)> drive)
{
    return withModal<TFormOptionen>(
        &w, [&w] { w.Einstellungen->trigger(); }, std::move(drive));
}

template <typename T> T* child(QWidget* parent, const QString& name)
{
    T* found = parent->findChild<T*>(name);
    if (!found)
        qWarning("no child %s", qPrintable(name));
    return found;
}

QRadioButton* maxItem(QWidget* dialog, int index)
{
    return child<QRadioButton>(dialog, QStringLiteral("RadioGroupMaxItem%1").arg(index));
}

QRadioButton* printItem(QWidget* dialog, int index)
{
    return child<QRadioButton>(dialog, QStringLiteral("RadioGroupPrintItem%1").arg(index));
}

// Clicks a radio item where it takes clicks: on its circle and caption.
void choose(QRadioButton* item)
{
    QStyleOptionButton option;
    option.initFrom(item);
    option.text = item->text();
    const QRect area =
        item->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, item);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, area.center());
}

int checkedMaxItem(QWidget* dialog)
{
    int checked = -1;
    for (int i = 0; i < 5; ++i) {
        if (maxItem(dialog, i)->isChecked())
            checked = checked == -1 ? i : -2; // -2: more than one
    }
    return checked;
}

void clickOk(QWidget* dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("BitBtnOK")), Qt::LeftButton);
}

void breakSettingsFolder(const SettingsHome& home)
{
    // A file where the settings folder should be: reads find nothing, writes fail.
    const QString folder = home.path() + QStringLiteral("/fendrimo");
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
}

const QString refusalStart = QStringLiteral(
    "Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, welches Sie einstellen "
    "wollten! Die höchste Stundenrate, die gerade eingestellt ist, ist ");
const QString refusalEnd =
    QStringLiteral(" IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren Wert!");

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void languageWrittenOnlyWhenChanged_data();
    void languageWrittenOnlyWhenChanged();
    void otherRunsSettingKept_data();
    void otherRunsSettingKept();
    void fillsFromSettings_data();
    void fillsFromSettings();
    void acceptedMaximum_data();
    void acceptedMaximum();
    void refusedMaximum_data();
    void refusedMaximum();
    void noItemSelectedKeepsMaximum_data();
    void noItemSelectedKeepsMaximum();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void refusedWrite_data();
    void refusedWrite();
    void unusableMaximumReadBack_data();
    void unusableMaximumReadBack();
    void focusAndDefaultButton();
    void geometry_data();
    void geometry();
};

void TestOptions::fillsFromSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("maxItem");
    QTest::addColumn<int>("printItem");
    QTest::addColumn<QString>("folder");
    QTest::newRow("20") << ini("20") << 0 << 0 << QString();
    QTest::newRow("30") << ini("30") << 1 << 0 << QString();
    QTest::newRow("40 written as 0x28") << ini("0x28") << 2 << 0 << QString();
    QTest::newRow("50") << ini("50") << 3 << 0 << QString();
    QTest::newRow("60") << ini("60") << 4 << 0 << QString();
    QTest::newRow("35: no item") << ini("35") << -1 << 0 << QString();
    QTest::newRow("25: no item") << ini("25") << -1 << 0 << QString();
    QTest::newRow("not a number: no item") << ini("4O") << -1 << 0 << QString();
    QTest::newRow("black and white") << ini("30", "0") << 1 << 1 << QString();
    QTest::newRow("print method absent: colour") << ini("30", QByteArray()) << 1 << 0 << QString();
    QTest::newRow("folder absent: ERROR")
        << ini("30", "1", QByteArray()) << 1 << 0 << QStringLiteral("ERROR");
    QTest::newRow("folder shown as stored")
        << ini("30", "1", "/home/anna/<b>Basal & Raten</b> ") << 1 << 0
        << QStringLiteral("/home/anna/<b>Basal & Raten</b>");
}

void TestOptions::fillsFromSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, maxItem);
    QFETCH(int, printItem);
    QFETCH(QString, folder);
    MainWindowFixture f(settings, true);
    QStringList shown;
    auto run = openOptions(f.w(), [&](TFormOptionen* dialog) {
        QCOMPARE(checkedMaxItem(dialog), maxItem);
        QCOMPARE(::printItem(dialog, 0)->isChecked(), printItem == 0);
        QCOMPARE(::printItem(dialog, 1)->isChecked(), printItem == 1);
        QCOMPARE(child<QLabel>(dialog, QStringLiteral("LabelVerzeichnis"))->text(), folder);
        QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("BitBtnAbbr")), Qt::LeftButton);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(f.home.read(), settings);
}

void TestOptions::acceptedMaximum_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<Rates>("profile");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("newMaximum");
    QTest::addColumn<QString>("label");
    QTest::newRow("3,0 raised to 6,0")
        << 30 << rates({{1, 25}, {12, 30}, {24, 5}}) << 4 << 60 << QStringLiteral("6 IE/h");
    QTest::newRow("2,0 raised to 3,0, every hour at the top")
        << 20 << Rates(24, 20) << 1 << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("5,0 raised to 6,0, empty profile")
        << 50 << rates() << 4 << 60 << QStringLiteral("6 IE/h");
    QTest::newRow("2,5 raised to 3,0")
        << 25 << rates({{2, 25}, {3, 1}}) << 1 << 30 << QStringLiteral("3 IE/h");
    QTest::newRow("6,0 lowered to 2,0, highest rate equal to it")
        << 60 << rates({{5, 20}, {6, 13}}) << 0 << 20 << QStringLiteral("2 IE/h");
    QTest::newRow("6,0 lowered to 4,0")
        << 60 << rates({{1, 1}, {24, 39}}) << 2 << 40 << QStringLiteral("4 IE/h");
    QTest::newRow("4,0 kept") << 40 << rates({{3, 40}, {4, 7}}) << 2 << 40
                              << QStringLiteral("4 IE/h");
}

void TestOptions::acceptedMaximum()
{
    QFETCH(int, stored);
    QFETCH(Rates, profile);
    QFETCH(int, item);
    QFETCH(int, newMaximum);
    QFETCH(QString, label);
    MainWindowFixture f(stored);
    Form1UnderTest& w = f.w();
    enterRates(w, profile);
    const bool saved = w.DatenGespeichert();
    const Screen before = screenOf(w);
    QCOMPARE(before.fields[0], ZehntelText(profile[0])); // the rates are on screen

    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        choose(maxItem(dialog, item));
        QCOMPARE(checkedMaxItem(dialog), item);
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));
    if (QTest::currentTestFailed())
        return;

    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.Maximum(), newMaximum);
    const Screen after = screenOf(w);
    for (int n = 1; n <= 24; ++n) {
        QCOMPARE(w.ScrollBar(n)->minimum(), 0);
        QCOMPARE(w.ScrollBar(n)->maximum(), newMaximum);
        QCOMPARE(w.ScrollBar(n)->value(), newMaximum - profile[n - 1]);
        QCOMPARE(w.rate(n), profile[n - 1]);
    }
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.total, before.total);
    QCOMPARE(w.LabelMax->text(), label);
    QCOMPARE(w.DatenGespeichert(), saved);
    QCOMPARE(f.home.read(), setUpSettings(newMaximum));

    // A slider moved after the new maximum counts from it.
    w.ScrollBar(1)->setFocus();
    QTest::keyClick(w.ScrollBar(1), Qt::Key_Home);
    QCOMPARE(w.Edit(1)->text(), label.chopped(5));
}

void TestOptions::refusedMaximum_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<Rates>("profile");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("highest");
    QTest::addColumn<int>("storedItem"); // selected at the next opening
    QTest::newRow("6,0 to 2,0 with 2,5") << 60 << rates({{3, 25}}) << 0 << "2,5" << 4;
    QTest::newRow("5,0 to 4,0 with 4,1 and 5,0")
        << 50 << rates({{1, 41}, {20, 50}}) << 2 << "5" << 3;
    QTest::newRow("3,0 to 2,0 with 2,1 in the last hour")
        << 30 << rates({{24, 21}}) << 0 << "2,1" << 1;
    QTest::newRow("3,5 to 3,0 with 3,5") << 35 << rates({{7, 35}, {8, 2}}) << 1 << "3,5" << -1;
}

void TestOptions::refusedMaximum()
{
    QFETCH(int, stored);
    QFETCH(Rates, profile);
    QFETCH(int, item);
    QFETCH(QString, highest);
    QFETCH(int, storedItem);
    MainWindowFixture f(stored);
    Form1UnderTest& w = f.w();
    enterRates(w, profile);
    const Screen before = screenOf(w);
    bool dialogOpenAtMessage = false;
    f.fake.onBox = [&](const FakePlatform::Box&) {
        dialogOpenAtMessage =
            qobject_cast<TFormOptionen*>(QApplication::activeModalWidget()) != nullptr;
    };

    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        choose(maxItem(dialog, item));
        choose(printItem(dialog, 1));
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Fehler"));
    QCOMPARE(f.fake.boxes[0].buttons, MessageButtons(MessageButton::Ok));
    QCOMPARE(f.fake.boxes[0].text, refusalStart + highest + refusalEnd);
    QVERIFY(dialogOpenAtMessage);

    // The old maximum stays: in memory, on screen and in the file; the print
    // method and the marker stay written.
    QCOMPARE(w.Maximum(), stored);
    const Screen after = screenOf(w);
    QCOMPARE(after.positions, before.positions);
    QCOMPARE(after.ranges, before.ranges);
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.total, before.total);
    QCOMPARE(after.maxLabel, before.maxLabel);
    QCOMPARE(f.home.read(), ini(QByteArray::number(stored), "0"));

    f.fake.onBox = nullptr;
    run = openOptions(w, [&](TFormOptionen* dialog) {
        QCOMPARE(checkedMaxItem(dialog), storedItem);
        QVERIFY(::printItem(dialog, 1)->isChecked());
    });
    QVERIFY(run->found);
}

void TestOptions::noItemSelectedKeepsMaximum_data()
{
    QTest::addColumn<QByteArray>("storedText");
    QTest::addColumn<int>("inForce");
    QTest::newRow("35") << QByteArray("35") << 35;
    QTest::newRow("1") << QByteArray("1") << 1;
    QTest::newRow("not a number") << QByteArray("4O") << 30;
    QTest::newRow("zero") << QByteArray("0") << 30;
}

void TestOptions::noItemSelectedKeepsMaximum()
{
    QFETCH(QByteArray, storedText);
    QFETCH(int, inForce);
    MainWindowFixture f(ini(storedText), true);
    Form1UnderTest& w = f.w();
    QCOMPARE(w.Maximum(), inForce);
    enterRates(w, rates({{4, inForce}}));
    const Screen before = screenOf(w);

    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        QCOMPARE(checkedMaxItem(dialog), -1);
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);

    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.Maximum(), inForce);
    const Screen after = screenOf(w);
    QCOMPARE(after.positions, before.positions);
    QCOMPARE(after.ranges, before.ranges);
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.total, before.total);
    QCOMPARE(IniFile(f.home.iniPath())
                 .readInteger(QStringLiteral("Einstellungen"), QStringLiteral("Maximum"), -1),
             inForce);
}

void TestOptions::cancelWritesNothing_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("Abbruch clicked") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("Enter on the focused Abbruch") << 2;
}

void TestOptions::cancelWritesNothing()
{
    QFETCH(int, how);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const Rates profile = rates({{2, 17}, {9, 30}});
    enterRates(w, profile);
    const Screen before = screenOf(w);
    const QByteArray file = f.home.read();

    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        choose(maxItem(dialog, 4));
        choose(printItem(dialog, 1));
        auto* abbruch = child<QPushButton>(dialog, QStringLiteral("BitBtnAbbr"));
        abbruch->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(abbruch));
        if (how == 0)
            QTest::mouseClick(abbruch, Qt::LeftButton);
        else
            QTest::keyClick(abbruch, how == 1 ? Qt::Key_Escape : Qt::Key_Return);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Rejected));

    QCOMPARE(f.home.read(), file);
    QCOMPARE(w.Maximum(), 30);
    const Screen after = screenOf(w);
    QCOMPARE(after.positions, before.positions);
    QCOMPARE(after.ranges, before.ranges);
    QCOMPARE(after.fields, before.fields);
    QVERIFY(f.fake.boxes.isEmpty());
    for (int h = 0; h < 24; ++h)
        QCOMPARE(w.profile().rate(h), profile[h]);
}

void TestOptions::refusedWrite_data()
{
    QTest::addColumn<bool>("atRefusal"); // break the file only when the refusal shows
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("item");
    QTest::newRow("first write fails") << false << 30 << 4;
    QTest::newRow("writing back the old maximum fails") << true << 60 << 0;
}

void TestOptions::refusedWrite()
{
    QFETCH(bool, atRefusal);
    QFETCH(int, stored);
    QFETCH(int, item);
    MainWindowFixture f(stored);
    Form1UnderTest& w = f.w();
    enterRates(w, rates({{5, 25}}));
    const Screen before = screenOf(w);
    if (atRefusal) {
        f.fake.onBox = [&](const FakePlatform::Box& box) {
            if (box.caption == QStringLiteral("Fehler"))
                breakSettingsFolder(f.home);
        };
    } else {
        breakSettingsFolder(f.home);
    }

    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        if (!atRefusal)
            QCOMPARE(child<QLabel>(dialog, QStringLiteral("LabelVerzeichnis"))->text(),
                     QStringLiteral("ERROR"));
        choose(maxItem(dialog, item));
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));

    const FakePlatform::Box& last = f.fake.boxes.constLast();
    QVERIFY(last.failure);
    QCOMPARE(last.caption, QStringLiteral("Fendrimo"));
    QCOMPARE(last.text, QStringLiteral("Kann nicht nach fendr21f.ini schreiben."));
    QCOMPARE(f.fake.boxes.size(), atRefusal ? 2 : 1);
    QCOMPARE(w.Maximum(), stored);
    const Screen after = screenOf(w);
    QCOMPARE(after.positions, before.positions);
    QCOMPARE(after.ranges, before.ranges);
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.maxLabel, before.maxLabel);
}

void TestOptions::unusableMaximumReadBack_data()
{
    QTest::addColumn<QByteArray>("storedText");
    QTest::newRow("zero") << QByteArray("0");
    QTest::newRow("negative") << QByteArray("-5");
    QTest::newRow("not a number") << QByteArray("4O");
    QTest::newRow("absent") << QByteArray();
}

void TestOptions::unusableMaximumReadBack()
{
    // The file changed between the dialog's write and the read-back.
    QFETCH(QByteArray, storedText);
    MainWindowFixture f(40);
    Form1UnderTest& w = f.w();
    enterRates(w, rates({{1, 12}}));
    const Screen before = screenOf(w);
    // The file changes while the dialog is open; OK with no new choice keeps
    // the maximum in force.
    auto run = openOptions(w, [&](TFormOptionen* dialog) {
        f.home.write(ini(storedText));
        clickOk(dialog);
    });
    QVERIFY(run->found);

    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(w.Maximum(), 40);
    const Screen after = screenOf(w);
    QCOMPARE(after.ranges, before.ranges);
    QCOMPARE(after.positions, before.positions);
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.maxLabel, before.maxLabel);
    // The old maximum is written back over the unusable one.
    QCOMPARE(IniFile(f.home.iniPath())
                 .readInteger(QStringLiteral("Einstellungen"), QStringLiteral("Maximum"), -1),
             40);
}

void TestOptions::focusAndDefaultButton()
{
    MainWindowFixture f(40);
    auto run = openOptions(f.w(), [&](TFormOptionen* dialog) {
        auto* ok = child<QPushButton>(dialog, QStringLiteral("BitBtnOK"));
        auto* abbruch = child<QPushButton>(dialog, QStringLiteral("BitBtnAbbr"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(abbruch));
        QCOMPARE(dialog->parentWidget(), static_cast<QWidget*>(&f.w()));
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY(!(flags & Qt::WindowSystemMenuHint));
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        auto* folder = child<QLabel>(dialog, QStringLiteral("LabelVerzeichnis"));
        QCOMPARE(folder->font().family(), QStringLiteral("Arial Narrow"));
        QVERIFY(folder->font().bold());
        QVERIFY(!ok->font().bold());

        // Away from the buttons, Enter presses the default button: OK.
        QRadioButton* item = maxItem(dialog, 2);
        choose(item);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(item));
        QVERIFY(ok->isDefault());
        QTest::keyClick(item, Qt::Key_Return);
    });
    QVERIFY(run->found);
    QVERIFY(!run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));
    QVERIFY(f.w().findChildren<TFormOptionen*>().isEmpty()); // discarded after closing
}

void TestOptions::geometry_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QRect>("radioGroupMax");
    QTest::addColumn<QRect>("abbruch");
    QTest::addColumn<QRect>("folder"); // inside its group box
    QTest::addColumn<int>("fontPixels");
    QTest::newRow("1024x768") << QSize(1024, 768) << QSize(435, 415) << QPoint(294, 176)
                              << QRect(17, 28, 393, 89) << QRect(257, 332, 130, 33)
                              << QRect(24, 32, 353, 22) << 17;
    // Edges times 1.25, rounded: 410 -> 512.5 -> 513, 387 -> 483.75 -> 484.
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QSize(544, 553) << QPoint(368, 235)
                               << QRect(21, 35, 492, 111) << QRect(321, 415, 163, 41)
                               << QRect(30, 40, 441, 28) << 21;
    // Edges times 0.78125: 17 -> 13.28 -> 13, 28 -> 21.88 -> 22, 117 -> 91.41 -> 91.
    QTest::newRow("800x600") << QSize(800, 600) << QSize(340, 324) << QPoint(230, 138)
                             << QRect(13, 22, 307, 69) << QRect(201, 259, 101, 26)
                             << QRect(19, 25, 276, 17) << 13;
    // Wider than 4:3: laid out as on 1024 x 768, centred.
    QTest::newRow("1366x768") << QSize(1366, 768) << QSize(435, 415) << QPoint(465, 176)
                              << QRect(17, 28, 393, 89) << QRect(257, 332, 130, 33)
                              << QRect(24, 32, 353, 22) << 17;
}

void TestOptions::geometry()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    QFETCH(QRect, radioGroupMax);
    QFETCH(QRect, abbruch);
    QFETCH(QRect, folder);
    QFETCH(int, fontPixels);
    MainWindowFixture f(30);
    f.fake.screen = screen;
    auto run = openOptions(f.w(), [&](TFormOptionen* dialog) {
        QCOMPARE(dialog->size(), size);
        QCOMPARE(dialog->pos(), position);
        QCOMPARE(child<QWidget>(dialog, QStringLiteral("RadioGroupMax"))->geometry(),
                 radioGroupMax);
        QCOMPARE(child<QWidget>(dialog, QStringLiteral("BitBtnAbbr"))->geometry(), abbruch);
        QCOMPARE(child<QWidget>(dialog, QStringLiteral("LabelVerzeichnis"))->geometry(), folder);
        QCOMPARE(child<QWidget>(dialog, QStringLiteral("BitBtnOK"))->font().pixelSize(),
                 fontPixels);
        QCOMPARE(child<QWidget>(dialog, QStringLiteral("LabelVerzeichnis"))->font().pixelSize(),
                 fontPixels);
        // Every radio item lies inside its group, below the caption.
        for (int i = 0; i < 5; ++i) {
            const QRect item = maxItem(dialog, i)->geometry();
            QVERIFY(QRect(QPoint(0, 0), radioGroupMax.size()).contains(item));
            QVERIFY(item.top() >= QFontMetrics(maxItem(dialog, i)->font()).height());
        }
    });
    QVERIFY(run->found);
}

void TestOptions::languageWrittenOnlyWhenChanged_data()
{
    QTest::addColumn<QByteArray>("stored"); // the line in [Einstellungen], if any
    QTest::addColumn<int>("shown");         // the item the dialog starts with
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("the desktop's, kept: nothing written") << QByteArray() << 0 << 0 << QByteArray();
    QTest::newRow("English chosen") << QByteArray() << 0 << 2 << QByteArray("Sprache=en\n");
    QTest::newRow("German kept") << QByteArray("Sprache=de\n") << 1 << 1
                                 << QByteArray("Sprache=de\n");
    QTest::newRow("back to the desktop's: the key goes")
        << QByteArray("Sprache=en\n") << 2 << 0 << QByteArray();
}

// The language is one more setting with a default: written only when the
// user changes it, and gone again for the desktop's language.
void TestOptions::languageWrittenOnlyWhenChanged()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(QByteArray, after);
    MainWindowFixture f(setUpSettings(30).replace("Verzeichnis=\n", "Verzeichnis=\n" + stored),
                        true);
    auto run = openOptions(f.w(), [&](TFormOptionen* dialog) {
        QCOMPARE(dialog->ComboSprache->currentIndex(), shown);
        dialog->ComboSprache->setCurrentIndex(chosen);
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QCOMPARE(f.home.read(), setUpSettings(30).replace("Verzeichnis=\n", "Verzeichnis=\n" + after));
}

void TestOptions::otherRunsSettingKept_data()
{
    QTest::addColumn<QString>("elsewhere"); // what another run stores while the dialog is open
    QTest::addColumn<QString>("here");      // what the user changes in this dialog
    QTest::addColumn<QByteArray>("after");  // [Einstellungen] after OK
    const QByteArray base = "Maximum=30\nFarbDruck=1\nVerzeichnis=\n";
    QTest::newRow("English elsewhere, nothing here") << "Sprache"
                                                     << "" << QByteArray(base + "Sprache=en\n");
    QTest::newRow("black and white elsewhere, nothing here")
        << "FarbDruck"
        << "" << QByteArray("Maximum=30\nFarbDruck=0\nVerzeichnis=\n");
    QTest::newRow("6,0 elsewhere, nothing here")
        << "Maximum"
        << "" << QByteArray("Maximum=60\nFarbDruck=1\nVerzeichnis=\n");
    QTest::newRow("English elsewhere, 4,0 here")
        << "Sprache"
        << "Maximum" << QByteArray("Maximum=40\nFarbDruck=1\nVerzeichnis=\nSprache=en\n");
}

// Two runs share the settings file: OK stores only what was changed in this
// dialog, never what it showed when it opened over another run's choice.
void TestOptions::otherRunsSettingKept()
{
    QFETCH(QString, elsewhere);
    QFETCH(QString, here);
    QFETCH(QByteArray, after);
    MainWindowFixture f(30);
    auto run = openOptions(f.w(), [&](TFormOptionen* dialog) {
        Settings other;
        if (elsewhere == u"Sprache")
            other.setSprache(QStringLiteral("en"));
        else if (elsewhere == u"FarbDruck")
            other.setFarbDruck(false);
        else
            other.setMaximum(60);
        if (here == u"Maximum")
            choose(maxItem(dialog, 2));
        else if (here == u"FarbDruck")
            choose(printItem(dialog, 1));
        else if (here == u"Sprache")
            dialog->ComboSprache->setCurrentIndex(2);
        clickOk(dialog);
    });
    QVERIFY(run->found);
    QCOMPARE(f.home.read(), "[Einstellungen]\n" + after + "[Teststring]\nDatei=Vorhanden\n");
    qInfo("fault | options OK in one run: %s | the other run's setting kept | fendr21f.ini: %s",
          QTest::currentDataTag(), qPrintable(QString::fromUtf8(after).replace(u'\n', u' ')));
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
