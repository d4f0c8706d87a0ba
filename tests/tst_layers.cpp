// The layers of src/: every #include "folder/file.h" is checked against the
// table in src/LAYERS, and widget-free files against Qt's widget headers.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// folder -> the folders it may include, itself among them.
QHash<QString, QSet<QString>> readLayers(const QString& path)
{
    QHash<QString, QSet<QString>> layers;
    for (const QString& line : readText(path).split(u'\n')) {
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QString folder = line.section(u':', 0, 0).trimmed();
        QSet<QString> allowed{folder};
        for (const QString& used : line.section(u':', 1).split(u' ', Qt::SkipEmptyParts))
            allowed.insert(used);
        layers.insert(folder, allowed);
    }
    return layers;
}

// The files each sources.cmake lists as widget-free.
QSet<QString> coreFiles(const QString& src)
{
    QSet<QString> files;
    static const QRegularExpression block(
        QStringLiteral("list\\(APPEND FENDRIMO_CORE_SOURCES([^)]*)\\)"));
    for (const QString& folder : QDir(src).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString cmake = readText(src + u'/' + folder + QStringLiteral("/sources.cmake"));
        for (auto match = block.globalMatch(cmake); match.hasNext();) {
            for (const QString& file : match.next().captured(1).split(
                     QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                files.insert(file);
        }
    }
    return files;
}

// The header names of Qt's widget and print-support modules.
QSet<QString> widgetHeaders()
{
    QSet<QString> names;
    for (const char* folder : {FENDRIMO_QT_WIDGETS_HEADERS, FENDRIMO_QT_PRINTSUPPORT_HEADERS}) {
        for (const QString& name : QDir(QString::fromUtf8(folder)).entryList(QDir::Files))
            names.insert(name);
    }
    names.remove(QStringLiteral("qtwidgetsglobal.h"));
    return names;
}

} // namespace

class TestLayers : public QObject
{
    Q_OBJECT

private slots:
    void includesFollowTheTable();
};

// Every wrong include is named with its file and line.
void TestLayers::includesFollowTheTable()
{
    const QString src = qEnvironmentVariableIsSet("FENDRIMO_LAYERS_SOURCE")
                            ? qEnvironmentVariable("FENDRIMO_LAYERS_SOURCE")
                            : QStringLiteral(FENDRIMO_SOURCE_DIR "/src");
    const QHash<QString, QSet<QString>> layers = readLayers(src + QStringLiteral("/LAYERS"));
    QVERIFY2(!layers.isEmpty(), qPrintable(src + QStringLiteral("/LAYERS is missing")));
    const QSet<QString> coreSet = coreFiles(src);
    const QSet<QString> widgets = widgetHeaders();
    QVERIFY(widgets.contains(QStringLiteral("QWidget")));
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*([\"<])([^\">]+)[\">]"));
    QStringList wrong;
    int checked = 0;
    for (QDirIterator it(src, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString file = QDir(src).relativeFilePath(it.next());
        const QString folder = file.section(u'/', 0, 0);
        if (!layers.contains(folder)) {
            wrong
                << QStringLiteral("%1: the folder %2 has no line in src/LAYERS").arg(file, folder);
            continue;
        }
        const bool core = coreSet.contains(file);
        const QStringList lines = readText(it.filePath()).split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch match = include.match(lines.at(i));
            if (!match.hasMatch())
                continue;
            ++checked;
            const QString header = match.captured(2);
            const QString where = QStringLiteral("%1:%2: ").arg(file).arg(i + 1);
            if (match.captured(1) == u'<') {
                if (core && widgets.contains(header))
                    wrong << where + QStringLiteral("a widget-free file includes <%1>").arg(header);
                continue;
            }
            const QString qualified = header.contains(u'/') ? header : folder + u'/' + header;
            const QString used = qualified.section(u'/', 0, 0);
            if (!layers.value(folder).contains(used))
                wrong << where + QStringLiteral("%1 may not include %2 (\"%3\")")
                                     .arg(folder, used, header);
            else if (core && !coreSet.contains(qualified))
                wrong << where + QStringLiteral("a widget-free file includes \"%1\", which isn't")
                                     .arg(header);
        }
    }
    QVERIFY(checked > 100);
    QVERIFY2(wrong.isEmpty(), qPrintable(u'\n' + wrong.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
