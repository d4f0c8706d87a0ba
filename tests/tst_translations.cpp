// Every text of the sources has a finished English translation: lupdate runs
// over the sources into a copy of translations/fendrimo_en.ts, so a new
// German text that nobody translated (or ran lupdate for) fails here.

#include "support/tsfile.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The placeholders of a text, sorted: a translation that loses one would
// leave out a value (a rate, a file name) from what the user reads.
QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextTranslated();
};

void TestTranslations::everyTextTranslated()
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("fendrimo_en.ts"));
    QVERIFY(QFile::copy(QStringLiteral(FENDRIMO_SOURCE_DIR "/translations/fendrimo_en.ts"), ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
    QStringList sources;
    for (QDirIterator it(QStringLiteral(FENDRIMO_SOURCE_DIR "/src"),
                         {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        sources << it.next();
    QProcess lupdate;
    lupdate.start(QStringLiteral(FENDRIMO_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-source-language"),
                              QStringLiteral("de"), QStringLiteral("-target-language"),
                              QStringLiteral("en"), QStringLiteral("-locations"),
                              QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                              // Includes resolve a class's namespace, as in the build.
                              QStringLiteral("-I"), QStringLiteral(FENDRIMO_SOURCE_DIR "/src")} +
                      sources + QStringList{QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    const QList<fendrimo::testing::TsMessage> messages = fendrimo::testing::readTsFile(ts);
    QVERIFY2(messages.size() > 300, qPrintable(QString::number(messages.size())));
    QStringList missing;
    for (const fendrimo::testing::TsMessage& message : messages) {
        if (!message.type.isEmpty() || message.translation.isEmpty())
            missing << QStringLiteral("%1: \"%2\"").arg(message.context, message.source);
        else if (placeholders(message.translation) != placeholders(message.source))
            missing << QStringLiteral("%1: \"%2\" (placeholders differ)")
                           .arg(message.context, message.source);
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(QStringLiteral("%1 texts without a finished English translation "
                                       "(run the update_translations target and translate):\n")
                            .arg(missing.size()) +
                        missing.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
