#include "printing/basaltestsheet.h"

#include "printing/glucosepagesteps.h"
#include "profile/basalprofile.h"
#include "profile/zehntel.h"

#include <QCoreApplication>

#include <algorithm>

namespace fendrimo {

using glucosepage::Align;
using glucosepage::Steps;

namespace {

constexpr qint64 kLeft = 150;
constexpr qint64 kRight = 1950;
constexpr qint64 kTableTop = -600;
// Room left under the table for the conditions and the printing note.
constexpr qint64 kBelowTable = 330;
// A row is at most 9 mm, room enough to write in by hand.
constexpr qint64 kTallestRow = 90;

const QColor kBlack = kReportBlack;

QString sheetText(const char* source)
{
    return QCoreApplication::translate("BasalTestSheet", source);
}

struct Column
{
    const char* title;
    qint64 left;
};

// Time and rate are printed; the rest is written in by hand.
const Column kColumns[] = {
    {QT_TRANSLATE_NOOP("BasalTestSheet", "Uhrzeit"), kLeft},
    {QT_TRANSLATE_NOOP("BasalTestSheet", "Basalrate"), 400},
    {QT_TRANSLATE_NOOP("BasalTestSheet", "Glukose"), 700},
    {QT_TRANSLATE_NOOP("BasalTestSheet", "Essen"), 1000},
    {QT_TRANSLATE_NOOP("BasalTestSheet", "Bemerkungen"), 1300},
};

QString clockText(int hour)
{
    return QStringLiteral("%1:00").arg(hour % kHoursPerDay, 2, 10, QLatin1Char('0'));
}

void describeHead(Steps& page, BasalTestBlock block)
{
    page.text(kLeft, -150, QCoreApplication::translate("BasalTestSheet", "Basalratentest"), 100);
    page.line(kLeft, -260, kRight, -260, 2, kBlack);
    // Lines to write on, each after its label.
    page.text(kLeft, -310, QCoreApplication::translate("BasalTestSheet", "Name:"), 45);
    page.line(400, -355, 1150, -355, 1, kBlack);
    page.text(1250, -310, QCoreApplication::translate("BasalTestSheet", "Datum:"), 45);
    page.line(1450, -355, kRight, -355, 1, kBlack);
    page.text(kLeft, -400, QCoreApplication::translate("BasalTestSheet", "Block:"), 45);
    page.text(400, -400, blockSpanText(block), 45);
    page.text(1250, -400, QCoreApplication::translate("BasalTestSheet", "Messgerät:"), 45);
    page.line(1520, -445, kRight, -445, 1, kBlack);
    page.text(kLeft, -490,
              QCoreApplication::translate("BasalTestSheet",
                                          "Die Basalraten sind die des Profils beim Drucken."),
              35);
}

// Returns where the table ends.
qint64 describeRows(Steps& page, const ReportInput& input, BasalTestBlock block, qint64 pageDepth)
{
    const int hours = block.hours();
    const int rows = hours + 1; // and the block's end
    const qint64 row =
        std::clamp<qint64>((pageDepth - kBelowTable + kTableTop) / (rows + 1), 40, kTallestRow);
    const qint64 bottom = kTableTop - row * (rows + 1);
    const int font = int(std::min<qint64>(45, row * 6 / 10));
    for (const Column& column : kColumns) {
        page.line(column.left, kTableTop, column.left, bottom, 1, kBlack);
        page.text(column.left + 15, kTableTop - (row - font) / 2, sheetText(column.title), font);
    }
    page.line(kRight, kTableTop, kRight, bottom, 1, kBlack);
    for (int r = 0; r <= rows + 1; ++r)
        page.line(kLeft, kTableTop - row * r, kRight, kTableTop - row * r, r <= 1 ? 3 : 1, kBlack);
    const QString unit = QCoreApplication::translate("BasalTestSheet", "%1 IE/h");
    for (int r = 0; r < rows; ++r) {
        const int hour = (block.fromHour + r) % kHoursPerDay;
        const qint64 y = kTableTop - row * (r + 1) - (row - font) / 2;
        page.text(kColumns[0].left + 15, y, clockText(hour), font);
        // The end is a time to measure at, no hour of the block: no rate.
        if (r < hours)
            page.text(
                kColumns[2].left - 20, y,
                unit.arg(ZehntelText(input.profile.rates.at(size_t(hour)), input.decimalSeparator)),
                font, kBlack, Align::Right);
    }
    return bottom;
}

// Right under the table, which leaves room for them on every page.
void describeConditions(Steps& page, const ReportInput& input, qint64 tableBottom)
{
    static const char* const lines[] = {
        QT_TRANSLATE_NOOP("BasalTestSheet",
                          "So wird der Test in Schulungen beschrieben: über den ganzen Block "
                          "nüchtern, kein Bolus in den 4–5 Stunden davor,"),
        QT_TRANSLATE_NOOP("BasalTestSheet",
                          "eine leichte letzte Mahlzeit, kein Sport, kein Alkohol; jede Stunde "
                          "messen. Bei zu niedrigem oder zu hohem Wert wird"),
        QT_TRANSLATE_NOOP("BasalTestSheet",
                          "der Test beendet und der Wert behandelt. Grenzen und Vorgehen nach "
                          "Absprache mit Ihrem Diabetesteam."),
    };
    qint64 y = tableBottom - 40;
    for (const char* line : lines) {
        page.text(kLeft, y, sheetText(line), 35);
        y -= 50;
    }
    page.text(
        kLeft, y - 20,
        QCoreApplication::translate(
            "BasalTestSheet", "Gedruckt am %1 mit Fendrimo. Fendrimo bewertet die Basalrate nicht.")
            .arg(input.today),
        30);
}

} // namespace

QString blockSpanText(BasalTestBlock block)
{
    const int from = ((block.fromHour % kHoursPerDay) + kHoursPerDay) % kHoursPerDay;
    return hourSpanText(from, (from + block.hours() - 1) % kHoursPerDay);
}

QList<ReportStep> describeBasalTestSheet(const ReportInput& input, qint64 pageDepth)
{
    if (!input.basalTestSheet)
        return {};
    Steps page;
    describeHead(page, *input.basalTestSheet);
    describeConditions(page, input, describeRows(page, input, *input.basalTestSheet, pageDepth));
    return page.take();
}

} // namespace fendrimo
