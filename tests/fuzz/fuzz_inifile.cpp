// The settings file reader and writer fed any text as the file: every key
// read as each type, one value written and read back, every other line kept.

#include "fuzzcheck.h"
#include "platform/error.h"
#include "settings/inifile.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

using fendrimo::IniFile;

namespace {

struct Key
{
    QString section;
    QString key;
};

// The keys the program reads and writes.
const QList<Key>& programKeys()
{
    static const QList<Key> keys{
        {QStringLiteral("Einstellungen"), QStringLiteral("Maximum")},
        {QStringLiteral("Einstellungen"), QStringLiteral("FarbDruck")},
        {QStringLiteral("Einstellungen"), QStringLiteral("Verzeichnis")},
        {QStringLiteral("Teststring"), QStringLiteral("Datei")},
    };
    return keys;
}

// Memory-backed when the machine has it: every run writes the file twice.
QString settingsPath()
{
    static std::unique_ptr<QTemporaryDir> dir;
    if (!dir) {
        const QString shm = QStringLiteral("/dev/shm");
        dir =
            std::make_unique<QTemporaryDir>((QFileInfo(shm).isWritable() ? shm : QDir::tempPath()) +
                                            QStringLiteral("/fuzz_inifile-XXXXXX"));
        FUZZ_CHECK(dir->isValid());
    }
    return dir->filePath(QStringLiteral("fendr21f.ini"));
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The first section header and, below it, the first entry: a key that is
// really in the file, spelt as the file spells it.
std::optional<Key> keyFoundInFile(const QByteArray& bytes)
{
    std::optional<QString> section;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromLocal8Bit(raw).trimmed();
        if (line.startsWith(u'[')) {
            if (section)
                return std::nullopt;
            const qsizetype close = line.indexOf(u']');
            section = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (section && !line.startsWith(u';') && equals > 0) {
            const QString key = line.left(equals).trimmed();
            if (!key.isEmpty())
                return Key{*section, key};
        }
    }
    return std::nullopt;
}

bool sameKey(const Key& a, const Key& b)
{
    return a.section.compare(b.section, Qt::CaseInsensitive) == 0 &&
           a.key.compare(b.key, Qt::CaseInsensitive) == 0;
}

// Reads a key as every type. A missing key gives each default; an integer
// that isn't -7 gives its truth value as a bool.
QString readEveryType(const IniFile& ini, const Key& k)
{
    const QString missing = QStringLiteral("\x01");
    const QString text = ini.readString(k.section, k.key, missing);
    FUZZ_CHECK(text.size() <= 1023);
    const int number = ini.readInteger(k.section, k.key, -7);
    const bool flag = ini.readBool(k.section, k.key, true);
    if (text == missing)
        FUZZ_CHECK(number == -7 && flag);
    else if (number != -7)
        FUZZ_CHECK(flag == (number != 0));
    return text;
}

enum class Kind { String, Integer, Bool };

struct Line
{
    QByteArray text;
    QByteArray ending;
};

QList<Line> linesOf(const QByteArray& bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype feed = bytes.indexOf('\n', start);
        if (feed < 0) {
            lines.append({bytes.mid(start), QByteArray()});
            break;
        }
        const bool crlf = feed > start && bytes.at(feed - 1) == '\r';
        lines.append({bytes.mid(start, feed - start - (crlf ? 1 : 0)),
                      crlf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n")});
        start = feed + 1;
    }
    return lines;
}

// The file after a write is the file before with one line replaced, or one
// entry (and perhaps its section header) added; every other line is kept
// byte for byte. Only a last line without a line end may gain one.
void checkOtherLinesKept(const QByteArray& before, const QByteArray& after)
{
    const QList<Line> old = linesOf(before);
    const QList<Line> now = linesOf(after);
    FUZZ_CHECK(!now.isEmpty() && !now.last().ending.isEmpty());
    const auto same = [&](qsizetype i, qsizetype j) {
        const QByteArray was = old[i].text + old[i].ending;
        const QByteArray is = now[j].text + now[j].ending;
        if (i == old.size() - 1 && old[i].ending.isEmpty())
            return is == was + '\n' || is == was + "\r\n";
        return is == was;
    };
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < now.size() && same(prefix, prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           same(old.size() - 1 - suffix, now.size() - 1 - suffix))
        ++suffix;
    const qsizetype removed = old.size() - prefix - suffix;
    const qsizetype added = now.size() - prefix - suffix;
    // (0, 0): an entry rewritten with the same text.
    FUZZ_CHECK((removed == 0 && added <= 2) || (removed == 1 && added == 1));
}

// What the program stores as a string is a folder: it starts and ends with
// "/" and holds no NUL.
QString folderValue(const std::string& bytes)
{
    QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    text.remove(QChar(0));
    return QLatin1Char('/') + text.left(1000) + QLatin1Char('/');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    FuzzedDataProvider provider(data, size);
    const uint8_t choice = provider.ConsumeIntegral<uint8_t>();
    const int32_t number = provider.ConsumeIntegral<int32_t>();
    const std::string text = provider.ConsumeRandomLengthString(1100);

    const QString path = settingsPath();
    putFile(path, input);
    IniFile ini(path);

    QList<Key> keys = programKeys();
    if (const std::optional<Key> found = keyFoundInFile(input))
        keys.append(*found);
    QStringList before;
    for (const Key& k : std::as_const(keys))
        before.append(readEveryType(ini, k));

    const Key target = keys.at(choice % keys.size());
    const Kind kind = Kind((choice / 8) % 3);
    const QString value = folderValue(text);
    // A folder name may hold a line break, which the file can't keep: the
    // write is refused and the file stays as it was.
    const auto breaksLine = [](const QString& text) {
        return text.contains(u'\n') || text.contains(u'\r');
    };
    const bool storable = !breaksLine(target.section) && !breaksLine(target.key) &&
                          (kind != Kind::String || !breaksLine(value));
    bool refused = false;
    try {
        switch (kind) {
        case Kind::String:
            ini.writeString(target.section, target.key, value);
            break;
        case Kind::Integer:
            ini.writeInteger(target.section, target.key, number);
            break;
        case Kind::Bool:
            ini.writeBool(target.section, target.key, number & 1);
            break;
        }
    } catch (const fendrimo::Failure&) {
        refused = true;
    }
    FUZZ_CHECK(refused == !storable);
    if (refused) {
        FUZZ_CHECK(fileBytes(path) == input);
        return 0;
    }

    switch (kind) {
    case Kind::String:
        FUZZ_CHECK(ini.readString(target.section, target.key, QString()) == value);
        break;
    case Kind::Integer:
        FUZZ_CHECK(ini.readInteger(target.section, target.key, ~number) == number);
        break;
    case Kind::Bool:
        FUZZ_CHECK(ini.readBool(target.section, target.key, !(number & 1)) == bool(number & 1));
        break;
    }
    // Every other key reads as before.
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (!sameKey(keys.at(i), target))
            FUZZ_CHECK(ini.readString(keys.at(i).section, keys.at(i).key, QStringLiteral("\x01")) ==
                       before.at(i));
    }
    checkOtherLinesKept(input, fileBytes(path));
    return 0;
}
