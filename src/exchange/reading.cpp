#include "exchange/reading.h"

#include "files/cp1252.h"
#include "files/profilefile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace fendrimo {

namespace {

// UTF-8's byte-order mark, a constant: nothing to construct at start-up.
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr qsizetype kByteOrderMarkSize = sizeof(kByteOrderMark) - 1;

// Text in UTF-16 has a byte-order mark, or a NUL byte beside every letter
// of the Latin alphabet: the other bytes in a pair are all NUL, these none.
bool isUtf16(const QByteArray& data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return true;
    const qsizetype pairs = std::min<qsizetype>(data.size() / 2, 32);
    if (pairs == 0)
        return false;
    bool evenZero = true, oddZero = true, evenSet = true, oddSet = true;
    for (qsizetype i = 0; i < pairs; ++i) {
        const bool even = data.at(2 * i) == '\0';
        const bool odd = data.at(2 * i + 1) == '\0';
        evenZero = evenZero && even;
        evenSet = evenSet && !even;
        oddZero = oddZero && odd;
        oddSet = oddSet && !odd;
    }
    return (evenZero && oddSet) || (oddZero && evenSet);
}

// Line breaks of CR alone (older Mac programs) would make the whole table one line.
bool onlyCarriageReturns(const QByteArray& data)
{
    return !data.contains('\n') && data.count('\r') > 1;
}

QString tooLargeText(qint64 limit)
{
    return QCoreApplication::translate("Exchange",
                                       "Die Datei ist größer als %1 MB und wird nicht gelesen.")
        .arg(limit / (1024 * 1024));
}

} // namespace

LimitedFile readLimitedFile(const QString& path)
{
    const FileStart read = readFileStart(path, kLargestExchangeFile + 1);
    LimitedFile file{read.data, {}};
    if (!read.ok())
        file.problem = fileErrorText(read.result.code) + QLatin1Char('.');
    else if (file.data.size() > kLargestExchangeFile)
        file.problem = QCoreApplication::translate("Exchange", "Die Datei ist größer als 10 MB.");
    return file;
}

QString fileSizeProblem(const QByteArray& data)
{
    return fileSizeProblem(data, kLargestExchangeFile);
}

LimitedFile readLimitedFile(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > limit)
        return {{}, tooLargeText(limit)};
    const FileStart read = readFileStart(path, limit + 1);
    if (!read.ok())
        return {{}, fileErrorText(read.result.code) + QLatin1Char('.')};
    return {read.data, fileSizeProblem(read.data, limit)};
}

QString fileSizeProblem(const QByteArray& data, qint64 limit)
{
    return data.size() <= limit ? QString() : tooLargeText(limit);
}

JsonFile parseJsonFile(const QByteArray& data)
{
    JsonFile file{{}, fileSizeProblem(data)};
    if (!file.problem.isEmpty())
        return file;
    QJsonParseError parseError;
    file.document = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError || file.document.isNull())
        file.problem = QCoreApplication::translate("Exchange", "Die Datei ist kein gültiges JSON.");
    return file;
}

bool looksLikeJson(const QByteArray& data)
{
    const QByteArray start = data.left(64).trimmed();
    return start.startsWith('{') || start.startsWith('[') || start.startsWith("\xEF\xBB\xBF{") ||
           start.startsWith("\xEF\xBB\xBF[");
}

bool looksLikeText(const QByteArray& data)
{
    return !data.contains('\0') || isUtf16(data);
}

QString tableTextProblem(const QByteArray& data)
{
    if (isUtf16(data))
        return QCoreApplication::translate("Csv", "Die Tabelle ist in UTF-16 gespeichert. Gelesen "
                                                  "werden Tabellen in UTF-8 oder Windows-1252.");
    if (data.contains('\0'))
        return QCoreApplication::translate("Csv",
                                           "Die Datei enthält Binärdaten und ist keine Tabelle.");
    if (onlyCarriageReturns(data))
        return QCoreApplication::translate(
            "Csv", "Die Zeilen der Tabelle enden nur mit CR (ältere "
                   "Mac-Programme). Gelesen werden Zeilenenden LF oder CR LF.");
    return QString();
}

// An older spreadsheet saves in the Windows code page, which decodes every
// byte. In a table of rates only the header can hold letters, so a wrong
// guess can't change a number.
QString tableText(QByteArray data)
{
    if (data.startsWith(kByteOrderMark))
        data.remove(0, kByteOrderMarkSize);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(data);
    return utf8.hasError() ? fromCp1252(data) : text;
}

QChar tableFieldSeparator(const QString& text)
{
    bool quoted = false;
    bool tab = false;
    for (const QChar ch : text) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && ch == QLatin1Char(';'))
            return ch;
        else if (!quoted && ch == QLatin1Char('\t'))
            tab = true;
    }
    return tab ? QLatin1Char('\t') : QLatin1Char(',');
}

QStringList splitFields(QStringView line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line[i];
        if (ch == QLatin1Char('"') && quoted && i + 1 < line.size() && line[i + 1] == ch) {
            field.append(ch);
            ++i;
        } else if (ch == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (ch == separator && !quoted) {
            fields.append(field.trimmed());
            field.clear();
        } else {
            field.append(ch);
        }
    }
    fields.append(field.trimmed());
    return fields;
}

} // namespace fendrimo
