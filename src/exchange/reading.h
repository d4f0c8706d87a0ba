#pragma once

// Reading what a user hands the program, whatever kind of data it holds: the
// size limit and a file read under it, JSON parsed within that limit, the
// text of a table split into lines' fields, and (exactdecimal.h) numbers as
// the decimals they were written as. Every reader of a user's file takes
// these, so all refuse alike. Errors are whole sentences in the language of
// the interface.

#include "exchange/exactdecimal.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace fendrimo {

// Files larger than this are refused before they are read.
constexpr qint64 kLargestExchangeFile = qint64(10) * 1024 * 1024;

// A user's file read under the limit: its bytes (at most one beyond the
// limit), or the problem to report when it can't be read or is larger.
struct LimitedFile
{
    QByteArray data;
    QString problem;
};
LimitedFile readLimitedFile(const QString& path);

// Empty when the data is at most kLargestExchangeFile bytes.
QString fileSizeProblem(const QByteArray& data);

// JSON parsed within the limit: the document, or the problem (too large or
// not JSON).
struct JsonFile
{
    QJsonDocument document;
    QString problem;
};
JsonFile parseJsonFile(const QByteArray& data);

// The same under another limit, for data of another kind than a profile: a
// file larger than limit is refused before it is read.
LimitedFile readLimitedFile(const QString& path, qint64 limit);
QString fileSizeProblem(const QByteArray& data, qint64 limit);

// JSON starts with an object or an array, after a byte-order mark if any; a
// table never does.
bool looksLikeJson(const QByteArray& data);

// Whether data can be the text of a table or a JSON file: no NUL byte, or
// text in UTF-16, which tableTextProblem names. Every profile file has NUL
// bytes: the high bytes of its rates.
bool looksLikeText(const QByteArray& data);

// Why data is no table text the program reads (UTF-16, binary data, lines
// ending in CR alone); empty when it is one.
QString tableTextProblem(const QByteArray& data);

// The text of a table: UTF-8 without its byte-order mark, or Windows-1252
// when it isn't UTF-8.
QString tableText(QByteArray data);

// ";" or a tab outside quotes, in this order; "," only without either.
QChar tableFieldSeparator(const QString& text);

// Fields with blanks around dropped; a field may stand in double quotes, a
// quote inside doubled.
QStringList splitFields(QStringView line, QChar separator);

} // namespace fendrimo
