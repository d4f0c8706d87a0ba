// Faults in the main window that the monkey test found, kept as regression
// tests: text a profile file can't hold never reaches the screen, and what
// is on screen is what is saved.

#include "files/profilsatz.h"
#include "support/mainwindowfixture.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReproducers : public QObject
{
    Q_OBJECT

private slots:
    void typedIntoNotes_data();
    void typedIntoNotes();
    void pastedIntoBolus_data();
    void pastedIntoBolus();
    void loadedNotesKeepNoBreakSpace();

private:
    QTemporaryDir m_dir;
};

void TestReproducers::typedIntoNotes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("Chinese character") << QStringLiteral("日");
    // Texts that don't start with a printable character once slipped past the check.
    QTest::newRow("emoji (two UTF-16 units)") << QStringLiteral("🙂");
    QTest::newRow("zero width joiner") << QStringLiteral("\u200D");
}

// A character no profile file can hold is refused at the keyboard, as in the
// date field; otherwise the screen shows what the file won't keep.
void TestReproducers::typedIntoNotes()
{
    QFETCH(QString, typed);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    w.MemoNotizen->setFocus();
    QTest::keyClicks(w.MemoNotizen, QStringLiteral("ab"));
    QTest::sendKeyEvent(QTest::Click, w.MemoNotizen, Qt::Key_unknown, typed, Qt::NoModifier);
    QCOMPARE(w.MemoNotizen->toPlainText(), QStringLiteral("ab"));
}

void TestReproducers::pastedIntoBolus_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits") << QStringLiteral("1,5") << QStringLiteral("1,5");
    QTest::newRow("Greek letter refused") << QStringLiteral("Ω") << QString();
}

// "Einfügen" from a bolus field's context menu passes no key filter; what
// the file can't hold must still stay out, or the saved file differs from
// the screen.
void TestReproducers::pastedIntoBolus()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    QApplication::clipboard()->setText(pasted);
    w.EditBolus4->setFocus();
    w.EditBolus4->paste();
    QCOMPARE(w.EditBolus4->text(), shown);
    const QString target = m_dir.filePath(QStringLiteral("bolus.bar"));
    f.fake.chooseFile(target);
    w.Basalratespeichern1->trigger();
    Profilsatz saved;
    QVERIFY(saved.assignBytes(readAll(target)));
    QCOMPARE(saved.bolus(4), shown);
}

// A no-break space (0xA0) in a profile's notes survives loading and saving.
void TestReproducers::loadedNotesKeepNoBreakSpace()
{
    MainWindowFixture f(30);
    Form1UnderTest& w = f.w();
    Profilsatz record;
    record.setNotizen(QStringLiteral("10\u00A0IE vor dem Sport"));
    const QString source = m_dir.filePath(QStringLiteral("nbsp.bar"));
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(record.toBytes()), qint64(Profilsatz::Size));
    file.close();

    f.fake.chooseFile(source);
    w.Basalrateladen1->trigger();
    const QString target = m_dir.filePath(QStringLiteral("nbsp-saved.bar"));
    f.fake.chooseFile(target);
    w.Basalratespeichern1->trigger();
    QCOMPARE(w.MemoNotizen->text(), QStringLiteral("10\u00A0IE vor dem Sport"));
    QCOMPARE(readAll(target).mid(352, 256), record.toBytes().mid(352, 256));
}

QTEST_MAIN(TestReproducers)
#include "tst_reproducers.moc"
