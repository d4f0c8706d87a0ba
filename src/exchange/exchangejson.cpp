#include "exchange/exchangejson.h"

#include <QHash>
#include <QJsonArray>
#include <QSet>

namespace fendrimo::exchange {

namespace {

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// Walks JSON text already known to be valid, without building values.
// Iterative, so deep nesting can't exhaust the stack.
class JsonWalker
{
public:
    explicit JsonWalker(const QByteArray& text) : m_text(text)
    {
        if (m_text.startsWith("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    bool take(char expected)
    {
        skipSpace();
        if (m_pos >= m_text.size() || m_text[m_pos] != expected)
            return false;
        ++m_pos;
        return true;
    }

    // Inside an object: the next member's key, up to its value; false at '}'.
    bool nextKey(QString& key, bool first)
    {
        if (take('}') || (!first && !take(',')))
            return false;
        skipSpace();
        const qsizetype start = m_pos;
        if (!skipString())
            return false;
        const QByteArray literal = '[' + m_text.mid(start, m_pos - start) + ']';
        if (!take(':'))
            return false;
        key = QJsonDocument::fromJson(literal).array().at(0).toString();
        return true;
    }

    bool skipValue()
    {
        skipSpace();
        if (m_pos >= m_text.size())
            return false;
        const char c = m_text[m_pos];
        if (c == '"')
            return skipString();
        if (c != '{' && c != '[') {
            while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && m_text[m_pos] != ',' &&
                   m_text[m_pos] != '}' && m_text[m_pos] != ']')
                ++m_pos;
            return true;
        }
        int depth = 0;
        while (m_pos < m_text.size()) {
            const char ch = m_text[m_pos];
            if (ch == '"') {
                if (!skipString())
                    return false;
                continue;
            }
            ++m_pos;
            if (ch == '{' || ch == '[')
                ++depth;
            else if ((ch == '}' || ch == ']') && --depth == 0)
                return true;
        }
        return false;
    }

private:
    void skipSpace()
    {
        while (m_pos < m_text.size() && isSpace(m_text[m_pos]))
            ++m_pos;
    }

    bool skipString()
    {
        ++m_pos; // the opening quote
        while (m_pos < m_text.size()) {
            const char ch = m_text[m_pos++];
            if (ch == '\\')
                ++m_pos;
            else if (ch == '"')
                return true;
        }
        return false;
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
};

} // namespace

QStringList memberKeysInFileOrder(const QByteArray& data, int arrayIndex, const QString& member)
{
    JsonWalker walker(data);
    if (arrayIndex >= 0) {
        if (!walker.take('['))
            return {};
        for (int i = 0; i < arrayIndex; ++i) {
            if (!walker.skipValue() || !walker.take(','))
                return {};
        }
    }
    QString key;
    if (!walker.take('{'))
        return {};
    for (bool first = true; walker.nextKey(key, first); first = false) {
        if (key != member) {
            if (!walker.skipValue())
                return {};
            continue;
        }
        QStringList keys;
        if (!walker.take('{'))
            return {};
        for (bool inner = true; walker.nextKey(key, inner); inner = false) {
            keys.append(key);
            if (!walker.skipValue())
                return keys;
        }
        return keys;
    }
    return {};
}

QList<std::pair<QString, QJsonValue>> membersInOrder(const QJsonObject& object,
                                                     const QStringList& fileOrder)
{
    // Hashes, not lists: a file may hold a hundred thousand profiles, and the
    // window waits for this.
    QHash<QString, QJsonValue> listed;
    QStringList iterated;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!listed.contains(it.key())) {
            listed.insert(it.key(), it.value());
            iterated.append(it.key());
        }
    }
    QList<std::pair<QString, QJsonValue>> members;
    QSet<QString> named;
    for (const QStringList& names : {fileOrder, iterated}) { // shared, not copied
        for (const QString& name : names) {
            if (listed.contains(name) && !named.contains(name)) {
                named.insert(name);
                members.append({name, listed.value(name)});
            }
        }
    }
    return members;
}

QDateTime isoDateTime(const QJsonValue& value)
{
    if (!value.isString())
        return {};
    const QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return time.isValid() ? time : QDateTime::fromString(value.toString(), Qt::ISODate);
}

} // namespace fendrimo::exchange
