#include "settings/inifile.h"

#include "files/lockfile.h"
#include "files/profilefile.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QStandardPaths>

#include <utility>

namespace fendrimo {

namespace {

// Callers of the profile functions passed a 1024-character buffer.
constexpr qsizetype maxValueLength = IniFile::MaxValueLength;
// Far beyond any settings file; a larger one is not read, nor written blind.
constexpr qint64 largestFile = 16 * 1024 * 1024;
constexpr int notFound = 2; // FileResult's code for a missing file

// The file's bytes, or nothing when it can't be read as a regular file (a
// pipe would block the start for good) or is larger than any settings file.
std::optional<QByteArray> readSettingsFile(const QString& path, int* code = nullptr)
{
    const FileStart read = readFileStart(path, largestFile + 1);
    if (code)
        *code = read.result.code;
    if (!read.ok() || read.data.size() > largestFile)
        return std::nullopt;
    return read.data;
}

// One line of the file as it is on disk, so that lines we don't touch are
// written back byte for byte.
struct RawLine
{
    QByteArray text;   // without the line end
    QByteArray ending; // "\n", "\r\n", or empty for a last line without one
};

using RawLines = QList<RawLine>;

QByteArray lineFeed()
{
    return QByteArrayLiteral("\n");
}
QByteArray carriageReturnLineFeed()
{
    return QByteArrayLiteral("\r\n");
}

RawLines splitLines(const QByteArray& bytes)
{
    RawLines lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype feed = bytes.indexOf('\n', start);
        if (feed < 0) {
            lines.append(RawLine{bytes.mid(start), QByteArray()});
            break;
        }
        qsizetype end = feed;
        QByteArray ending = lineFeed();
        if (end > start && bytes.at(end - 1) == '\r') {
            --end;
            ending = carriageReturnLineFeed();
        }
        lines.append(RawLine{bytes.mid(start, end - start), ending});
        start = feed + 1;
    }
    return lines;
}

QByteArray joinLines(const RawLines& lines)
{
    QByteArray bytes;
    for (const RawLine& line : lines)
        bytes += line.text + line.ending;
    return bytes;
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    QString name;  // section or key name, trimmed
    QString value; // entries only: trimmed, quotes removed
};

QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

ParsedLine parseLine(const QByteArray& raw)
{
    ParsedLine parsed;
    const QString line = QString::fromLocal8Bit(raw).trimmed();
    if (line.startsWith(u'[')) {
        const qsizetype close = line.indexOf(u']', 1);
        parsed.kind = LineKind::Section;
        parsed.name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return parsed;
    }
    if (line.startsWith(u';'))
        return parsed;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return parsed;
    parsed.kind = LineKind::Entry;
    parsed.name = line.left(equals).trimmed();
    parsed.value = unquoted(line.mid(equals + 1).trimmed());
    return parsed;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The lines of a section: its header and everything up to the next header.
struct SectionRange
{
    qsizetype header = -1;
    qsizetype end = -1; // one past the last line
};

// Only the first section of that name counts; later duplicates are ignored.
SectionRange findSection(const RawLines& lines, const QString& section)
{
    SectionRange range;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = parseLine(lines.at(i).text);
        if (parsed.kind != LineKind::Section)
            continue;
        if (range.header >= 0) {
            range.end = i;
            return range;
        }
        if (sameName(parsed.name, section))
            range.header = i;
    }
    if (range.header >= 0)
        range.end = lines.size();
    return range;
}

// The index of the first entry of that key in the section, or -1.
qsizetype findEntry(const RawLines& lines, const SectionRange& range, const QString& key,
                    QString* value = nullptr)
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        ParsedLine parsed = parseLine(lines.at(i).text);
        if (parsed.kind == LineKind::Entry && sameName(parsed.name, key)) {
            if (value)
                *value = std::move(parsed.value);
            return i;
        }
    }
    return -1;
}

QString limitedLength(QString text)
{
    if (text.size() <= maxValueLength)
        return text;
    qsizetype length = maxValueLength;
    if (text.at(length - 1).isHighSurrogate())
        --length;
    text.truncate(length);
    return text;
}

Failure writeFailure(const QString& path)
{
    return Failure(QCoreApplication::translate("IniFile", "Kann nicht nach %1 schreiben")
                       .arg(QFileInfo(path).fileName()));
}

// cause: why, from takeLock().
Failure lockFailure(const QString& path, const QString& cause)
{
    return Failure(QCoreApplication::translate("IniFile", "Kann nicht nach %1 schreiben: %2")
                       .arg(QFileInfo(path).fileName(), cause));
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

int digitValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return c.unicode() - u'A' + 10;
}

// Digits from `pos` to the end of the text; nothing else may follow. The
// limit stops the accumulation long before qint64 could overflow.
std::optional<quint64> parseDigits(const QString& text, qsizetype pos, int base, quint64 limit)
{
    if (pos >= text.size())
        return std::nullopt;
    quint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const QChar c = text.at(pos);
        const bool digit = base == 16 ? isHexDigit(c) : (c >= u'0' && c <= u'9');
        if (!digit)
            return std::nullopt;
        value = value * quint64(base) + quint64(digitValue(c));
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

// Hexadecimal values cover the full 32 bits; $FFFFFFFF is -1.
int wrapped(quint64 value)
{
    return int(quint32(value));
}

} // namespace

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/fendrimo/") + settingsFileName();
}

std::optional<int> parseSettingsInteger(const QString& text)
{
    constexpr quint64 maxHex = 0xFFFFFFFFu;
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X')) {
        const std::optional<quint64> value = parseDigits(text, 2, 16, maxHex);
        if (!value)
            return std::nullopt;
        return wrapped(*value);
    }

    qsizetype pos = 0;
    while (pos < text.size() && (text.at(pos) == u' ' || text.at(pos) == u'\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'+' || text.at(pos) == u'-')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }

    if (pos < text.size() && text.at(pos) == u'$') {
        const std::optional<quint64> value = parseDigits(text, pos + 1, 16, maxHex);
        if (!value)
            return std::nullopt;
        // Negate in unsigned arithmetic: -$80000000 stays the smallest int.
        return wrapped(negative ? (0u - quint32(*value)) : *value);
    }

    const quint64 limit = negative ? 2147483648u : 2147483647u;
    const std::optional<quint64> value = parseDigits(text, pos, 10, limit);
    if (!value)
        return std::nullopt;
    return negative ? int(-qint64(*value)) : int(*value);
}

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

IniFile::~IniFile() = default;

// A copy is a handle of its own on the same file; the lock stays with the original.
IniFile::IniFile(const IniFile& other) : m_path(other.m_path) {}

void IniFile::locked(const std::function<void()>& change)
{
    if (m_lockDepth > 0) {
        change();
        return;
    }
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        throw writeFailure(m_path);
    // A lock left by a run that ended without unlocking is taken over.
    const QString lockPath = m_path + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockPath);
    if (const QString refused = takeLock(*m_lock, lockPath, LockWaitMs); !refused.isEmpty()) {
        m_lock.reset();
        throw lockFailure(m_path, refused);
    }
    ++m_lockDepth;
    const auto release = [this] {
        --m_lockDepth;
        m_lock.reset();
    };
    try {
        change();
    } catch (...) {
        release();
        throw;
    }
    release();
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    const std::optional<QByteArray> bytes = readSettingsFile(m_path);
    if (!bytes)
        return limitedLength(defaultValue);
    const RawLines lines = splitLines(*bytes);

    const SectionRange range = findSection(lines, section);
    if (range.header < 0)
        return limitedLength(defaultValue);
    QString value;
    if (findEntry(lines, range, key, &value) < 0)
        return limitedLength(defaultValue);
    return limitedLength(value);
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    return parseSettingsInteger(readString(section, key, QString())).value_or(defaultValue);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    // A line break would end the entry early and turn the rest into lines of
    // their own, even a section header (a folder name may hold one).
    for (const QString* text : {&section, &key, &value}) {
        if (text->contains(u'\n') || text->contains(u'\r'))
            throw writeFailure(m_path);
    }

    locked([&] { replaceEntry(section, key, value); });
}

void IniFile::replaceEntry(const QString& section, const QString& key, const QString& value)
{
    int code = 0;
    const std::optional<QByteArray> bytes = readSettingsFile(m_path, &code);
    // Rewriting a file it can't read would lose its contents.
    if (!bytes && code != notFound)
        throw writeFailure(m_path);
    RawLines lines = bytes ? splitLines(*bytes) : RawLines();

    const QByteArray ending = !lines.isEmpty() && lines.first().ending == carriageReturnLineFeed()
                                  ? carriageReturnLineFeed()
                                  : lineFeed();
    const QByteArray entry = (key + u'=' + value).toLocal8Bit();

    const SectionRange range = findSection(lines, section);
    if (range.header < 0) {
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            lines.last().ending = ending;
        lines.append(RawLine{(u'[' + section + u']').toLocal8Bit(), ending});
        lines.append(RawLine{entry, ending});
    } else if (const qsizetype found = findEntry(lines, range, key); found >= 0) {
        lines[found].text = entry;
    } else {
        // After the section's last non-blank line, so blank lines that
        // separate it from the next section stay where they are.
        qsizetype last = range.header;
        for (qsizetype i = range.header + 1; i < range.end; ++i) {
            if (!lines.at(i).text.trimmed().isEmpty())
                last = i;
        }
        if (lines.at(last).ending.isEmpty())
            lines[last].ending = ending;
        lines.insert(last + 1, RawLine{entry, ending});
    }
    if (lines.last().ending.isEmpty())
        lines.last().ending = ending;

    // Atomic: a crash or a full disk can't leave half a file.
    if (!writeFileAtomically(m_path, joinLines(lines)).ok())
        throw writeFailure(m_path);
}

bool IniFile::readsBackWhole(const QString& value)
{
    return value.size() <= maxValueLength && !value.contains(u'\n') && !value.contains(u'\r') &&
           value.trimmed() == value && unquoted(value) == value &&
           QString::fromLocal8Bit(value.toLocal8Bit()) == value;
}

void IniFile::writeInteger(const QString& section, const QString& key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::removeEntry(const QString& section, const QString& key)
{
    locked([&] {
        int code = 0;
        const std::optional<QByteArray> bytes = readSettingsFile(m_path, &code);
        if (!bytes)
            return; // nothing to remove from a file that isn't there
        RawLines lines = splitLines(*bytes);
        const SectionRange range = findSection(lines, section);
        const qsizetype found = range.header < 0 ? -1 : findEntry(lines, range, key);
        if (found < 0)
            return;
        lines.removeAt(found);
        if (!writeFileAtomically(m_path, joinLines(lines)).ok())
            throw writeFailure(m_path);
    });
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace fendrimo
