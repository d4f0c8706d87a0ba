#pragma once

// What the JSON readers share: the size limit, the parse and the order in
// which an object's members stand in the file.

#include <QByteArray>
#include <QJsonDocument>
#include <QString>
#include <QStringList>

namespace fendrimo::exchange {

// Empty when the data is at most kLargestExchangeFile bytes.
QString fileSizeProblem(const QByteArray& data);

// The document, or an error text: too large or not JSON.
QString parseJsonFile(const QByteArray& data, QJsonDocument& document);

// The member names of the object that is member `member` of the object at the
// top of the file (arrayIndex -1) or at arrayIndex of the top array, in file
// order. QJsonObject sorts its keys, so the text is read once more for this.
// The data must be valid JSON; anything unexpected gives an empty list.
QStringList memberKeysInFileOrder(const QByteArray& data, int arrayIndex, const QString& member);

} // namespace fendrimo::exchange
