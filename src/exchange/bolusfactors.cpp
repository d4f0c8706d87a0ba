#include "exchange/bolusfactors.h"

#include "profile/zehntel.h"

#include <QCoreApplication>

namespace fendrimo::exchange {

namespace {

// The three bolus fields take the factor in force at these times.
constexpr int kMealSeconds[ProfileContent::Boluses] = {7 * 3600, 12 * 3600, 18 * 3600};

// 12 g per BE divided by the grams per IE, to tenths, halves up; empty with
// a notice when it would not fit the field, a notice when it was rounded.
// field names the bolus field ("Bolus morgens").
QString bolusFactor(Int128 ratio, const QString& field, QChar separator, QStringList& notices)
{
    const QString ratioText = decimalText(ratio, separator);
    if (ratio <= 0) {
        //: IE: insulin units; %1 is a bolus field, "Bolus morgens"
        notices << QCoreApplication::translate(
                       "Exchange",
                       "%1 bleibt leer: Kohlenhydratfaktor %2 g je IE ist nicht größer als 0.")
                       .arg(field, ratioText);
        return QString();
    }
    const Int128 grams = 12 * kUnit;
    const Int128 tenths = (20 * grams + ratio) / (2 * ratio);
    if (tenths < 1 || tenths > 999) {
        //: BE: bread unit, 12 g of carbohydrate
        notices << (tenths < 1
                        ? QCoreApplication::translate(
                              "Exchange",
                              "%1 bleibt leer: 12 g / %2 g je IE ergibt weniger als %3 IE/BE.")
                        : QCoreApplication::translate(
                              "Exchange",
                              "%1 bleibt leer: 12 g / %2 g je IE ergibt mehr als %3 IE/BE."))
                       .arg(field, ratioText, ZehntelText(tenths < 1 ? 1 : 999, separator));
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
        notices << QCoreApplication::translate("Exchange",
                                               "%1: 12 g / %2 g je IE = %3 IE/BE, auf %4 gerundet.")
                       .arg(field, ratioText, exact, factor);
    }
    return factor;
}

} // namespace

void takeBolusFactors(const QList<ScheduleEntry>& ratios, QChar separator,
                      ImportedProfile& imported)
{
    imported.hasBolus = true;
    for (int i = 0; i < ProfileContent::Boluses; ++i) {
        imported.bolus.at(size_t(i)) = bolusFactor(valueAt(ratios, kMealSeconds[i]),
                                                   bolusFieldName(i), separator, imported.notices);
    }
}

} // namespace fendrimo::exchange
