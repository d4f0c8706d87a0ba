#pragma once

#include <QByteArray>
#include <QString>

namespace fendrimo {

// File names as the system holds them: bytes, usually UTF-8 but not always (a
// name from an old Windows disk or archive may be Latin-1). Qt's own
// conversion turns such bytes into U+FFFD and can't find the file again; this
// one keeps each byte of an invalid sequence as U+DC80 + (byte - 0x80), a lone
// surrogate no real text holds, and gives it back when encoding. For every
// byte string b: encodeFileName(decodeFileName(b)) == b.
QString decodeFileName(const QByteArray& bytes);
QByteArray encodeFileName(const QString& name);

// Whether Qt's own file classes reach the file of that name (no kept bytes).
bool qtSpells(const QString& name);

// A name for the screen: each kept byte shown as its Windows-1252 character,
// as the name most likely read where it was made ("M\xfcller" as "Müller").
QString displayFileName(const QString& name);

// Whether a file or folder of that name is there, whatever its bytes.
bool fileExists(const QString& name);

// A path from outside (command line, dialog, dropped file) as it is kept and
// shown: absolute, without "." and ".." or doubled separators.
QString cleanAbsolutePath(const QString& path);

} // namespace fendrimo
