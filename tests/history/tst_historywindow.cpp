// The profile's history through the real window: what saves keep, what the
// history window lists, and what "Vergleichen", "Wiederherstellen", the
// keeping switch and deleting do to the profile and to the disk.

#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include "files/profilerecord.h"
#include "history/historydialog.h"
#include "history/versionstore.h"
#include "widgets/stepchart.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

// 0,8 from 0 to 6, 1,2 to 10, 1 to 18, 0,9 to 24 Uhr: 23 IE.
const QList<qint32> kProfile = {8,  8,  8,  8,  8,  8,  12, 12, 12, 12, 10, 10,
                                10, 10, 10, 10, 10, 10, 9,  9,  9,  9,  9,  9};

// Opens kProfile from profil.bar in the test's folder; its path.
QString loadProfile(MainWindowFixture& f)
{
    f.loadRates(kProfile, QStringLiteral("profil.bar"));
    return f.home.path() + QStringLiteral("/profil.bar");
}

// "Speichern" to path; the save must be reported as it always is.
void save(MainWindowFixture& f, const QString& path)
{
    f.fake.chooseFile(path);
    f.w().Basalratespeichern1->trigger();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes.constFirst().text, QStringLiteral("Basalrate erfolgreich gespeichert!"));
    QVERIFY(f.w().DatenGespeichert());
    f.fake.clear();
}

// Raises hours from..to-1 by a tenth each (the slider's top is the highest rate).
void raise(Form1UnderTest& w, int from, int to)
{
    for (int hour = from; hour < to; ++hour)
        w.ScrollBar(hour + 1)->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

// The history window's rows: time, total, change.
QList<QStringList> rowsOf(const HistoryDialog& dialog)
{
    QList<QStringList> rows;
    for (int i = 0; i < dialog.ListeVerlauf->rowCount(); ++i) {
        rows << QStringList{dialog.ListeVerlauf->item(i, 0)->text(),
                            dialog.ListeVerlauf->item(i, 1)->text(),
                            dialog.ListeVerlauf->item(i, 2)->text()};
    }
    return rows;
}

std::shared_ptr<ModalRun> openHistory(Form1UnderTest& w,
                                      const std::function<void(HistoryDialog*)>& drive)
{
    return withModal<HistoryDialog>(
        &w, [&w] { w.Verlauf1->trigger(); }, drive);
}

} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void savesKeepVersions();
    void choosingAVersion_data();
    void choosingAVersion();
    void restoreRaisesTheMaximum();
    void keepingSwitch();
    void unwritableHistoryLeavesTheSave();
    void twoHundredOneSaves();
    void deleteAfterTheQuestion();
    void deleteRefusedIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestHistoryWindow::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    QVERIFY(m_data->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
}

// Two saves with a change between them are two versions; a save without one
// adds none. The menu item exists only for a profile with a file.
void TestHistoryWindow::savesKeepVersions()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QVERIFY(!w.Verlauf1->isEnabled());
    const QString path = loadProfile(f);
    QVERIFY(w.Verlauf1->isEnabled());
    save(f, path);
    raise(w, 6, 9);
    raise(w, 22, 24);
    save(f, path);
    save(f, path);

    QList<QStringList> rows;
    QList<StepSeries> charted; // the chosen version, the one before
    QString described;
    const auto run = openHistory(w, [&](HistoryDialog* dialog) {
        rows = rowsOf(*dialog);
        charted = dialog->DiagrammVerlauf->series();
        described = dialog->DiagrammVerlauf->accessibleDescription();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(run->found && !run->leftOpen);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).mid(1), (QStringList{QStringLiteral("23,5 IE"),
                                             QStringLiteral("+0,5 IE; 6 bis 9 Uhr höher, 22 bis 24 "
                                                            "Uhr höher")}));
    QCOMPARE(rows.at(1).mid(1), (QStringList{QStringLiteral("23 IE"),
                                             QStringLiteral("älteste gespeicherte Fassung")}));
    QCOMPARE(charted.size(), 2);
    QCOMPARE(charted.at(0).values, w.profile().content().rates);
    QCOMPARE(charted.at(1).values.at(6), 12);
    QCOMPARE(described, QStringLiteral("Gewählte Fassung: Tagessumme 23,5 IE; Fassung davor "
                                       "(gestrichelt): Tagessumme 23 IE"));
    QVERIFY(w.history().count() > 0); // the window changed nothing

    w.Neu1->trigger();
    QVERIFY(!w.Verlauf1->isEnabled());
}

void TestHistoryWindow::choosingAVersion_data()
{
    QTest::addColumn<bool>("restore");
    QTest::addColumn<bool>("older"); // the older of the two, else the one saved last
    QTest::addRow("Wiederherstellen, ältere") << true << true;
    QTest::addRow("Wiederherstellen, gespeicherte nach Änderung") << true << false;
    QTest::addRow("Vergleichen") << false << true;
}

// A version chosen in the list: restored as one undoable step, unsaved
// unless it is what the file holds; or shown as the comparison.
void TestHistoryWindow::choosingAVersion()
{
    QFETCH(bool, restore);
    QFETCH(bool, older);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = loadProfile(f);
    save(f, path);
    raise(w, 0, 2);
    save(f, path);
    const ProfileContent saved = w.profile().content();
    if (!older)
        raise(w, 5, 6);
    const ProfileContent before = w.profile().content();
    const int steps = w.history().count();

    const auto run = openHistory(w, [&](HistoryDialog* dialog) {
        dialog->ListeVerlauf->selectRow(older ? 1 : 0);
        (restore ? dialog->ButtonWiederherstellen : dialog->ButtonVergleichen)->click();
    });
    QVERIFY(run->found && !run->leftOpen);
    QCOMPARE(run->result, int(QDialog::Accepted));
    if (!restore) {
        QCOMPARE(w.profile().content(), before);
        QCOMPARE(w.history().count(), steps);
        QVERIFY(w.reference());
        QCOMPARE(w.reference()->source, ProfileReference::Source::StoredVersion);
        QVERIFY(w.reference()->name.startsWith(QStringLiteral("Fassung vom ")));
        QCOMPARE(w.reference()->rates.at(0), 8);
        QVERIFY(w.LabelVergleich->text().contains(QStringLiteral("0,2 IE weniger als diese")));
        return;
    }
    QCOMPARE(w.rate(1), older ? 8 : 9);
    QCOMPARE(w.rate(6), 8);
    QCOMPARE(w.DatenGespeichert(), !older);
    QCOMPARE(w.history().count(), steps + 1);
    QVERIFY(w.history().undoText().endsWith(QStringLiteral(" wiederhergestellt")));
    // Nothing on disk changed: only the next "Speichern" writes.
    Profilsatz onDisk;
    QVERIFY(readProfileFile(path, onDisk).ok());
    QCOMPARE(onDisk.toBytes(), [&] {
        Profilsatz record = onDisk;
        storeInRecord(saved, record);
        return record.toBytes();
    }());
    w.Rueckgaengig1->trigger();
    QCOMPARE(w.profile().content(), before);
    QCOMPARE(w.DatenGespeichert(), older);
}

// A kept version above today's maximum raises it as a load does.
void TestHistoryWindow::restoreRaisesTheMaximum()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = loadProfile(f);
    QList<qint32> high = kProfile;
    high[4] = 45;
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, high.at(h));
    QCOMPARE(VersionStore().keep(path, record.toBytes()).kind, KeepOutcome::Kind::Stored);

    const auto run = openHistory(w, [](HistoryDialog* dialog) {
        dialog->ButtonWiederherstellen->click(); // the newest is chosen when it opens
    });
    QVERIFY(run->found);
    QCOMPARE(w.rate(5), 45);
    QCOMPARE(w.Maximum(), 50);
    QVERIFY(f.home.read().contains("Maximum=50"));
    QCOMPARE(f.fake.boxes.size(), 1);
    QVERIFY(f.fake.boxes.constFirst().text.contains(
        QStringLiteral("automatisch auf den für die Rate nötigen Wert 5 IE/h heraufgesetzt")));
}

// "Verlauf führen": on when never set, written when toggled; off keeps nothing.
void TestHistoryWindow::keepingSwitch()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = loadProfile(f);
    const QByteArray before = f.home.read();
    bool shownOn = false;
    openHistory(w, [&](HistoryDialog* dialog) {
        shownOn = dialog->CheckBoxVerlauf->isChecked();
        QCOMPARE(f.home.read(), before);
        dialog->CheckBoxVerlauf->click();
    });
    QVERIFY(shownOn);
    QVERIFY(f.home.read().contains("Verlauf=0"));
    raise(w, 3, 4);
    save(f, path);
    QVERIFY(VersionStore().versions(path).isEmpty());

    openHistory(w, [&](HistoryDialog* dialog) {
        QVERIFY(!dialog->CheckBoxVerlauf->isChecked());
        dialog->CheckBoxVerlauf->click();
    });
    QVERIFY(f.home.read().contains("Verlauf=1"));
    raise(w, 3, 4);
    save(f, path);
    QCOMPARE(VersionStore().versions(path).size(), 1);
}

// A history folder that can't be made: the save is written and reported as
// ever; only the history window says the version is missing.
void TestHistoryWindow::unwritableHistoryLeavesTheSave()
{
    const QString blocker = m_data->filePath(QStringLiteral("datei"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocker + QStringLiteral("/daten")));
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/neu.bar");
    raise(w, 0, 1);
    save(f, path);
    Profilsatz onDisk;
    QVERIFY(readProfileFile(path, onDisk).ok());
    QCOMPARE(onDisk.rate(0), w.rate(1));

    QString note;
    openHistory(w, [&](HistoryDialog* dialog) {
        note = dialog->LabelHinweis->isVisible() ? dialog->LabelHinweis->text() : QString();
    });
    QVERIFY2(note.startsWith(
                 QStringLiteral("Die letzte Fassung konnte nicht im Verlauf abgelegt werden: ")),
             qPrintable(note));

    // Once a version is kept again, the note goes.
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    raise(w, 0, 1);
    save(f, path);
    openHistory(w, [&](HistoryDialog* dialog) {
        note = dialog->LabelHinweis->isVisible() ? dialog->LabelHinweis->text() : QString();
    });
    QCOMPARE(note, QString());
}

void TestHistoryWindow::twoHundredOneSaves()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = f.home.path() + QStringLiteral("/oft.bar");
    for (int i = 0; i < VersionStore::MaxVersions + 1; ++i) {
        w.ScrollBar(1)->triggerAction(i % 2 ? QAbstractSlider::SliderSingleStepAdd
                                            : QAbstractSlider::SliderSingleStepSub);
        save(f, path);
    }
    int rows = 0;
    openHistory(w, [&](HistoryDialog* dialog) { rows = dialog->ListeVerlauf->rowCount(); });
    QCOMPARE(rows, VersionStore::MaxVersions);
}

void TestHistoryWindow::deleteAfterTheQuestion()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString path = loadProfile(f);
    save(f, path);
    raise(w, 0, 1);
    save(f, path);
    QList<int> shown;
    f.fake.answer(MessageResult::Nein);
    f.fake.answer(MessageResult::Ja);
    openHistory(w, [&](HistoryDialog* dialog) {
        dialog->ButtonLoeschen->click();
        shown << dialog->ListeVerlauf->rowCount();
        dialog->ButtonLoeschen->click();
        shown << dialog->ListeVerlauf->rowCount();
        shown << int(dialog->ButtonLoeschen->isEnabled());
    });
    QCOMPARE(shown, (QList<int>{2, 0, 0}));
    QCOMPARE(f.fake.boxes.size(), 2);
    QVERIFY(f.fake.boxes.constFirst().text.contains(path));
    QVERIFY(!QFileInfo::exists(VersionStore().folderFor(path)));
    QVERIFY(QFileInfo::exists(path));
}

// The profile's folder became a link to a user's folder while the window was
// open: nothing there is deleted, and the failure box says why.
void TestHistoryWindow::deleteRefusedIsReported()
{
    MainWindowFixture f(30);
    const QString path = loadProfile(f);
    save(f, path);
    const QString folder = QDir::cleanPath(VersionStore().folderFor(path));
    const QString own = m_data->filePath(QStringLiteral("eigene"));
    f.fake.answer(MessageResult::Ja);
    int rows = -1;
    openHistory(f.w(), [&](HistoryDialog* dialog) {
        QVERIFY(QFile::rename(folder, own) && QFile::link(own, folder));
        dialog->ButtonLoeschen->click();
        rows = dialog->ListeVerlauf->rowCount();
    });
    QCOMPARE(rows, 0);
    QCOMPARE(f.fake.boxes.size(), 2);
    QVERIFY(f.fake.boxes.at(1).failure);
    QCOMPARE(f.fake.boxes.at(1).text,
             QStringLiteral("Der Verlauf ließ sich nicht ganz löschen: Der Ordner %1/ ist ein "
                            "Verweis auf einen anderen Ort.")
                 .arg(folder));
    QCOMPARE(QDir(own).entryList(QDir::Files).size(), 2); // the version and the index
}

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
