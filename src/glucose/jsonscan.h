#pragma once

// A JSON array of objects read element by element, only the members asked
// for taken from the top of each object: a year of readings in
// QJsonDocument would take several times the file's size and far more
// time. Other members and values nested in a member are skipped whole,
// checked only for their brackets and strings.

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace fendrimo::glucose {

enum class JsonKind : std::uint8_t { String, Number, Literal, Object, Array };

struct JsonMember
{
    JsonKind kind = JsonKind::Literal;
    QByteArrayView text; // a string without its quotes, escapes left; a nested value whole
};

class JsonArrayScanner
{
public:
    static constexpr int kMostKeys = 6;

    // keys: the members each element is read for, at most kMostKeys.
    JsonArrayScanner(QByteArrayView data, std::initializer_list<const char*> keys);

    // Past a byte-order mark and blanks, the array's "["; false for other data.
    bool start();
    // The next element: false at the array's end or at an error.
    bool next();
    // The element's number, from 1.
    int index() const { return index_; }
    // The member of the key at position key of those asked for, if the
    // element is an object that has it.
    const JsonMember* member(int key) const
    {
        return found_[size_t(key)] ? &members_[size_t(key)] : nullptr;
    }
    // After next() returned false: why the data is no such array, or empty.
    QString error() const { return error_; }

private:
    bool fail();
    void skipBlanks();
    bool value(JsonMember& member);
    bool string(QByteArrayView& text);
    bool nested();
    bool objectMembers();
    bool end();
    int keyIndex(QByteArrayView key) const;

    const char* begin_;
    const char* p_;
    const char* end_;
    std::array<QByteArrayView, kMostKeys> keys_{};
    // By a key's first byte, the keys asked for that start with it, as bits.
    std::array<std::uint8_t, 256> keysStarting_{};
    std::array<JsonMember, kMostKeys> members_{};
    std::array<bool, kMostKeys> found_{};
    int index_ = 0;
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
