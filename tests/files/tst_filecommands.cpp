// "Speichern" and "Laden" through the menu of the real window, with the
// platform fake answering the dialogs, on real files.

#include "files/profilsatz.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QByteArray le32(qint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((quint32(value) >> (8 * i)) & 0xFF);
    return bytes;
}

// A profile file built byte by byte from the record layout.
QByteArray profileBytes(const QList<qint32>& rates, const QByteArray& datum = {},
                        const QByteArray& notes = {}, const QList<QByteArray>& bolus = {})
{
    QByteArray file;
    for (int h = 0; h < 24; ++h)
        file += le32(h < rates.size() ? rates[h] : 0);
    const auto shortString = [](const QByteArray& text, int capacity) {
        QByteArray field(capacity + 1, '\0');
        field[0] = char(text.size());
        for (int i = 0; i < text.size(); ++i)
            field[1 + i] = text[i];
        return field;
    };
    file += shortString(datum, 255);
    file += shortString(notes, 255);
    for (int slot = 0; slot < 9; ++slot)
        file += shortString(slot < bolus.size() ? bolus[slot] : QByteArray(), 4);
    file += QByteArray(3, '\0');
    return file;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString loadError(const QString& path)
{
    return QStringLiteral("Fehler beim Laden der Datei ") + path +
           QStringLiteral(" ! Möglicherweise ist die Datei beschädigt oder nicht vorhanden!");
}

QList<qint32> workedRates()
{
    QList<qint32> rates;
    for (int h = 0; h < 24; ++h)
        rates << (h < 6 ? 8 : h < 10 ? 12 : h < 18 ? 10 : 9);
    return rates;
}

// Puts the worked example on screen the way a user would.
void enterWorkedExample(Form1UnderTest& w)
{
    const QList<qint32> rates = workedRates();
    w.CheckBox1->setChecked(false);
    for (int n = 1; n <= 24; ++n) {
        w.ScrollBar(n)->setFocus();
        QTest::keyClick(w.ScrollBar(n), Qt::Key_End);
        for (int i = 0; i < rates[n - 1]; ++i)
            QTest::keyClick(w.ScrollBar(n), Qt::Key_Up);
    }
    w.EditDatum->setText(QStringLiteral("08.12.2026"));
    w.MemoNotizen->setPlainText(QStringLiteral("Sport\nabends"));
    w.EditBolus1->setText(QStringLiteral("1,5"));
    w.EditBolus4->setText(QStringLiteral("1,0"));
    w.EditBolus7->setText(QStringLiteral("1,2"));
}

QStringList rateTexts(Form1UnderTest& w)
{
    QStringList texts;
    for (int n = 1; n <= 24; ++n)
        texts << w.Edit(n)->text();
    return texts;
}

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    void saveWorkedExampleByteForByte();
    void saveUntouchedProfileIsAllZero();
    void saveSucceeds();
    void saveCancelled();
    void secondSaveProposesFirstPath();
    void saveFailures_data();
    void saveFailures();
    void saveOnFullDiskKeepsOldFile();
    void loadSucceeds();
    void loadQuestion_data();
    void loadQuestion();
    void loadCancelledAfterYes();
    void loadFailures_data();
    void loadFailures();
    void loadRaisesMaximum_data();
    void loadRaisesMaximum();
    void loadRejectsRateBeyondAnyMaximum();
    void reservedSlotsSurviveLoadAndSave();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void TestFileCommands::saveWorkedExampleByteForByte()
{
    MainWindowFixture f(30);
    enterWorkedExample(f.w());
    QCOMPARE(f.w().LabelSumme->text(), QStringLiteral("23"));
    const QString target = path(QStringLiteral("worked.bar"));
    f.fake.chooseFile(target);
    f.w().Basalratespeichern1->trigger();
    const QByteArray expected = profileBytes(workedRates(), "08.12.2026", "Sport\r\nabends",
                                             {"1,5", "", "", "1,0", "", "", "1,2"});
    QCOMPARE(expected.size(), 656);
    QCOMPARE(readAll(target), expected);
}

void TestFileCommands::saveUntouchedProfileIsAllZero()
{
    MainWindowFixture f(30);
    const QString target = path(QStringLiteral("zero.bar"));
    f.fake.chooseFile(target);
    f.w().Basalratespeichern1->trigger();
    QCOMPARE(readAll(target), QByteArray(656, '\0'));
}

void TestFileCommands::saveSucceeds()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.ScrollBar(1)->setFocus();
    QTest::keyClick(w.ScrollBar(1), Qt::Key_Up);
    QDir().mkpath(path(QStringLiteral("Daten")));
    const QString target = path(QStringLiteral("Daten/profil.bar"));
    f.fake.chooseFile(target);
    w.Basalratespeichern1->trigger();

    QCOMPARE(f.fake.fileDialogs.size(), 1);
    const FileDialogRequest& dialog = f.fake.fileDialogs[0];
    QCOMPARE(dialog.title, QStringLiteral("Basalrate speichern"));
    QCOMPARE(dialog.filter, QStringLiteral("Basalraten-Dateien (*.bar)"));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("bar"));
    QVERIFY(dialog.confirmOverwrite);
    QCOMPARE(dialog.startFolder, QString()); // a new settings file holds an empty folder
    QCOMPARE(f.fake.events.last(),
             QStringLiteral("box:Information:Basalrate erfolgreich gespeichert!"));
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo - ") + target);
    QVERIFY(
        f.home.read().contains("Verzeichnis=" + path(QStringLiteral("Daten/")).toUtf8() + "\n"));

    // The next load dialog opens in that folder.
    f.fake.chooseFile(std::nullopt);
    w.Basalrateladen1->trigger();
    QCOMPARE(f.fake.fileDialogs.last().startFolder, path(QStringLiteral("Daten/")));
    QCOMPARE(f.fake.fileDialogs.last().title, QStringLiteral("Basalrate laden"));
    QVERIFY(f.fake.fileDialogs.last().fileMustExist);
}

void TestFileCommands::saveCancelled()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.EditDatum->setText(QStringLiteral("x"));
    f.fake.chooseFile(std::nullopt);
    w.Basalratespeichern1->trigger();
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
    QVERIFY(f.fake.boxes.isEmpty());
    QCOMPARE(f.home.read(), setUpSettings(30));
}

void TestFileCommands::secondSaveProposesFirstPath()
{
    MainWindowFixture f(30);
    const QString first = path(QStringLiteral("first.bar"));
    f.fake.chooseFile(first);
    f.w().Basalratespeichern1->trigger();
    f.fake.chooseFile(std::nullopt);
    f.w().Basalratespeichern1->trigger();
    QCOMPARE(f.fake.fileDialogs[0].proposedFile, QString());
    QCOMPARE(f.fake.fileDialogs[1].proposedFile, first);
    QCOMPARE(f.fake.fileDialogs[1].startFolder, m_dir.path() + QLatin1Char('/'));
}

void TestFileCommands::saveFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("write-protected file") << "readonly"
                                          << "Dateizugriff verweigert.";
    QTest::newRow("missing folder") << "nofolder"
                                    << "Datei nicht gefunden.";
    QTest::newRow("a folder as the target") << "folder"
                                            << "Dateizugriff verweigert.";
}

void TestFileCommands::saveFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QString target = path(kind + QStringLiteral(".bar"));
    const QByteArray old = profileBytes({1, 2, 3}, "alt");
    if (kind == QLatin1String("readonly")) {
        writeFile(target, old);
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup));
    } else if (kind == QLatin1String("nofolder")) {
        target = path(QStringLiteral("fehlt/x.bar"));
    } else {
        QDir().mkpath(target);
    }
    w.EditBolus1->setText(QStringLiteral("2"));
    w.setWindowTitle(QStringLiteral("Fendrimo - vorher"));
    f.fake.chooseFile(target);
    w.Basalratespeichern1->trigger();

    QCOMPARE(f.fake.boxes.size(), 1);
    QVERIFY(f.fake.boxes[0].failure);
    QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Fendrimo"));
    QCOMPARE(f.fake.boxes[0].text, message);
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo - vorher"));
    QCOMPARE(f.home.read(), setUpSettings(30));
    if (kind == QLatin1String("readonly"))
        QCOMPARE(readAll(target), old);
    if (kind == QLatin1String("nofolder"))
        QVERIFY(!QFileInfo::exists(path(QStringLiteral("fehlt"))));
    QCOMPARE(w.EditBolus1->text(), QStringLiteral("2"));
}

void TestFileCommands::saveOnFullDiskKeepsOldFile()
{
    if (geteuid() != 0)
        QSKIP("mounting a small file system needs root");
    const QString mountPoint = path(QStringLiteral("klein"));
    QDir().mkpath(mountPoint);
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=8k"), QStringLiteral("tmpfs"), mountPoint}) != 0)
        QSKIP("tmpfs can't be mounted here");
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), mountPoint});
    });

    const QString target = mountPoint + QStringLiteral("/profil.bar");
    const QByteArray old = profileBytes({5, 5, 5}, "alt");
    writeFile(target, old);
    // Fill the rest of the file system.
    QFile filler(mountPoint + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    MainWindowFixture f(30);
    f.w().EditDatum->setText(QStringLiteral("neu"));
    f.fake.chooseFile(target);
    f.w().Basalratespeichern1->trigger();
    QCOMPARE(f.fake.boxes.size(), 1);
    QCOMPARE(f.fake.boxes[0].text, QStringLiteral("Kapazität der Diskette/Festplatte erschöpft."));
    QCOMPARE(readAll(target), old);
    QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden).size(), 2);
    QVERIFY(!f.w().DatenGespeichert());
}

void TestFileCommands::loadSucceeds()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString source = path(QStringLiteral("laden.bar"));
    QList<qint32> rates = workedRates();
    rates[3] = 0; // the bottom of the slider
    writeFile(source, profileBytes(rates, "08.12.2026", "Sport\r\nabends",
                                   {"1,5", "", "", "1,0", "", "", "1,2"}));
    QVERIFY(w.CheckBox1->isChecked());
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();

    QVERIFY(f.fake.boxes.isEmpty()); // saved profile: no question, no message
    QCOMPARE(w.ScrollBar(1)->value(), 22);
    QCOMPARE(w.ScrollBar(4)->value(), 30);
    QCOMPARE(w.ScrollBar(7)->value(), 18);
    QCOMPARE(rateTexts(w)[0], QStringLiteral("0,8"));
    QCOMPARE(rateTexts(w)[3], QStringLiteral("0"));
    QCOMPARE(rateTexts(w)[23], QStringLiteral("0,9"));
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("22,2"));
    QCOMPARE(w.EditDatum->text(), QStringLiteral("08.12.2026"));
    QCOMPARE(w.MemoNotizen->toPlainText(), QStringLiteral("Sport\nabends"));
    QCOMPARE(w.EditBolus1->text(), QStringLiteral("1,5"));
    QCOMPARE(w.EditBolus4->text(), QStringLiteral("1,0"));
    QCOMPARE(w.EditBolus7->text(), QStringLiteral("1,2"));
    QVERIFY(!w.CheckBox1->isChecked());
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.Maximum(), 30);
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo - ") + source);
    QVERIFY(f.home.read().contains("Verzeichnis=" + m_dir.path().toUtf8() + "/\n"));
    QTRY_COMPARE(w.LabelSaved->text(), QStringLiteral("Daten gespeichert: ja"));
}

void TestFileCommands::loadQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loads");
    QTest::newRow("Ja") << int(MessageResult::Ja) << true;
    QTest::newRow("Nein") << int(MessageResult::Nein) << false;
    // Only an explicit yes discards unsaved values.
    QTest::newRow("title-bar close") << int(MessageResult::Closed) << false;
}

void TestFileCommands::loadQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, loads);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString source = path(QStringLiteral("frage.bar"));
    writeFile(source, profileBytes(QList<qint32>(24, 10)));
    w.EditDatum->setText(QStringLiteral("ungespeichert"));
    f.fake.answer(MessageResult(answer));
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();
    QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Warnung"));
    QCOMPARE(f.fake.boxes[0].text,
             QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte "
                            "laden?"));
    QCOMPARE(f.fake.boxes[0].buttons, MessageButton::Ja | MessageButton::Nein);
    QCOMPARE(f.fake.fileDialogs.size(), loads ? 1 : 0);
    QCOMPARE(w.EditDatum->text(), loads ? QString() : QStringLiteral("ungespeichert"));
    QCOMPARE(w.DatenGespeichert(), loads);
    QCOMPARE(w.LabelSumme->text(), loads ? QStringLiteral("24") : QStringLiteral("0"));
    QCOMPARE(f.fake.exclamations, 0);
}

void TestFileCommands::loadCancelledAfterYes()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.EditBolus4->setText(QStringLiteral("3"));
    f.fake.answer(MessageResult::Ja);
    f.fake.chooseFile(std::nullopt);
    w.Basalrateladen1->trigger();
    QCOMPARE(w.EditBolus4->text(), QStringLiteral("3"));
    QVERIFY(!w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo Version 2.1F"));
}

void TestFileCommands::loadFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("655 bytes") << "short";
    QTest::newRow("missing file") << "missing";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a named pipe") << "fifo";
}

void TestFileCommands::loadFailures()
{
    QFETCH(QString, kind);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString source = path(kind + QStringLiteral(".bar"));
    if (kind == QLatin1String("short"))
        writeFile(source, profileBytes(QList<qint32>(24, 20)).left(655));
    else if (kind == QLatin1String("folder"))
        QDir().mkpath(source);
    else if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(source).constData(), 0600), 0);
    w.ScrollBar(2)->setFocus();
    QTest::keyClick(w.ScrollBar(2), Qt::Key_Up);
    f.saveProfile();
    w.setWindowTitle(QStringLiteral("Fendrimo - vorher"));
    const ProfileContent contentBefore = w.profile().content();
    const QByteArray settingsBefore = f.home.read();

    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();

    QCOMPARE(f.fake.events,
             (QStringList{QStringLiteral("open-dialog"), QStringLiteral("exclamation"),
                          QStringLiteral("box:Fehler:") + loadError(source)}));
    QCOMPARE(w.ScrollBar(2)->value(), 29);
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("2,3"));
    QVERIFY(w.CheckBox1->isChecked());
    QVERIFY(w.DatenGespeichert());
    QCOMPARE(w.windowTitle(), QStringLiteral("Fendrimo - vorher"));
    QVERIFY(w.profile().content() == contentBefore);
    QCOMPARE(f.home.read(), settingsBefore);
}

void TestFileCommands::loadRaisesMaximum_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("highest");
    QTest::addColumn<int>("raised"); // 0: no change, no message
    QTest::addColumn<QString>("label");
    QTest::newRow("65 raises 30 to 70") << 30 << 65 << 70 << "7 IE/h";
    QTest::newRow("40 raises 30 to 40") << 30 << 40 << 40 << "4 IE/h";
    QTest::newRow("equal to the maximum") << 30 << 30 << 0 << "3 IE/h";
    QTest::newRow("beyond the options' values") << 60 << 123 << 130 << "13 IE/h";
    QTest::newRow("lower rates never lower it") << 60 << 5 << 0 << "6 IE/h";
}

void TestFileCommands::loadRaisesMaximum()
{
    QFETCH(int, maximum);
    QFETCH(int, highest);
    QFETCH(int, raised);
    QFETCH(QString, label);
    MainWindowFixture f(maximum);
    Form1UnderTest& w = f.w();
    const QString source = path(QStringLiteral("hoch.bar"));
    QList<qint32> rates(24, 10);
    rates[9] = highest;
    writeFile(source, profileBytes(rates));
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();

    const int expectedMaximum = raised ? raised : maximum;
    QCOMPARE(w.Maximum(), expectedMaximum);
    QCOMPARE(w.LabelMax->text(), label);
    // The loaded file also heads the recent profiles, in a section of its own.
    QCOMPARE(f.home.read(),
             setUpSettings(expectedMaximum)
                     .replace("Verzeichnis=\n", "Verzeichnis=" + m_dir.path().toUtf8() + "/\n") +
                 "[Zuletzt]\nDatei1=" + source.toUtf8() + "\n");
    for (int n = 1; n <= 24; ++n) {
        QCOMPARE(w.ScrollBar(n)->maximum(), expectedMaximum);
        QCOMPARE(w.rate(n), rates[n - 1]);
    }
    QCOMPARE(w.Edit(10)->text(), ZehntelText(highest));
    if (raised) {
        QCOMPARE(f.fake.boxes.size(), 1);
        QCOMPARE(f.fake.boxes[0].caption, QStringLiteral("Information"));
        QCOMPARE(f.fake.boxes[0].text,
                 QStringLiteral("Max. Basalrateneingabe war kleiner als mind. eine der "
                                "Stundenraten der zu ladenden Basalrate. Das Maximum wurde "
                                "automatisch auf den für die Rate nötigen Wert ") +
                     ZehntelText(raised) +
                     QStringLiteral(" IE/h heraufgesetzt. Die höchste vorkommende Rate ist ") +
                     ZehntelText(highest) + QStringLiteral(" IE/h."));
    } else {
        QVERIFY(f.fake.boxes.isEmpty());
    }
}

void TestFileCommands::loadRejectsRateBeyondAnyMaximum()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString source = path(QStringLiteral("riesig.bar"));
    QList<qint32> rates(24, 0);
    rates[0] = 1000; // no pump programs 100 IE/h
    writeFile(source, profileBytes(rates));
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();
    QCOMPARE(f.fake.events.last(), QStringLiteral("box:Fehler:") + loadError(source));
    QCOMPARE(w.Maximum(), 30);
    QCOMPARE(f.home.read(), setUpSettings(30));

    // The largest loadable rate still works, and the maximum goes no higher.
    rates[0] = 999;
    writeFile(source, profileBytes(rates));
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();
    QCOMPARE(w.Maximum(), 999);
    QCOMPARE(w.Edit(1)->text(), QStringLiteral("99,9"));
    QCOMPARE(w.LabelSumme->text(), QStringLiteral("99,9"));
}

void TestFileCommands::reservedSlotsSurviveLoadAndSave()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    const QString source = path(QStringLiteral("reserviert.bar"));
    QByteArray bytes = profileBytes({1, 2}, "lang lang lang", {}, {"1", "R2", "R3", "4"});
    bytes[654] = '\x7F'; // padding
    writeFile(source, bytes);
    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();
    // A shorter date: the old tail must not leak into the file.
    w.EditDatum->setText(QStringLiteral("kurz"));
    const QString target = path(QStringLiteral("zurueck.bar"));
    f.fake.chooseFile(target);
    w.Basalratespeichern1->trigger();
    const QByteArray saved = readAll(target);
    QCOMPARE(saved.mid(613, 10), bytes.mid(613, 10)); // slots 2 and 3
    QCOMPARE(saved.at(654), '\x7F');
    QCOMPARE(saved.mid(96, 256), profileBytes({}, "kurz").mid(96, 256));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
