#pragma once

#include <QByteArray>
#include <QString>

namespace fendrimo {

// Text in profile files is 8-bit Windows-1252.

// Every byte decodes to a character; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to U+0081 ... as control characters.
QString fromCp1252(const QByteArray& bytes);

// Encodes text; a character the code page can't hold is written as '?' and
// makes *ok false (ok may be null).
QByteArray toCp1252(const QString& text, bool* ok = nullptr);

// True when the character can be stored in a profile file.
bool fitsCp1252(QChar ch);
bool fitsCp1252(const QString& text);

} // namespace fendrimo
