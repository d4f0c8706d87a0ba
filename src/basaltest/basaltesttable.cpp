#include "basaltest/basaltesttable.h"

#include "glucose/glucoseshown.h"
#include "platform/regional.h"
#include "printing/basaltestsheet.h"
#include "profile/zehntel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTableWidget>

namespace fendrimo {

namespace {

constexpr int kFirstDayColumn = 2;
constexpr int kColumnsPerDay = 3;

// A reading's value, or what stands in for it, and how a screen reader says it.
struct Shown
{
    QString text;
    QString spoken;
};

Shown pointShown(const std::optional<GlucosePoint>& point, GlucoseUnit unit, QChar separator)
{
    if (!point)
        return {QCoreApplication::translate("BasalTestTable", "–"),
                QCoreApplication::translate("BasalTestTable", "kein Wert")};
    switch (point->kind) {
    case ReadingKind::BelowRange:
        return {QCoreApplication::translate("BasalTestTable", "unter Messbereich"),
                QCoreApplication::translate("BasalTestTable", "unter dem Messbereich des Sensors")};
    case ReadingKind::AboveRange:
        return {QCoreApplication::translate("BasalTestTable", "über Messbereich"),
                QCoreApplication::translate("BasalTestTable", "über dem Messbereich des Sensors")};
    case ReadingKind::Measured:
        break;
    }
    const QString value = glucoseText(point->mgPerDl, unit, separator);
    return {value, value + QLatin1Char(' ') + unitName(unit)};
}

Shown changeShown(const std::optional<double>& change, GlucoseUnit unit, QChar separator,
                  const QString& form = QStringLiteral("%1"))
{
    if (!change)
        return {QCoreApplication::translate("BasalTestTable", "–"),
                QCoreApplication::translate("BasalTestTable", "keine Änderung bekannt")};
    const QString value = form.arg(glucoseChangeText(*change, unit, separator));
    return {value, value + QLatin1Char(' ') + unitName(unit)};
}

Shown withinShown(const BasalTestDay& day, GlucoseUnit unit)
{
    const QString range = unit == GlucoseUnit::MmolPerL
                              ? QCoreApplication::translate("BasalTestTable", "3,9–10,0 mmol/L")
                              : QCoreApplication::translate("BasalTestTable", "70–180 mg/dL");
    QString text;
    if (day.readings == 0)
        text = QCoreApplication::translate("BasalTestTable", "keine Werte");
    else if (day.allWithinTarget)
        text = QCoreApplication::translate("BasalTestTable", "alle %1 Werte in %2")
                   .arg(day.readings)
                   .arg(range);
    else
        text = QCoreApplication::translate("BasalTestTable", "%1 von %2 Werten außerhalb %3")
                   .arg(day.outsideTarget)
                   .arg(day.readings)
                   .arg(range);
    return {text, text};
}

void put(QTableWidget& table, int row, int column, const Shown& shown, const QString& context)
{
    auto* item = new QTableWidgetItem(shown.text);
    item->setData(Qt::AccessibleTextRole, context + shown.spoken);
    if (column >= kFirstDayColumn)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table.setItem(row, column, item);
}

void setHeader(QTableWidget& table, const std::vector<BasalTestDay>& days,
               const RegionalFormats& formats)
{
    QStringList labels{QCoreApplication::translate("BasalTestTable", "Stunde"),
                       QCoreApplication::translate("BasalTestTable", "Basalrate")};
    for (const BasalTestDay& day : days) {
        const QString date = formats.shortDate(day.day);
        labels << QCoreApplication::translate("BasalTestTable", "%1\nBeginn").arg(date)
               << QCoreApplication::translate("BasalTestTable", "%1\nEnde").arg(date)
               << QCoreApplication::translate("BasalTestTable", "%1\nÄnderung").arg(date);
    }
    table.setColumnCount(int(labels.size()));
    table.setHorizontalHeaderLabels(labels);
}

} // namespace

void fillBasalTestTable(QTableWidget& table, const std::vector<BasalTestDay>& days,
                        BasalTestBlock block, const HourlyRates& rates, GlucoseUnit unit,
                        const RegionalFormats& formats)
{
    const QChar separator = formats.decimalSeparator;
    const int hours = block.hours();
    table.clear();
    table.clearSpans();
    table.setRowCount(hours + 2);
    setHeader(table, days, formats);
    const QString span = blockSpanText(block);
    for (int r = 0; r < hours; ++r) {
        const int hour = (block.fromHour + r) % kHoursPerDay;
        const QString hourSpan = hourSpanText(hour, hour);
        put(table, r, 0, {hourSpan, hourSpan}, QString());
        const QString rate = QCoreApplication::translate("BasalTestTable", "%1 IE/h")
                                 .arg(ZehntelText(rates.at(size_t(hour)), separator));
        put(table, r, 1, {rate, rate},
            QCoreApplication::translate("BasalTestTable", "%1, Basalrate: ").arg(hourSpan));
        for (size_t d = 0; d < days.size(); ++d) {
            const BasalTestHour& values = days[d].hours.at(size_t(r));
            const QString context = QCoreApplication::translate("BasalTestTable", "%1, %2, ")
                                        .arg(formats.shortDate(days[d].day), hourSpan);
            const int column = kFirstDayColumn + int(d) * kColumnsPerDay;
            put(table, r, column, pointShown(values.start, unit, separator),
                context + QCoreApplication::translate("BasalTestTable", "Beginn: "));
            put(table, r, column + 1, pointShown(values.end, unit, separator),
                context + QCoreApplication::translate("BasalTestTable", "Ende: "));
            put(table, r, column + 2, changeShown(values.change, unit, separator),
                context + QCoreApplication::translate("BasalTestTable", "Änderung: "));
        }
    }
    const QString blockName = QCoreApplication::translate("BasalTestTable", "Block %1").arg(span);
    put(table, hours, 0, {blockName, blockName}, QString());
    const QString rangeName = QCoreApplication::translate("BasalTestTable", "Werte im Zielbereich");
    put(table, hours + 1, 0, {rangeName, rangeName}, QString());
    for (size_t d = 0; d < days.size(); ++d) {
        const BasalTestDay& day = days[d];
        const QString context = QCoreApplication::translate("BasalTestTable", "%1, Block %2, ")
                                    .arg(formats.shortDate(day.day), span);
        const int column = kFirstDayColumn + int(d) * kColumnsPerDay;
        put(table, hours, column, pointShown(day.start, unit, separator),
            context + QCoreApplication::translate("BasalTestTable", "Beginn: "));
        put(table, hours, column + 1, pointShown(day.end, unit, separator),
            context + QCoreApplication::translate("BasalTestTable", "Ende: "));
        put(table, hours, column + 2,
            changeShown(day.changePerHour, unit, separator,
                        QCoreApplication::translate("BasalTestTable", "%1 je Std.")),
            context + QCoreApplication::translate("BasalTestTable", "Änderung je Stunde: "));
        table.setSpan(hours + 1, column, 1, kColumnsPerDay);
        put(table, hours + 1, column, withinShown(day, unit), context);
    }
    table.resizeColumnsToContents();
}

QString basalTestNote(GlucoseUnit unit)
{
    return QCoreApplication::translate(
               "BasalTestTable",
               "Werte in %1, gerundet auf %2. Für Beginn und Ende einer Stunde zählt der "
               "nächste Messwert höchstens 15 Minuten davon; ohne ihn oder bei einem Wert "
               "außerhalb des Messbereichs bleibt die Stelle leer. Das Programm bewertet "
               "die Basalrate nicht.")
        .arg(unitName(unit), unit == GlucoseUnit::MmolPerL
                                 ? QCoreApplication::translate("BasalTestTable", "0,1 mmol/L")
                                 : QCoreApplication::translate("BasalTestTable", "ganze mg/dL"));
}

} // namespace fendrimo
