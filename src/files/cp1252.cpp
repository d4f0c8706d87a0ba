#include "files/cp1252.h"

namespace fendrimo {

namespace {

// Unicode for the bytes 0x80 ... 0x9F; 0 marks the five undefined bytes, which
// map to the C1 control of the same number.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

int encodeChar(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        const char16_t mapped = kHighControls[i];
        if (mapped == ch || (mapped == 0 && ch == char16_t(0x80 + i)))
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString fromCp1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(QChar(decodeByte(static_cast<unsigned char>(byte))));
    return text;
}

QByteArray toCp1252(const QString& text, bool* ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool allFit = true;
    for (const QChar ch : text) {
        const int code = encodeChar(ch.unicode());
        if (code < 0) {
            allFit = false;
            bytes.append('?');
        } else {
            bytes.append(char(code));
        }
    }
    if (ok)
        *ok = allFit;
    return bytes;
}

bool fitsCp1252(QChar ch)
{
    return encodeChar(ch.unicode()) >= 0;
}

bool fitsCp1252(const QString& text)
{
    for (const QChar ch : text) {
        if (!fitsCp1252(ch))
            return false;
    }
    return true;
}

} // namespace fendrimo
