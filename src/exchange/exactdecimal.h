#pragma once

// Exact decimal values for the exchange readers: every number is taken as the
// decimal it was written as, never through a binary fraction, so 2.05 stays
// 2,05 and rounds to 2,1.

#include <QJsonValue>
#include <QString>
#include <QStringView>

#include <optional>

namespace fendrimo::exchange {

__extension__ typedef __int128 Int128;

// A value is an integer count of 10^-24.
constexpr int kScaleDigits = 24;
constexpr Int128 powerOfTen(int exponent)
{
    Int128 power = 1;
    for (int i = 0; i < exponent; ++i)
        power *= 10;
    return power;
}
constexpr Int128 kUnit = powerOfTen(kScaleDigits);
constexpr Int128 kTenth = powerOfTen(kScaleDigits - 1);
// The largest rate the program holds is 2147483640 tenths of IE/h.
constexpr qint64 kLargestWhole = 214748364;
constexpr Int128 kLargestValue = Int128(kLargestWhole) * kUnit;

enum class DecimalStatus { Ok, NotNumeric, Negative, TooPrecise, TooLarge };

struct ExactDecimal
{
    DecimalStatus status = DecimalStatus::NotNumeric;
    Int128 scaled = 0; // 0..kLargestValue when ok
    bool ok() const { return status == DecimalStatus::Ok; }
};

// What a number may look like besides digits: the decimal separators allowed
// and whether an exponent (e/E) may follow, as in JSON.
struct DecimalSyntax
{
    bool point = true;
    bool comma = false;
    bool exponent = false;
};

// Blanks around are allowed; a leading "-" makes it negative, even on zero.
ExactDecimal parseDecimal(QStringView text, DecimalSyntax syntax);

// A JSON number through its shortest decimal form, a JSON string as written.
ExactDecimal decimalOfJson(const QJsonValue& value);

// How a JSON value was written, to be quoted in a message (long texts cut).
QString writtenText(const QJsonValue& value);

// The exact decimal, trailing zeros dropped: 9,6 / 0,125 / 12.
QString decimalText(Int128 scaled, QChar separator);

// A whole number 0..largest, or nothing.
std::optional<qint64> wholeNumber(const ExactDecimal& decimal, qint64 largest);

// The names of the values every reader checks, for decimalProblem's what.
QString rateName();
QString carbRatioName();

// "<where>: Rate "-0.2" ist negativ." for a status other than Ok.
QString decimalProblem(const QString& where, const QString& what, const QString& written,
                       DecimalStatus status);

} // namespace fendrimo::exchange
