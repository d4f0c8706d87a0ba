#include "exchange/exactdecimal.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <string>

namespace fendrimo::exchange {

namespace {

constexpr int kMostDigits = 33; // kLargestValue has 33 digits

bool isDigit(QChar ch)
{
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// The exponent after e/E, held within a billion: beyond that any nonzero
// value is too large or too precise anyway.
bool readExponent(QStringView text, qsizetype& i, qint64& exponent)
{
    qint64 sign = 1;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        sign = text[i] == QLatin1Char('-') ? -1 : 1;
        ++i;
    }
    const qsizetype first = i;
    qint64 magnitude = 0;
    for (; i < text.size() && isDigit(text[i]); ++i)
        magnitude = std::min<qint64>(magnitude * 10 + text[i].digitValue(), 1000000000);
    exponent = sign * magnitude;
    return i > first;
}

// The value 0.digits × 10^point with digits free of leading and trailing zeros.
ExactDecimal scaledValue(std::string digits, qint64 point)
{
    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return {DecimalStatus::Ok, 0};
    digits.erase(0, firstNonZero);
    point -= qint64(firstNonZero);
    digits.erase(digits.find_last_not_of('0') + 1);

    const qint64 places = point + kScaleDigits; // digits before the scaled point
    if (qint64(digits.size()) > places)
        return {DecimalStatus::TooPrecise, 0};
    if (places > kMostDigits)
        return {DecimalStatus::TooLarge, 0};
    Int128 scaled = 0;
    for (const char digit : digits)
        scaled = scaled * 10 + (digit - '0');
    scaled *= powerOfTen(int(places - qint64(digits.size())));
    if (scaled > kLargestValue)
        return {DecimalStatus::TooLarge, 0};
    return {DecimalStatus::Ok, scaled};
}

} // namespace

ExactDecimal parseDecimal(QStringView text, DecimalSyntax syntax)
{
    text = text.trimmed();
    qsizetype i = 0;
    const bool negative = !text.isEmpty() && text[0] == QLatin1Char('-');
    if (negative)
        ++i;
    std::string digits;
    qint64 point = 0;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (isDigit(ch)) {
            digits.push_back(char(ch.unicode()));
            point += separatorSeen ? 0 : 1;
        } else if (!separatorSeen && ((syntax.point && ch == QLatin1Char('.')) ||
                                      (syntax.comma && ch == QLatin1Char(',')))) {
            separatorSeen = true;
        } else {
            break;
        }
    }
    if (digits.empty())
        return {};
    if (syntax.exponent && i < text.size() &&
        (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qint64 exponent = 0;
        if (!readExponent(text, ++i, exponent))
            return {};
        point += exponent;
    }
    if (i != text.size())
        return {};
    if (negative)
        return {DecimalStatus::Negative, 0};
    return scaledValue(std::move(digits), point);
}

ExactDecimal decimalOfJson(const QJsonValue& value)
{
    const DecimalSyntax json{true, false, true};
    if (value.isDouble())
        return parseDecimal(QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest),
                            json);
    if (value.isString())
        return parseDecimal(value.toString(), json);
    return {};
}

QString writtenText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::String: {
        const QString text = value.toString();
        return text.size() > 40 ? text.left(40) + QChar(0x2026) : text;
    }
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Array:
        return QStringLiteral("[…]");
    case QJsonValue::Object:
        return QStringLiteral("{…}");
    case QJsonValue::Undefined:
        break;
    }
    return QString();
}

QString decimalText(Int128 scaled, QChar separator)
{
    QString whole;
    Int128 integer = scaled / kUnit;
    do {
        whole.prepend(QLatin1Char(char('0' + int(integer % 10))));
        integer /= 10;
    } while (integer > 0);
    Int128 fraction = scaled % kUnit;
    if (fraction == 0)
        return whole;
    QString digits(kScaleDigits, QLatin1Char('0'));
    for (int i = kScaleDigits - 1; i >= 0; --i, fraction /= 10)
        digits[i] = QLatin1Char(char('0' + int(fraction % 10)));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return whole + separator + digits;
}

std::optional<qint64> wholeNumber(const ExactDecimal& decimal, qint64 largest)
{
    if (!decimal.ok() || decimal.scaled % kUnit != 0 || decimal.scaled / kUnit > largest)
        return std::nullopt;
    return qint64(decimal.scaled / kUnit);
}

QString rateName()
{
    return QCoreApplication::translate("Exchange", "Rate");
}

QString carbRatioName()
{
    return QCoreApplication::translate("Exchange", "Kohlenhydratfaktor");
}

QString decimalProblem(const QString& where, const QString& what, const QString& written,
                       DecimalStatus status)
{
    // Whole sentences: where, what names the value ("Rate"), then the value as written.
    switch (status) {
    case DecimalStatus::Negative:
        return QCoreApplication::translate("Exchange", "%1: %2 \"%3\" ist negativ.")
            .arg(where, what, written);
    case DecimalStatus::TooPrecise:
        return QCoreApplication::translate("Exchange",
                                           "%1: %2 \"%3\" hat mehr als %4 Nachkommastellen.")
            .arg(where, what, written, QString::number(kScaleDigits));
    case DecimalStatus::TooLarge:
        return QCoreApplication::translate("Exchange", "%1: %2 \"%3\" ist größer als %4.")
            .arg(where, what, written, QString::number(kLargestWhole));
    case DecimalStatus::Ok:
    case DecimalStatus::NotNumeric:
        break;
    }
    return QCoreApplication::translate("Exchange", "%1: %2 \"%3\" ist keine Zahl.")
        .arg(where, what, written);
}

} // namespace fendrimo::exchange
