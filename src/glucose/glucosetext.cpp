#include "glucose/glucosetext.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <cstring>

namespace fendrimo::glucose {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(const char* begin, const char* end)
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (end - begin >= 2 && *begin == '"' && end[-1] == '"')
        ++begin, --end;
    return QByteArrayView(begin, end - begin);
}

// The quote that ends a quoted field begun before from, a doubled one
// being inside; end when there is none.
const char* closingQuote(const char* from, const char* end)
{
    for (;;) {
        const auto* quote = static_cast<const char*>(std::memchr(from, '"', size_t(end - from)));
        if (!quote)
            return end;
        if (quote + 1 < end && quote[1] == '"')
            from = quote + 2;
        else
            return quote;
    }
}

inline char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

bool Lines::next()
{
    if (pos_ >= data_.size())
        return false;
    const char* start = data_.data() + pos_;
    const auto* end =
        static_cast<const char*>(std::memchr(start, '\n', size_t(data_.size() - pos_)));
    qsizetype length = end ? end - start : data_.size() - pos_;
    ended_ = end != nullptr;
    pos_ += length + 1;
    if (length > 0 && start[length - 1] == '\r')
        --length;
    line_ = QByteArrayView(start, length);
    ++number_;
    return true;
}

void splitLine(QByteArrayView line, char separator, std::vector<QByteArrayView>& fields,
               qsizetype most)
{
    fields.clear();
    const char* p = line.data();
    const char* end = p + line.size();
    for (;;) {
        const char* start = p;
        while (p < end && isBlank(*p))
            ++p;
        if (p < end && *p == '"')
            p = closingQuote(p + 1, end);
        const auto* next =
            p < end ? static_cast<const char*>(std::memchr(p, separator, size_t(end - p)))
                    : nullptr;
        fields.push_back(trimmed(start, next ? next : end));
        if (!next || qsizetype(fields.size()) == most)
            return;
        p = next + 1;
    }
}

std::optional<int> wholeNumber(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> tenths(QByteArrayView text)
{
    const qsizetype point = std::max(text.indexOf('.'), text.indexOf(','));
    if (point < 0) {
        const std::optional<int> whole = text.size() <= 8 ? wholeNumber(text) : std::nullopt;
        return whole ? std::optional<int>(*whole * 10) : std::nullopt;
    }
    if (point != text.size() - 2 || point > 8)
        return std::nullopt;
    const std::optional<int> whole = wholeNumber(text.first(point));
    const std::optional<int> tenth = wholeNumber(text.sliced(point + 1));
    return whole && tenth ? std::optional<int>(*whole * 10 + *tenth) : std::nullopt;
}

bool sameWord(QByteArrayView text, QByteArrayView word)
{
    if (text.size() != word.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (lower(text[i]) != lower(word[i]))
            return false;
    }
    return true;
}

QString lineWhere(int number)
{
    return QCoreApplication::translate("Glucose", "Zeile %1").arg(number);
}

QString entryWhere(int number)
{
    return QCoreApplication::translate("Glucose", "Eintrag %1").arg(number);
}

QString quoted(QByteArrayView field)
{
    constexpr qsizetype kLongest = 40;
    const QByteArrayView shown = field.first(std::min(field.size(), kLongest));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(shown);
    if (utf8.hasError())
        text = QString::fromLatin1(shown);
    return QLatin1Char('"') + text +
           (shown.size() < field.size() ? QStringLiteral("…\"") : QStringLiteral("\""));
}

} // namespace fendrimo::glucose
