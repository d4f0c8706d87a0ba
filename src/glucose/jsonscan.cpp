#include "glucose/jsonscan.h"

#include <QCoreApplication>

#include <cstring>
#include <stdexcept>

namespace fendrimo::glucose {

namespace {

inline bool isNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

} // namespace

JsonArrayScanner::JsonArrayScanner(QByteArrayView data, std::initializer_list<const char*> keys)
    : begin_(data.data()), p_(data.data()), end_(data.data() + data.size())
{
    if (keys.size() > size_t(kMostKeys))
        throw std::logic_error("more JSON keys than the scanner holds");
    size_t i = 0;
    for (const char* key : keys) {
        keys_[i] = QByteArrayView(key);
        keysStarting_[std::uint8_t(key[0])] |= std::uint8_t(1u << i);
        ++i;
    }
}

bool JsonArrayScanner::fail()
{
    done_ = true;
    const qsizetype line = QByteArrayView(begin_, p_ - begin_).count('\n') + 1;
    error_ = QCoreApplication::translate(
                 "Glucose", "Eintrag %1: Das JSON ist in Zeile %2 fehlerhaft oder bricht ab.")
                 .arg(std::max(index_, 1))
                 .arg(line);
    return false;
}

inline void JsonArrayScanner::skipBlanks()
{
    // Most often there is none: every byte above the blank is no blank.
    if (p_ < end_ && std::uint8_t(*p_) > ' ')
        return;
    const char* p = p_;
    while (p < end_ && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
        ++p;
    p_ = p;
}

bool JsonArrayScanner::start()
{
    if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0)
        p_ += 3;
    skipBlanks();
    if (p_ >= end_ || *p_ != '[')
        return false;
    ++p_;
    skipBlanks();
    if (p_ < end_ && *p_ == ']') {
        ++p_;
        done_ = true;
    }
    return true;
}

// A string from its opening quote; text is what stands between the quotes.
// A quote after an odd number of backslashes is inside.
inline bool JsonArrayScanner::string(QByteArrayView& text)
{
    const char* begin = p_ + 1;
    const char* p = begin;
    for (;;) {
        p = p < end_ ? static_cast<const char*>(std::memchr(p, '"', size_t(end_ - p))) : nullptr;
        if (!p)
            return false;
        const char* slashes = p;
        while (slashes > begin && slashes[-1] == '\\')
            --slashes;
        if ((p - slashes) % 2 == 0)
            break;
        ++p;
    }
    text = QByteArrayView(begin, p - begin);
    p_ = p + 1;
    return true;
}

// An object or array from its opening bracket to its closing one.
bool JsonArrayScanner::nested()
{
    int depth = 0;
    QByteArrayView ignored;
    while (p_ < end_) {
        const char c = *p_;
        if (c == '"') {
            if (!string(ignored))
                return false;
            continue;
        }
        ++p_;
        if (c == '{' || c == '[')
            ++depth;
        else if ((c == '}' || c == ']') && --depth == 0)
            return true;
    }
    return false;
}

bool JsonArrayScanner::value(JsonMember& member)
{
    skipBlanks();
    if (p_ >= end_)
        return false;
    const char c = *p_;
    const char* begin = p_;
    if (c == '"') {
        member.kind = JsonKind::String;
        return string(member.text);
    }
    if (c == '{' || c == '[') {
        member.kind = c == '{' ? JsonKind::Object : JsonKind::Array;
        const bool closed = nested();
        member.text = QByteArrayView(begin, p_ - begin);
        return closed;
    }
    const bool number = isNumberChar(c);
    member.kind = number ? JsonKind::Number : JsonKind::Literal;
    const char* p = p_;
    if (number) {
        while (p < end_ && isNumberChar(*p))
            ++p;
    } else {
        while (p < end_ && *p >= 'a' && *p <= 'z')
            ++p;
    }
    p_ = p;
    member.text = QByteArrayView(begin, p - begin);
    return p > begin;
}

inline int JsonArrayScanner::keyIndex(QByteArrayView key) const
{
    unsigned candidates = key.isEmpty() ? 0 : keysStarting_[std::uint8_t(key.front())];
    while (candidates != 0) {
        const int i = __builtin_ctz(candidates);
        candidates &= candidates - 1;
        const QByteArrayView wanted = keys_[size_t(i)];
        if (wanted.size() != key.size())
            continue;
        qsizetype at = 1; // the first byte chose the candidates
        while (at < key.size() && key[at] == wanted[at])
            ++at;
        if (at == key.size())
            return i;
    }
    return -1;
}

bool JsonArrayScanner::objectMembers()
{
    ++p_;
    skipBlanks();
    if (p_ < end_ && *p_ == '}')
        return ++p_, true;
    JsonMember skipped;
    for (;;) {
        QByteArrayView key;
        skipBlanks();
        if (p_ >= end_ || *p_ != '"' || !string(key))
            return false;
        skipBlanks();
        const int at = keyIndex(key);
        JsonMember& member = at >= 0 ? members_[size_t(at)] : skipped;
        if (p_ >= end_ || *p_++ != ':' || !value(member))
            return false;
        if (at >= 0)
            found_[size_t(at)] = true;
        skipBlanks();
        if (p_ >= end_)
            return false;
        const char c = *p_++;
        if (c == '}')
            return true;
        if (c != ',')
            return false;
    }
}

// After an element: "," and the next, or the array's "]".
bool JsonArrayScanner::end()
{
    skipBlanks();
    if (p_ >= end_)
        return false;
    const char c = *p_++;
    if (c == ']') {
        done_ = true;
        return true;
    }
    return c == ',';
}

bool JsonArrayScanner::next()
{
    if (done_)
        return false;
    ++index_;
    found_.fill(false);
    skipBlanks();
    JsonMember ignored;
    const bool read = p_ < end_ && *p_ == '{' ? objectMembers() : value(ignored);
    return read && end() ? true : fail();
}

std::optional<JsonDecimal> jsonDecimal(QByteArrayView text)
{
    JsonDecimal d;
    const char* p = text.data();
    const char* end = p + text.size();
    d.negative = p < end && *p == '-';
    p += d.negative ? 1 : 0;
    const char* digitsStart = p;
    const char* point = nullptr;
    int digits = 0;
    for (; p < end; ++p) {
        if (*p == '.' && !point && p > digitsStart) {
            point = p;
            continue;
        }
        if (*p < '0' || *p > '9' || ++digits > 18)
            return std::nullopt;
        d.digits = d.digits * 10 + (*p - '0');
    }
    if (digits == 0 || (point && point == end - 1))
        return std::nullopt;
    d.decimals = point ? int(end - point - 1) : 0;
    return d;
}

std::optional<std::int64_t> jsonWhole(QByteArrayView text)
{
    // Digits alone, as nearly always: read at once.
    std::int64_t value = 0;
    qsizetype i = 0;
    for (; i < text.size() && i < 18 && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    if (i > 0 && i == text.size())
        return value;
    std::optional<JsonDecimal> d = jsonDecimal(text);
    if (!d)
        return std::nullopt;
    for (; d->decimals > 0; --d->decimals) {
        if (d->digits % 10 != 0)
            return std::nullopt;
        d->digits /= 10;
    }
    return d->negative ? -d->digits : d->digits;
}

} // namespace fendrimo::glucose
