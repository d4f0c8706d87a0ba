#include "glucose/jsonscan.h"

#include <QCoreApplication>

#include <cstring>

namespace fendrimo::glucose {

namespace {

bool isNumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

bool isLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

} // namespace

bool JsonArrayScanner::fail()
{
    done_ = true;
    const QByteArrayView before = data_.first(std::min(at_, data_.size()));
    const qsizetype line = before.count('\n') + 1;
    error_ = QCoreApplication::translate(
                 "Glucose", "Eintrag %1: Das JSON ist in Zeile %2 fehlerhaft oder bricht ab.")
                 .arg(std::max(index_, 1))
                 .arg(line);
    return false;
}

void JsonArrayScanner::skipBlanks()
{
    while (at_ < data_.size()) {
        const char c = data_[at_];
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t')
            return;
        ++at_;
    }
}

bool JsonArrayScanner::start()
{
    if (data_.startsWith("\xEF\xBB\xBF"))
        at_ = 3;
    skipBlanks();
    if (at_ >= data_.size() || data_[at_] != '[')
        return false;
    ++at_;
    skipBlanks();
    if (at_ < data_.size() && data_[at_] == ']') {
        ++at_;
        done_ = true;
    }
    return true;
}

// A string from its opening quote; text is what stands between the quotes.
bool JsonArrayScanner::string(QByteArrayView& text)
{
    const qsizetype begin = ++at_;
    for (;;) {
        const void* found = std::memchr(data_.data() + at_, '"', size_t(data_.size() - at_));
        if (!found)
            return false;
        at_ = static_cast<const char*>(found) - data_.data();
        qsizetype slashes = 0;
        while (at_ - slashes > begin && data_[at_ - slashes - 1] == '\\')
            ++slashes;
        ++at_;
        if (slashes % 2 == 0)
            break;
    }
    text = data_.sliced(begin, at_ - 1 - begin);
    return true;
}

// An object or array from its opening bracket to its closing one.
bool JsonArrayScanner::nested()
{
    int depth = 0;
    QByteArrayView ignored;
    while (at_ < data_.size()) {
        const char c = data_[at_];
        if (c == '"') {
            if (!string(ignored))
                return false;
            continue;
        }
        ++at_;
        if (c == '{' || c == '[')
            ++depth;
        else if ((c == '}' || c == ']') && --depth == 0)
            return true;
    }
    return false;
}

bool JsonArrayScanner::value(JsonKind& kind, QByteArrayView& text)
{
    skipBlanks();
    if (at_ >= data_.size())
        return false;
    const char c = data_[at_];
    const qsizetype begin = at_;
    if (c == '"') {
        kind = JsonKind::String;
        return string(text);
    }
    if (c == '{' || c == '[') {
        kind = c == '{' ? JsonKind::Object : JsonKind::Array;
        const bool closed = nested();
        text = data_.sliced(begin, at_ - begin);
        return closed;
    }
    const bool number = isNumberChar(c);
    kind = number ? JsonKind::Number : JsonKind::Literal;
    while (at_ < data_.size() && (number ? isNumberChar(data_[at_]) : isLetter(data_[at_])))
        ++at_;
    text = data_.sliced(begin, at_ - begin);
    return at_ > begin;
}

bool JsonArrayScanner::objectMembers()
{
    ++at_;
    skipBlanks();
    if (at_ < data_.size() && data_[at_] == '}') {
        ++at_;
        return true;
    }
    for (;;) {
        JsonMember m{};
        skipBlanks();
        if (at_ >= data_.size() || data_[at_] != '"' || !string(m.key))
            return false;
        skipBlanks();
        if (at_ >= data_.size() || data_[at_++] != ':' || !value(m.kind, m.text))
            return false;
        members_.push_back(m);
        skipBlanks();
        if (at_ >= data_.size())
            return false;
        const char c = data_[at_++];
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
    if (at_ >= data_.size())
        return false;
    const char c = data_[at_++];
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
    members_.clear();
    skipBlanks();
    object_ = at_ < data_.size() && data_[at_] == '{';
    JsonKind kind;
    QByteArrayView text;
    const bool read = object_ ? objectMembers() : value(kind, text);
    return read && end() ? true : fail();
}

const JsonMember* JsonArrayScanner::member(QByteArrayView key) const
{
    for (const JsonMember& m : members_) {
        if (m.key == key)
            return &m;
    }
    return nullptr;
}

std::optional<JsonDecimal> jsonDecimal(QByteArrayView text)
{
    JsonDecimal d;
    d.negative = text.startsWith('-');
    qsizetype at = d.negative ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !point && digits > 0) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > 18)
            return std::nullopt;
        d.digits = d.digits * 10 + (c - '0');
        d.decimals += point ? 1 : 0;
    }
    if (digits == 0 || text.endsWith('.'))
        return std::nullopt;
    return d;
}

std::optional<std::int64_t> jsonWhole(QByteArrayView text)
{
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
