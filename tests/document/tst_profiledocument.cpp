// The profile document without a window: opening, saving, the saved state
// through edits, undo and redo, imports, restored versions, the maximum and
// the comparison. Each row is a script of operations on one document.

#include "document/profiledocument.h"
#include "exchange/formats.h"
#include "files/profilerecord.h"
#include "history/versionstore.h"
#include "settings/settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace fendrimo;

namespace {

// What a step that can be undone says of a maximum it raised.
QString raisedText(const std::optional<RaisedMaximum>& raised)
{
    if (!raised)
        return QString();
    return QStringLiteral("raised %1%2")
        .arg(raised->maximum)
        .arg(raised->staysOnUndo ? " stays" : "");
}

// A profile file with every hour at rate, and a byte no field fills.
QByteArray profileBytes(qint32 rate)
{
    Profilsatz record;
    for (int h = 0; h < Profilsatz::Hours; ++h)
        record.setRate(h, rate);
    record.setBolus(2, QStringLiteral("x")); // a reserved slot
    return record.toBytes();
}

} // namespace

class TestProfileDocument : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void script_data();
    void script();

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    // Runs one operation; false when it isn't known.
    bool run(ProfileDocument& document, const QString& operation);
    bool compare(ProfileDocument& document, const QString& what, const QString& which);
    QString state(const ProfileDocument& document) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<RaisedMaximum> m_raised;
    QString m_outcome;
};

void TestProfileDocument::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    Settings().setMaximum(30);
    for (const qint32 rate : {8, 45}) {
        QFile file(path(QStringLiteral("r%1.bar").arg(rate)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(profileBytes(rate));
    }
    QFile broken(path(QStringLiteral("kurz.bar")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("zu kurz");
    m_raised.reset();
    m_outcome.clear();
}

void TestProfileDocument::script_data()
{
    QTest::addColumn<QStringList>("operations");
    // After each operation: "saved"/"unsaved", the first rate, the maximum,
    // and what the last operation returned.
    QTest::addColumn<QStringList>("states");

    QTest::newRow("open a good file")
        << QStringList{"open r8.bar"} << QStringList{"saved 8 30 opened"};
    QTest::newRow("open raises the maximum")
        << QStringList{"open r45.bar", "stored"}
        << QStringList{"saved 45 50 raised 50", "saved 45 50 Maximum 50"};
    QTest::newRow("a short file changes nothing")
        << QStringList{"rate 0 3", "open kurz.bar"}
        << QStringList{"unsaved 3 30", "unsaved 3 30 refused"};
    QTest::newRow("edit, undo, redo") << QStringList{"rate 0 5", "undo", "redo"}
                                      << QStringList{"unsaved 5 30", "saved 0 30", "unsaved 5 30"};
    QTest::newRow("a slider action that moves nothing")
        << QStringList{"rate 0 0"} << QStringList{"unsaved 0 30"};
    QTest::newRow("save, then undo back past it")
        << QStringList{"rate 0 5", "save neu.bar", "undo", "redo"}
        << QStringList{"unsaved 5 30", "saved 5 30 written versions 1", "unsaved 0 30",
                       "saved 5 30"};
    QTest::newRow("save keeps the bytes no field fills")
        << QStringList{"open r8.bar", "rate 3 9", "save r8.bar", "bytes r8.bar"}
        << QStringList{"saved 8 30 opened", "unsaved 8 30", "saved 8 30 written versions 1",
                       "saved 8 30 slot x"};
    QTest::newRow("save into a missing folder")
        << QStringList{"rate 0 5", "save fehlt/neu.bar"}
        << QStringList{"unsaved 5 30", "unsaved 5 30 code 2"};
    QTest::newRow("history store failing leaves the save")
        << QStringList{"block history", "save neu.bar"}
        << QStringList{"saved 0 30", "saved 0 30 written versions 0 note"};
    QTest::newRow("history off keeps nothing")
        << QStringList{"history off", "save neu.bar"}
        << QStringList{"saved 0 30", "saved 0 30 written versions 0"};
    QTest::newRow("import raises and is one step")
        << QStringList{"import 45", "undo"}
        << QStringList{"unsaved 45 50 raised 50 stays", "saved 0 50"};
    QTest::newRow("import undone links again; one that changes nothing is no step")
        << QStringList{"import 5", "undo", "linked", "import 0", "redo"}
        << QStringList{"unsaved 5 30", "saved 0 30", "saved 0 30 on", "saved 0 30", "unsaved 5 30"};
    QTest::newRow("restore equal to the file is saved")
        << QStringList{"save neu.bar", "rate 0 7", "restore 0"}
        << QStringList{"saved 0 30 written versions 1", "unsaved 7 30", "saved 0 30"};
    QTest::newRow("maximum below a rate is refused")
        << QStringList{"rate 0 25", "maximum 20", "stored"}
        << QStringList{"unsaved 25 30", "unsaved 25 30 refused by 25", "unsaved 25 30 Maximum 30"};
    QTest::newRow("a lower maximum forgets the steps")
        << QStringList{"rate 0 5", "maximum 20", "undo"}
        << QStringList{"unsaved 5 30", "unsaved 5 20", "unsaved 5 20"};
    QTest::newRow("comparison with the saved content follows saves")
        << QStringList{"compare saved", "rate 0 5", "save neu.bar", "reference"}
        << QStringList{"saved 0 30", "unsaved 5 30", "saved 5 30 written versions 1",
                       "saved 5 30 reference 5"};
    QTest::newRow("comparison with a version stays at saves until it ends")
        << QStringList{"save neu.bar", "rate 0 5",    "compare version 0", "save neu.bar",
                       "reference",    "compare end", "reference"}
        << QStringList{"saved 0 30 written versions 1", "unsaved 5 30",           "unsaved 5 30",
                       "saved 5 30 written versions 2", "saved 5 30 reference 0", "saved 5 30",
                       "saved 5 30 reference none"};
    QTest::newRow("opening ends the comparison")
        << QStringList{"compare saved", "open r8.bar", "reference"}
        << QStringList{"saved 0 30", "saved 8 30 opened", "saved 8 30 reference none"};
    QTest::newRow("taking hours from the comparison is one step")
        << QStringList{"compare file r8.bar", "take 0 1", "hour 2", "undo", "reference"}
        << QStringList{"saved 0 30", "unsaved 8 30", "unsaved 8 30 hour 2: 0", "saved 0 30",
                       "saved 0 30 reference 8"};
    QTest::newRow("a taken rate above the maximum raises it")
        << QStringList{"compare file r45.bar", "take 5", "stored"}
        << QStringList{"saved 0 30", "unsaved 0 50 raised 50 stays", "unsaved 0 50 Maximum 50"};
    QTest::newRow("taking hours that already agree is no step")
        << QStringList{"compare saved", "take 3", "undo"}
        << QStringList{"saved 0 30", "saved 0 30", "saved 0 30"};
    QTest::newRow("new ends it too, and the file")
        << QStringList{"open r8.bar", "compare saved", "new", "reference"}
        << QStringList{"saved 8 30 opened", "saved 8 30", "saved 0 30",
                       "saved 0 30 reference none"};
}

void TestProfileDocument::script()
{
    QFETCH(QStringList, operations);
    QFETCH(QStringList, states);
    Settings settings;
    ProfileDocument document(settings, 30);
    document.startUp(Settings().maximum());
    for (int i = 0; i < operations.size(); ++i) {
        m_outcome.clear();
        QVERIFY2(run(document, operations.at(i)), qPrintable(operations.at(i)));
        QCOMPARE(state(document), states.at(i));
    }
}

bool TestProfileDocument::run(ProfileDocument& document, const QString& operation)
{
    const QStringList word = operation.split(u' ');
    const auto number = [&](int i) { return word.value(i).toInt(); };
    const QString& verb = word.at(0);
    if (verb == u"open") {
        const OpenOutcome opened = document.open(path(word.at(1)));
        m_outcome = !opened.opened  ? QStringLiteral("refused")
                    : opened.raised ? QStringLiteral("raised %1").arg(opened.raised->maximum)
                                    : QStringLiteral("opened");
    } else if (verb == u"save") {
        const SaveOutcome saved = document.save(path(word.at(1)));
        m_outcome = saved.written.ok() ? QStringLiteral("written versions %1%2")
                                             .arg(VersionStore().versions(path(word.at(1))).size())
                                             .arg(document.historyNote().isEmpty() ? "" : " note")
                                       : QStringLiteral("code %1").arg(saved.written.code);
    } else if (verb == u"rate") {
        document.setRate(number(1), number(2));
    } else if (verb == u"undo" || verb == u"redo") {
        verb == u"undo" ? document.undo() : document.redo();
    } else if (verb == u"new") {
        document.makeNew();
    } else if (verb == u"import") {
        ImportedProfile imported;
        imported.rates.fill(number(1));
        const auto raised = document.applyImport(imported, QStringLiteral("Import"));
        m_outcome = raisedText(raised);
    } else if (verb == u"linked") {
        m_outcome = QLatin1String(document.profile().linkedDragging() ? "on" : "off");
    } else if (verb == u"restore") {
        const StoredVersion version = VersionStore().versions(document.currentFile()).at(number(1));
        document.restoreVersion(version, QStringLiteral("Fassung wiederhergestellt"));
    } else if (verb == u"maximum") {
        const MaximumOutcome outcome = document.setOptions(number(1), true);
        if (outcome.refusedBy)
            document.storeMaximumInForce();
        m_outcome =
            outcome.refusedBy ? QStringLiteral("refused by %1").arg(*outcome.refusedBy) : QString();
    } else if (verb == u"compare") {
        return compare(document, word.value(1), word.value(2));
    } else if (verb == u"take") {
        QList<int> hours;
        for (int i = 1; i < word.size(); ++i)
            hours << number(i);
        const auto raised = document.takeFromReference(hours);
        m_outcome = raisedText(raised);
    } else if (verb == u"hour") {
        m_outcome = QStringLiteral("hour %1: %2")
                        .arg(word.at(1))
                        .arg(document.content().rates.at(size_t(number(1))));
    } else if (verb == u"reference") {
        m_outcome = document.reference()
                        ? QStringLiteral("reference %1").arg(document.reference()->rates.at(0))
                        : QStringLiteral("reference none");
    } else if (verb == u"stored") {
        m_outcome = QStringLiteral("Maximum %1").arg(Settings().storedMaximum());
    } else if (verb == u"bytes") {
        Profilsatz record;
        readProfileFile(path(word.at(1)), record);
        m_outcome = QStringLiteral("slot ") + record.bolus(2);
    } else if (verb == u"block") {
        // A file where the data folder should be: no one can keep versions.
        QFile blocker(path(QStringLiteral("data")));
        return blocker.open(QIODevice::WriteOnly);
    } else if (verb == u"history") {
        Settings().setVerlauf(false);
    } else {
        return false;
    }
    return true;
}

// "compare file <name>", "compare version <n>", "compare saved", "compare end".
bool TestProfileDocument::compare(ProfileDocument& document, const QString& what,
                                  const QString& which)
{
    if (what == u"file") {
        const auto preselected = [](const QStringList&, int index) { return index; };
        const auto read = importAnyFile(path(which), preselected, RegionalFormats());
        if (read && read->profile)
            document.compareWith(*read->profile, which);
        return read && read->profile;
    }
    if (what == u"version") {
        const QList<StoredVersion> versions = VersionStore().versions(document.currentFile());
        document.compareWithVersion(versions.at(which.toInt()), QStringLiteral("Fassung"));
    } else {
        what == u"end" ? document.endComparison() : document.compareWithSaved();
    }
    return true;
}

QString TestProfileDocument::state(const ProfileDocument& document) const
{
    const QString state = QStringLiteral("%1 %2 %3")
                              .arg(document.isSaved() ? "saved" : "unsaved")
                              .arg(document.content().rates.at(0))
                              .arg(document.maximum());
    return m_outcome.isEmpty() ? state : state + u' ' + m_outcome;
}

QTEST_GUILESS_MAIN(TestProfileDocument)
#include "tst_profiledocument.moc"
