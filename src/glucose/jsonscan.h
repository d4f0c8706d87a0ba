#pragma once

// A JSON array of objects read element by element, only the members at the
// top of each object taken apart: a year of readings in QJsonDocument would
// take several times the file's size and far more time. Values nested in a
// member are skipped whole, checked only for their brackets and strings.

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace fendrimo::glucose {

enum class JsonKind : std::uint8_t { String, Number, Literal, Object, Array };

struct JsonMember
{
    QByteArrayView key; // as written, escapes left
    JsonKind kind;
    QByteArrayView text; // a string without its quotes, escapes left; a nested value whole
};

class JsonArrayScanner
{
public:
    explicit JsonArrayScanner(QByteArrayView data) : data_(data) {}

    // Past a byte-order mark and blanks, the array's "["; false for other data.
    bool start();
    // The next element: false at the array's end or at an error.
    bool next();
    bool isObject() const { return object_; }
    const std::vector<JsonMember>& members() const { return members_; }
    // The element's number, from 1.
    int index() const { return index_; }
    // The member of that key, if the element has it.
    const JsonMember* member(QByteArrayView key) const;
    // After next() returned false: why the data is no such array, or empty.
    QString error() const { return error_; }

private:
    bool fail();
    void skipBlanks();
    bool value(JsonKind& kind, QByteArrayView& text);
    bool string(QByteArrayView& text);
    bool nested();
    bool objectMembers();
    bool end();

    QByteArrayView data_;
    qsizetype at_ = 0;
    std::vector<JsonMember> members_;
    int index_ = 0;
    bool object_ = false;
    bool done_ = false;
    QString error_;
};

// A JSON number that is whole ("1715630840000", also "1715630840000.0").
std::optional<std::int64_t> jsonWhole(QByteArrayView text);

// A JSON number as digits and the count of those after the point:
// "7.88" is {788, 2}. No exponent, at most 18 digits.
struct JsonDecimal
{
    std::int64_t digits = 0;
    int decimals = 0;
    bool negative = false;
};
std::optional<JsonDecimal> jsonDecimal(QByteArrayView text);

} // namespace fendrimo::glucose
