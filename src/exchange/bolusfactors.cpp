#include "exchange/bolusfactors.h"

#include "profile/zehntel.h"

namespace fendrimo::exchange {

namespace {

// The three bolus fields take the factor in force at these times.
struct MealTime
{
    const char* name;
    int second;
};
constexpr MealTime kMeals[ProfileContent::Boluses] = {
    {"morgens", 7 * 3600}, {"mittags", 12 * 3600}, {"abends", 18 * 3600}};

// 12 g per BE divided by the grams per IE, to tenths, halves up; empty with
// a notice when it would not fit the field, a notice when it was rounded.
QString bolusFactor(Int128 ratio, const QString& meal, QChar separator, QStringList& notices)
{
    const QString ratioText = decimalText(ratio, separator);
    const QString left = QStringLiteral("Bolus %1 bleibt leer: ").arg(meal);
    if (ratio <= 0) {
        notices << left + QStringLiteral("Kohlenhydratfaktor %1 g je IE ist nicht größer als 0.")
                              .arg(ratioText);
        return QString();
    }
    const Int128 grams = 12 * kUnit;
    const Int128 tenths = (20 * grams + ratio) / (2 * ratio);
    if (tenths < 1 || tenths > 999) {
        notices << left + QStringLiteral("12 g / %1 g je IE ergibt %2 als %3 IE/BE.")
                              .arg(ratioText,
                                   tenths < 1 ? QStringLiteral("weniger") : QStringLiteral("mehr"),
                                   ZehntelText(tenths < 1 ? 1 : 999, separator));
        return QString();
    }
    const QString factor = QStringLiteral("%1%2%3").arg(
        QString::number(qint64(tenths / 10)), separator, QString::number(qint64(tenths % 10)));
    // A ratio written as 12 / factor by a program holding doubles (this one
    // included) can't be exact: within 10^-12 of the tenth is that, not rounding.
    const Int128 off = 10 * grams - tenths * ratio; // (12 / ratio - tenths / 10) · 10 · ratio
    if ((off < 0 ? -off : off) > 10 * ratio / powerOfTen(12)) {
        const Int128 hundredths = 100 * grams / ratio;
        const QString exact =
            QStringLiteral("%1%2%3%4")
                .arg(QString::number(qint64(hundredths / 100)), separator,
                     QStringLiteral("%1").arg(qint64(hundredths % 100), 2, 10, QLatin1Char('0')),
                     (100 * grams) % ratio != 0 ? QStringLiteral("…") : QString());
        notices << QStringLiteral("Bolus %1: 12 g / %2 g je IE = %3 IE/BE, auf %4 gerundet.")
                       .arg(meal, ratioText, exact, factor);
    }
    return factor;
}

} // namespace

void takeBolusFactors(const QList<ScheduleEntry>& ratios, QChar separator,
                      ImportedProfile& imported)
{
    imported.hasBolus = true;
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        const MealTime& meal = kMeals[i];
        imported.bolus.at(size_t(i)) = bolusFactor(
            valueAt(ratios, meal.second), QLatin1String(meal.name), separator, imported.notices);
    }
}

} // namespace fendrimo::exchange
