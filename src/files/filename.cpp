#include "files/filename.h"

#include "files/cp1252.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace fendrimo {

namespace {

constexpr char16_t kFirstKept = 0xDC80; // stands for byte 0x80
constexpr char16_t kLastKept = 0xDCFF;  // stands for byte 0xFF

// The code point of the well-formed UTF-8 sequence at bytes[i] and its
// length, or 0 when there is none: overlong forms, surrogates and values
// above U+10FFFF are no UTF-8.
int sequenceAt(const QByteArray& bytes, qsizetype i, char32_t& code)
{
    const auto lead = uchar(bytes.at(i));
    int length = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto next = uchar(bytes.at(i + k));
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool isKeptByte(const QString& name, qsizetype i)
{
    const char16_t unit = name.at(i).unicode();
    return unit >= kFirstKept && unit <= kLastKept && (i == 0 || !name.at(i - 1).isHighSurrogate());
}

void appendUtf8(QByteArray& bytes, char32_t code)
{
    if (code < 0x80) {
        bytes += char(code);
        return;
    }
    if (code < 0x800) {
        bytes += char(0xC0 | (code >> 6));
    } else {
        if (code < 0x10000) {
            bytes += char(0xE0 | (code >> 12));
        } else {
            bytes += char(0xF0 | (code >> 18));
            bytes += char(0x80 | ((code >> 12) & 0x3F));
        }
        bytes += char(0x80 | ((code >> 6) & 0x3F));
    }
    bytes += char(0x80 | (code & 0x3F));
}

} // namespace

QString decodeFileName(const QByteArray& bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = sequenceAt(bytes, i, code);
        if (length == 0) {
            name += QChar(char16_t(kFirstKept + (uchar(bytes.at(i)) - 0x80)));
            ++i;
            continue;
        }
        if (code > 0xFFFF) {
            name += QChar(QChar::highSurrogate(code));
            name += QChar(QChar::lowSurrogate(code));
        } else {
            name += QChar(char16_t(code));
        }
        i += length;
    }
    return name;
}

QByteArray encodeFileName(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar unit = name.at(i);
        if (isKeptByte(name, i)) {
            bytes += char(0x80 + (unit.unicode() - kFirstKept));
        } else if (unit.isHighSurrogate() && i + 1 < name.size() &&
                   name.at(i + 1).isLowSurrogate()) {
            appendUtf8(bytes, QChar::surrogateToUcs4(unit, name.at(i + 1)));
            ++i;
        } else {
            // Any other lone surrogate is no character: U+FFFD, as Qt writes it.
            appendUtf8(bytes, unit.isSurrogate() ? char32_t(0xFFFD) : char32_t(unit.unicode()));
        }
    }
    return bytes;
}

bool qtSpells(const QString& name)
{
    return QFile::encodeName(name) == encodeFileName(name);
}

QString displayFileName(const QString& name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (!isKeptByte(name, i))
            continue;
        const QString byte =
            fromCp1252(QByteArray(1, char(0x80 + (name.at(i).unicode() - kFirstKept))));
        // The code page's five holes decode to control characters: not for the screen.
        shown[i] = byte.at(0).isPrint() ? byte.at(0) : QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

QString cleanAbsolutePath(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

bool fileExists(const QString& name)
{
    struct stat status;
    return ::stat(encodeFileName(name).constData(), &status) == 0;
}

} // namespace fendrimo
