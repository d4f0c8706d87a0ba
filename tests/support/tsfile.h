#pragma once

// The messages of a Qt Linguist translation file.

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

namespace fendrimo::testing {

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

inline QList<TsMessage> readTsFile(const QString& path)
{
    QFile file(path);
    QList<TsMessage> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    TsMessage current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            current.context = xml.readElementText();
        } else if (xml.name() == u"source") {
            current.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            current.type = xml.attributes().value(QStringLiteral("type")).toString();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    return messages;
}

} // namespace fendrimo::testing
