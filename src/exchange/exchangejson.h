#pragma once

// What the JSON readers share besides reading.h: dates and the order in
// which an object's members stand in the file.

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

namespace fendrimo::exchange {

// The member names of the object that is member `member` of the object at the
// top of the file (arrayIndex -1) or at arrayIndex of the top array, in file
// order. QJsonObject sorts its keys, so the text is read once more for this.
// The data must be valid JSON; anything unexpected gives an empty list.
QStringList memberKeysInFileOrder(const QByteArray& data, int arrayIndex, const QString& member);

// The members of object in fileOrder (from memberKeysInFileOrder), any it
// misses after them, each key once as the object's iterator hands it out. Qt
// drops a leading U+FEFF from a key it hands out but not from one it looks
// up, so a member is found by the name listed here, never by value(name).
QList<std::pair<QString, QJsonValue>> membersInOrder(const QJsonObject& object,
                                                     const QStringList& fileOrder);

// An ISO 8601 date and time, with or without milliseconds; else invalid.
QDateTime isoDateTime(const QJsonValue& value);

} // namespace fendrimo::exchange
