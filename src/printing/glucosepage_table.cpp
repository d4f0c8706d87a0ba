// The glucose profile page below its chart: the legend, the figures over the
// period beside their goals and the table of the 24 hours.

#include "printing/glucosepage.h"

#include "glucose/agpcurves.h"
#include "glucose/glucoseshown.h"
#include "printing/glucosepagesteps.h"
#include "profile/basalprofile.h"
#include "profile/zehntel.h"

#include <algorithm>

namespace fendrimo::glucosepage {

namespace {

constexpr int kTableRows = kHoursPerDay + 2; // two header rows
// Rows between 3.4 and 4.6 mm: the table takes the depth left above the
// bottom margin, so A4 and Letter both hold it.
constexpr qint64 kSmallestRow = 34;
constexpr qint64 kLargestRow = 46;
constexpr qint64 kBottomMargin = 40;

// The hourly table's columns, left to right: where a cell's text stands and
// the group its header sits under.
struct Column
{
    qint64 x;
    Align align;
};

constexpr std::array<Column, 11> kColumns{{
    {160, Align::Left},   // hour span
    {520, Align::Right},  // rate
    {680, Align::Right},  // readings
    {830, Align::Right},  // 5 %
    {970, Align::Right},  // 25 %
    {1110, Align::Right}, // median
    {1250, Align::Right}, // 75 %
    {1390, Align::Right}, // 95 %
    {1560, Align::Right}, // below 70
    {1710, Align::Right}, // above 180
    {1920, Align::Right}, // change per hour
}};
// Lines between the groups of columns.
constexpr std::array<qint64, 4> kSeparators{380, 700, 1420, 1740};

using Cells = std::array<QString, kColumns.size()>;

// An hour's cells: its rate always, its figures only where it has readings.
Cells hourCells(const ReportInput& input, int hour)
{
    const HourFigures& figures = input.glucose->statistics.hours[size_t(hour)];
    const GlucoseUnit unit = input.glucose->statistics.shown;
    const QChar separator = input.decimalSeparator;
    Cells cells;
    cells[0] = hourSpanText(hour, hour);
    cells[1] = ZehntelText(input.profile.rates[size_t(hour)], separator);
    cells[2] = QString::number(figures.readings);
    if (figures.readings == 0)
        return cells;
    for (size_t p = 0; p < kAgpPercentileCount; ++p)
        cells[3 + p] = glucoseText(figures.percentiles[p], unit, separator);
    cells[8] = percentText(figures.shareBelow70);
    cells[9] = percentText(figures.shareAbove180);
    if (figures.medianChangePerHour)
        cells[10] = glucoseChangeText(*figures.medianChangePerHour, unit, separator);
    return cells;
}

Cells headerCells(GlucoseUnit unit, QChar separator)
{
    return {QCoreApplication::translate("GlucosePage", "Uhrzeit"),
            QCoreApplication::translate("GlucosePage", "IE/h"),
            QCoreApplication::translate("GlucosePage", "Werte"),
            QCoreApplication::translate("GlucosePage", "5 %"),
            QCoreApplication::translate("GlucosePage", "25 %"),
            QCoreApplication::translate("GlucosePage", "Median"),
            QCoreApplication::translate("GlucosePage", "75 %"),
            QCoreApplication::translate("GlucosePage", "95 %"),
            QStringLiteral("< ") + glucoseText(70, unit, separator),
            QStringLiteral("> ") + glucoseText(180, unit, separator),
            QCoreApplication::translate("GlucosePage", "%1/h").arg(unitName(unit))};
}

QString withSeparator(const char* text, QChar separator)
{
    return QString::fromUtf8(text).replace(u',', separator);
}

// The consensus ranges from the highest down, each beside its goal; the
// goals below 70 and above 180 take two ranges together.
struct RangeRow
{
    GlucoseRange range;
    const char* mg;
    const char* mmol;
    RangeGoalKind goal;
    const char* togetherMg; // the ranges the goal takes together, if more than this one
    const char* togetherMmol;
};

constexpr std::array<RangeRow, kGlucoseRanges> kRangeRows{{
    {GlucoseRange::VeryHigh, "> 250", "> 13,9", RangeGoalKind::Above250, nullptr, nullptr},
    {GlucoseRange::High, "181–250", "10,1–13,9", RangeGoalKind::Above180, "> 180", "> 10,0"},
    {GlucoseRange::Target, "70–180", "3,9–10,0", RangeGoalKind::InTarget, nullptr, nullptr},
    {GlucoseRange::Low, "54–69", "3,0–3,8", RangeGoalKind::Below70, "< 70", "< 3,9"},
    {GlucoseRange::VeryLow, "< 54", "< 3,0", RangeGoalKind::Below54, nullptr, nullptr},
}};

QString metText(bool met)
{
    return met ? QCoreApplication::translate("GlucosePage", "ja")
               : QCoreApplication::translate("GlucosePage", "nein");
}

// The time in each range beside its goal, from the highest range down; the
// goals below 70 and above 180 give the share of both their ranges.
void describeRanges(Steps& page, const ReportInput& input, qint64 top, qint64 row)
{
    const PeriodFigures& all = input.glucose->statistics.overall;
    const GlucoseUnit unit = input.glucose->statistics.shown;
    const QChar separator = input.decimalSeparator;
    const bool any = all.readings > 0;
    page.text(1040, top,
              QCoreApplication::translate("GlucosePage", "Bereich (%1)").arg(unitName(unit)), 35);
    page.text(1460, top, QCoreApplication::translate("GlucosePage", "Anteil"), 35, kBlack,
              Align::Right);
    page.text(1490, top, QCoreApplication::translate("GlucosePage", "Ziel"), 35);
    page.text(1830, top, QCoreApplication::translate("GlucosePage", "erreicht"), 35);
    for (size_t r = 0; r < kRangeRows.size(); ++r) {
        const RangeRow& range = kRangeRows[r];
        const qint64 y = top - row * qint64(r + 1);
        const RangeGoal& goal =
            *std::find_if(all.goals.begin(), all.goals.end(),
                          [&](const RangeGoal& g) { return g.kind == range.goal; });
        const bool mg = unit == GlucoseUnit::MgPerDl;
        QString goalText = (goal.moreThan ? QStringLiteral("> ") : QStringLiteral("< ")) +
                           QString::number(goal.goalPercent) + QStringLiteral(" %");
        if (range.togetherMg && any)
            goalText =
                QCoreApplication::translate("GlucosePage", "%1 (%2: %3 %)")
                    .arg(goalText,
                         withSeparator(mg ? range.togetherMg : range.togetherMmol, separator),
                         percentText(goal.share));
        page.text(1040, y, withSeparator(mg ? range.mg : range.mmol, separator), 35);
        page.text(1460, y,
                  any ? percentText(all.rangeShares[size_t(range.range)]) + QStringLiteral(" %")
                      : QStringLiteral("–"),
                  35, kBlack, Align::Right);
        page.text(1490, y, goalText, 35);
        page.text(1830, y, any ? metText(goal.met) : QString(), 35);
    }
}

} // namespace

// One legend entry: its mark, then its text.
void describeLegend(Steps& page, const ReportInput& input, const Palette& palette)
{
    const GlucoseUnit unit = input.glucose->statistics.shown;
    const QChar separator = input.decimalSeparator;
    constexpr qint64 y = -1120;
    constexpr qint64 mid = y - 15;
    page.polygon(QPolygon(QRect(int(kLeft), int(y - 28), 60, 26)), palette.outerBand);
    page.text(kLeft + 75, y, QCoreApplication::translate("GlucosePage", "5–95 %"), 30);
    page.polygon(QPolygon(QRect(370, int(y - 28), 60, 26)), palette.innerBand);
    page.text(445, y, QCoreApplication::translate("GlucosePage", "25–75 %"), 30);
    page.line(600, mid, 660, mid, 10, palette.median);
    page.text(675, y, QCoreApplication::translate("GlucosePage", "Median"), 30);
    page.line(820, mid, 880, mid, 5, palette.target);
    page.text(895, y,
              QCoreApplication::translate("GlucosePage", "Zielbereich %1–%2 %3")
                  .arg(glucoseText(70, unit, separator), glucoseText(180, unit, separator),
                       unitName(unit)),
              30);
    page.line(1290, mid, 1350, mid, 6, palette.rate, palette.rateDashed);
    page.text(1365, y, QCoreApplication::translate("GlucosePage", "Basalrate (IE/h)"), 30,
              palette.rate);
    page.polygon(
        QPolygon({QPoint(1640, int(y - 28)), QPoint(1668, int(y - 28)), QPoint(1654, int(y - 4))}),
        palette.median);
    page.text(1680, y,
              QCoreApplication::translate("GlucosePage", "über %1 %2")
                  .arg(glucoseText(kAgpDrawnHighestMgPerDl, unit, separator), unitName(unit)),
              30);
    page.text(kLeft, y - 42,
              QCoreApplication::translate(
                  "GlucosePage",
                  "Kurven: Perzentile je Stunde, mit den Nachbarstunden geglättet und "
                  "oben begrenzt; die Tabelle unten zeigt sie ungeglättet."),
              30);
}

// Mean, SD, CV and GMI on the left; the time in ranges on the right.
void describeFigures(Steps& page, const ReportInput& input)
{
    const GlucoseStatistics& stats = input.glucose->statistics;
    const PeriodFigures& all = stats.overall;
    const GlucoseUnit unit = stats.shown;
    const QChar separator = input.decimalSeparator;
    constexpr qint64 top = kFiguresTop;
    constexpr qint64 row = 42;
    const auto glucose = [&](const std::optional<double>& value) {
        return value ? glucoseText(*value, unit, separator) + u' ' + unitName(unit)
                     : QStringLiteral("–");
    };
    const QString gmi =
        all.gmi ? QString::number(*all.gmi, 'f', 1).replace(u'.', separator) + QStringLiteral(" %")
                : QStringLiteral("–");
    const std::array<std::array<QString, 4>, 5> figures{{
        {QCoreApplication::translate("GlucosePage", "Kennzahl"),
         QCoreApplication::translate("GlucosePage", "Wert"),
         QCoreApplication::translate("GlucosePage", "Ziel"),
         QCoreApplication::translate("GlucosePage", "erreicht")},
        {QCoreApplication::translate("GlucosePage", "Mittlere Glukose"), glucose(all.mean), {}, {}},
        {QCoreApplication::translate("GlucosePage", "Standardabweichung"), glucose(all.sd), {}, {}},
        // The consensus goal of the CV: at most 36 %.
        {QCoreApplication::translate("GlucosePage", "Variationskoeffizient (CV)"),
         percentOf(all.cv), QStringLiteral("≤ 36 %"), all.cv ? metText(all.cvGoalMet) : QString()},
        {QCoreApplication::translate("GlucosePage", "GMI"), gmi, {}, {}},
    }};
    for (size_t r = 0; r < figures.size(); ++r) {
        const qint64 y = top - row * qint64(r);
        page.text(kLeft, y, figures[r][0], 35);
        page.text(700, y, figures[r][1], 35, kBlack, Align::Right);
        page.text(740, y, figures[r][2], 35);
        page.text(880, y, figures[r][3], 35);
    }
    describeRanges(page, input, top, row);
    page.line(kLeft, top - 40, 990, top - 40, 2, kBlack);
    page.line(1040, top - 40, kRight, top - 40, 2, kBlack);

    QString note = QCoreApplication::translate(
        "GlucosePage", "Anteile auf ganze Prozent gerundet; „erreicht“ nach den "
                       "ungerundeten Anteilen.");
    const int beyond = all.belowSensorRange + all.aboveSensorRange;
    if (beyond > 0)
        note += u' ' + QCoreApplication::translate("GlucosePage",
                                                   "Werte außerhalb des Messbereichs (Low/High), "
                                                   "als dessen Grenze gezählt: %1.")
                           .arg(beyond);
    page.text(kLeft, top - row * 6 - 10, note, 30);
}

// A row per hour, as the table page writes its hours; its figures are the
// hour's own, not smoothed.
void describeHourTable(Steps& page, const ReportInput& input, const Palette& palette,
                       qint64 pageDepth)
{
    const GlucoseUnit unit = input.glucose->statistics.shown;
    const qint64 row = std::clamp<qint64>((pageDepth + kTableTop - kBottomMargin) / kTableRows,
                                          kSmallestRow, kLargestRow);
    const int height = int(row * 3 / 4);
    const qint64 inset = (row - height) / 2;
    const qint64 bottom = kTableTop - row * kTableRows;
    const auto cellText = [&](size_t column, qint64 rowTop, QString text, const QColor& colour) {
        page.text(kColumns[column].x, rowTop - inset, std::move(text), height, colour,
                  kColumns[column].align);
    };

    // The groups over the header: rate, readings, percentiles, shares, change.
    const qint64 groupTop = kTableTop;
    cellText(1, groupTop, QCoreApplication::translate("GlucosePage", "Basalrate"), palette.rate);
    cellText(2, groupTop, QCoreApplication::translate("GlucosePage", "Anzahl"), kBlack);
    page.text((kSeparators[1] + kSeparators[2]) / 2, groupTop - inset,
              QCoreApplication::translate("GlucosePage", "Perzentile (%1)").arg(unitName(unit)),
              height, kBlack, Align::Centre);
    page.text((kSeparators[2] + kSeparators[3]) / 2, groupTop - inset,
              QCoreApplication::translate("GlucosePage", "Anteil in %"), height, kBlack,
              Align::Centre);
    cellText(10, groupTop, QCoreApplication::translate("GlucosePage", "Änderung"), kBlack);
    const Cells header = headerCells(unit, input.decimalSeparator);
    for (size_t c = 0; c < header.size(); ++c)
        cellText(c, groupTop - row, header[c], c == 1 ? palette.rate : kBlack);

    for (int h = 0; h < kHoursPerDay; ++h) {
        const qint64 rowTop = kTableTop - row * (h + 2);
        const Cells cells = hourCells(input, h);
        for (size_t c = 0; c < cells.size(); ++c)
            cellText(c, rowTop, cells[c], c == 1 ? palette.rate : kBlack);
        // A stronger line every six hours guides the eye along the day.
        const bool quarter = h % 6 == 0;
        page.line(kLeft, rowTop, kRight, rowTop, quarter ? 3 : 1, quarter ? kBlack : kRule);
    }
    page.line(kLeft, kTableTop, kRight, kTableTop, 3, kBlack);
    page.line(kLeft, bottom, kRight, bottom, 3, kBlack);
    for (const qint64 x : kSeparators)
        page.line(x, kTableTop - (x == kSeparators[0] ? 0 : row), x, bottom, 1, kRule);
}

} // namespace fendrimo::glucosepage
