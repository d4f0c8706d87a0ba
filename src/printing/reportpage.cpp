#include "printing/reportpage.h"

#include "printing/basaltestsheet.h"
#include "printing/glucosepage.h"
#include "profile/basalprofile.h"
#include "profile/zehntel.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace fendrimo {

namespace {

constexpr int kHours = 24;
constexpr qint64 kChartLeft = 150;
constexpr qint64 kChartRight = 1830;
constexpr qint64 kChartTop = -700;
constexpr qint64 kAxisTop = -500;
constexpr qint64 kHourWidth = 70;
constexpr qint64 kTenthHeight = 20;

using HourRates = std::array<qint64, kHours>;

// Cut lines this far below the page: wide pens and their round ends stay
// off the page just as they would uncut.
constexpr qint64 kBelowPage = 20;
// Far more than any paper: a thousand kilometres.
constexpr qint64 kLargestDepth = qint64(10000) * 1000 * 1000;

qint64 hourLeft(int hour)
{
    return kChartLeft + kHourWidth * hour;
}

// Collects the steps, leaving out what can't reach the printable area.
class PageBuilder
{
public:
    // The depth is bounded so that cutting below the page can't overflow.
    explicit PageBuilder(qint64 pageDepth)
        : m_bottom(-std::clamp<qint64>(pageDepth, 0, kLargestDepth))
    {
    }

    // Room for the expected steps at once: growing the list step by step
    // would copy it over and over, the more so the more tenths show.
    void reserve(qint64 steps) { m_steps.reserve(qsizetype(std::clamp<qint64>(steps, 0, 100000))); }

    // A text runs downward from its top edge: it shows while that edge is on the page.
    bool textShows(qint64 y) const { return y > m_bottom; }

    void text(qint64 x, qint64 y, QString text, int height, const QColor& colour)
    {
        if (!textShows(y))
            return;
        // Built whole in place: a step made empty first and filled after
        // costs about as much again.
        m_steps.emplaceBack(ReportStep::Kind::Text, x, y, 0, 0, std::move(text), height, 0, colour);
    }

    // Lines are vertical or horizontal, so cutting the y of their ends keeps
    // the part on the page exactly.
    void line(qint64 x1, qint64 y1, qint64 x2, qint64 y2, int width, const QColor& colour,
              bool dashed = false)
    {
        if (std::max(y1, y2) < m_bottom)
            return;
        const qint64 floor = m_bottom - kBelowPage;
        m_steps.emplaceBack(ReportStep::Kind::Line, x1, std::max(y1, floor), x2,
                            std::max(y2, floor), QString(), 0, width, colour, dashed);
    }

    // The first k >= 0 whose y = base + 20 k lies on the page (y >= bottom),
    // or whose text top (y > bottom) does when strict.
    qint64 firstVisibleTenth(qint64 base, bool strict) const
    {
        const qint64 below = m_bottom - base; // how far the bottom lies above base
        if (below < 0 || (below == 0 && !strict))
            return 0;
        return strict ? below / kTenthHeight + 1 : (below + kTenthHeight - 1) / kTenthHeight;
    }

    QList<ReportStep> take() { return std::move(m_steps); }

private:
    qint64 m_bottom;
    QList<ReportStep> m_steps;
};

// "22,4 IE"
QString unitsText(const QString& amount)
{
    //: IE: insulin units
    return QCoreApplication::translate("ReportPage", "%1 IE").arg(amount);
}

QString bolusText(const QString& bolus)
{
    // Only a slot without any character counts as empty; blanks are printed.
    //: "keine Angabe": no value given
    return bolus.isEmpty() ? QCoreApplication::translate("ReportPage", "k. A.")
                           : bolus + QStringLiteral(":1");
}

// The colour of the profile's own values: blue only when printing in colour.
QColor accentOf(const ReportInput& input)
{
    return input.colour ? kReportBlue : kReportBlack;
}

// The y of a zero rate: the chart hangs from its top by the maximum's height.
qint64 chartBase(qint64 maximum)
{
    return kChartTop - kTenthHeight * maximum;
}

qint64 rateY(qint64 base, qint64 rate)
{
    return base + kTenthHeight * rate;
}

// Title, dates, the daily total and the three bolus slots.
void describeHeading(PageBuilder& page, const ReportInput& input, qint64 total)
{
    const QColor black = kReportBlack;
    page.text(150, -150, QCoreApplication::translate("ReportPage", "Basalrate"), 100, black);
    page.line(150, -260, 1950, -260, 1, black);
    page.text(150, -290, QCoreApplication::translate("ReportPage", "Programmiert am:"), 50, black);
    page.text(750, -290, input.profile.datum, 50, black);
    page.text(150, -340, QCoreApplication::translate("ReportPage", "Gedruckt am: "), 50, black);
    page.text(750, -340, input.today, 50, black);
    page.text(150, -390, QCoreApplication::translate("ReportPage", "Tagessumme der Basalrate: "),
              50, black);
    page.text(750, -390, unitsText(ZehntelText(total, input.decimalSeparator)), 50,
              accentOf(input));
    page.text(1200, -290, QCoreApplication::translate("ReportPage", "Bolus morgens:"), 50, black);
    page.text(1600, -290, bolusText(input.profile.bolus[0]), 50, black);
    page.text(1200, -340, QCoreApplication::translate("ReportPage", "Bolus mittags:"), 50, black);
    page.text(1600, -340, bolusText(input.profile.bolus[1]), 50, black);
    page.text(1200, -390, QCoreApplication::translate("ReportPage", "Bolus abends:"), 50, black);
    page.text(1600, -390, bolusText(input.profile.bolus[2]), 50, black);
}

// The grid's lines, then the hours along the bottom and the tenths on both sides.
void describeGrid(PageBuilder& page, qint64 base, qint64 maximum, qint64 firstTenthLine,
                  QChar separator)
{
    const QColor black = kReportBlack;
    // One line per hour, the two outer ones are the axes and reach higher.
    for (int i = 0; i <= kHours; ++i) {
        const bool axis = i == 0 || i == kHours;
        page.line(hourLeft(i), base, hourLeft(i), axis ? kAxisTop : kChartTop, 1, black);
    }
    // One line per tenth, the lowest first; only those on the page.
    for (qint64 k = firstTenthLine; k <= maximum; ++k) {
        const qint64 y = base + kTenthHeight * k;
        page.line(kChartLeft, y, kChartRight, y, 1, black);
    }

    //: the hour axis: o'clock
    page.text(1890, base - 20, QCoreApplication::translate("ReportPage", "Uhr"), 30, black);
    if (page.textShows(base - 20)) {
        for (int n = 0; n <= kHours; ++n)
            page.text(145 + kHourWidth * n, base - 20, QString::number(n), 30, black);
    }
    //: the rate axis: insulin units per hour
    const QString rateUnit = QCoreApplication::translate("ReportPage", "IE/h");
    page.text(160, kAxisTop, rateUnit, 30, black);
    page.text(1777, kAxisTop, rateUnit, 30, black);

    for (qint64 k = page.firstVisibleTenth(base + 7, true); k <= maximum; ++k) {
        const qint64 y = base + 7 + kTenthHeight * k;
        QString value = ZehntelText(k, separator);
        page.text(120, y, value, 15, black);
        page.text(1840, y, std::move(value), 15, black);
    }
}

// A horizontal stretch per hour at yOf(hour), joined at the hour boundaries.
template <typename YOf>
void describeStepLine(PageBuilder& page, YOf yOf, int width, const QColor& colour, bool dashed)
{
    page.line(kChartLeft, yOf(0), hourLeft(1), yOf(0), width, colour, dashed);
    for (int h = 1; h < kHours; ++h) {
        page.line(hourLeft(h), yOf(h - 1), hourLeft(h), yOf(h), width, colour, dashed);
        page.line(hourLeft(h), yOf(h), hourLeft(h + 1), yOf(h), width, colour, dashed);
    }
}

// The comparison profile: a legend line under the heading block and a grey
// dashed step line, thinner than the report's own so that where both agree
// the dashes run inside it. A rate above the chart runs along its top edge
// with its value written above.
void describeReference(PageBuilder& page, const ProfileReference& reference, qint64 maximum,
                       QChar separator)
{
    const QColor grey = kReportGrey;
    page.line(150, -465, 250, -465, 6, grey, true);
    page.text(270, -445,
              QCoreApplication::translate("ReportPage", "Vergleich: %1, Tagessumme %2 IE")
                  .arg(reference.name, ZehntelText(reference.total(), separator)),
              40, grey);

    const qint64 base = chartBase(maximum);
    const auto shownY = [&](int hour) {
        return rateY(base, std::clamp<qint64>(reference.rates[hour], 0, maximum));
    };
    describeStepLine(page, shownY, 6, grey, true);
    for (int h = 0; h < kHours; ++h) {
        const qint64 rate = reference.rates[h];
        if (rate > maximum && (h == 0 || rate != reference.rates[h - 1]))
            page.text(hourLeft(h) + 10, kChartTop + 80, ZehntelText(rate, separator), 30, grey);
    }
}

// A run of equal rates is labelled once, at its first hour.
void describeRateLabels(PageBuilder& page, const HourRates& rates, qint64 base, QChar separator,
                        const QColor& accent)
{
    for (int h = 0; h < kHours; ++h) {
        const qint64 y = rateY(base, rates[h]) + 37;
        if ((h == 0 || rates[h] != rates[h - 1]) && page.textShows(y))
            page.text(hourLeft(h) + 10, y, ZehntelText(rates[h], separator), 30, accent);
    }
}

// The notes sit below the chart, one line of the field per printed line.
void describeNotes(PageBuilder& page, const QStringList& notes, qint64 base)
{
    page.text(150, base - 200, QCoreApplication::translate("ReportPage", "Notizen / Bemerkungen:"),
              50, kReportBlack);
    for (int i = 0; i < notes.size(); ++i)
        page.text(150, base - 300 - 50 * qint64(i), notes.at(i), 45, kReportBlack);
}

// The comparison's rate of one hour and what programming it would change
// (its rate minus the profile's, empty where equal); a bar at the left
// marks a row that differs.
void describeTableChange(PageBuilder& page, qint64 rate, qint64 compared, qint64 y, QChar separator)
{
    page.text(1170, y, ZehntelText(compared, separator), 45, kReportGrey);
    if (compared == rate)
        return;
    const qint64 change = compared - rate;
    const QString sign = change > 0 ? QStringLiteral("+") : QStringLiteral("\u2212");
    page.text(1570, y, sign + ZehntelText(change > 0 ? change : -change, separator), 45,
              kReportBlack);
    page.line(120, y + 8, 120, y - 44, 10, kReportBlack);
}

// Below the table: the comparison's daily total and what the change column means.
void describeTableReferenceTotal(PageBuilder& page, const ProfileReference& reference,
                                 qint64 bottom, QChar separator)
{
    page.text(1170, bottom - 50,
              QCoreApplication::translate("ReportPage", "Vergleich: %1 IE")
                  .arg(ZehntelText(reference.total(), separator)),
              50, kReportGrey);
    page.text(150, bottom - 110,
              QCoreApplication::translate("ReportPage",
                                          "Änderung: die Rate des Vergleichs minus die der "
                                          "Basalrate; ein Strich links markiert jede "
                                          "abweichende Stunde."),
              35, kReportBlack);
}

} // namespace

QList<ReportStep> describeReport(const ReportInput& input, qint64 pageDepth)
{
    PageBuilder page(pageDepth);
    const QColor accent = accentOf(input);
    const QChar separator = input.decimalSeparator;
    const qint64 maximum = input.maximum;

    // 64 bits throughout: a loaded profile can raise the maximum to about
    // two thousand million tenths, twenty times that overflows 32 bits.
    HourRates rates{};
    qint64 total = 0;
    for (int h = 0; h < kHours; ++h) {
        rates[h] = input.profile.rates[h];
        total += rates[h];
    }
    const qint64 base = chartBase(maximum);

    // Fixed texts and lines, one line and two labels per tenth on the page,
    // the step line and its labels, the notes.
    const qint64 firstTenthLine = page.firstVisibleTenth(base, false);
    page.reserve(150 + (input.reference ? 100 : 0) +
                 3 * std::max<qint64>(0, maximum + 1 - firstTenthLine) + input.notes.size());

    // Later steps cover earlier ones: the comparison lies over the grid and
    // the report's own step line, under the rate labels.
    describeHeading(page, input, total);
    describeGrid(page, base, maximum, firstTenthLine, separator);
    describeStepLine(
        page, [&](int hour) { return rateY(base, rates[hour]); }, 10, accent, false);
    if (input.reference)
        describeReference(page, *input.reference, maximum, separator);
    describeRateLabels(page, rates, base, separator, accent);
    describeNotes(page, input.notes, base);
    return page.take();
}

QList<ReportStep> describeTablePage(const ReportInput& input, qint64 pageDepth)
{
    PageBuilder page(pageDepth);
    page.reserve(250);
    const QColor black = kReportBlack;
    const QColor accent = accentOf(input);
    const QChar separator = input.decimalSeparator;
    const std::optional<ProfileReference>& reference = input.reference;

    page.text(150, -150, QCoreApplication::translate("ReportPage", "Basalrate – Stundenwerte"), 100,
              black);
    page.line(150, -260, 1950, -260, 1, black);
    page.text(150, -290, QCoreApplication::translate("ReportPage", "Programmiert am:"), 50, black);
    page.text(750, -290, input.profile.datum, 50, black);
    if (reference) {
        page.text(150, -340, QCoreApplication::translate("ReportPage", "Vergleich:"), 50, black);
        page.text(750, -340, reference->name, 50, black);
    }

    // Two columns (four with a comparison), a header row and a row per hour, 6 mm each.
    constexpr qint64 top = -410;
    constexpr qint64 row = 60;
    const QList<qint64> columns =
        reference ? QList<qint64>{150, 750, 1150, 1550, 1950} : QList<qint64>{150, 750, 1150};
    const qint64 bottom = top - row * (kHours + 1);
    for (const qint64 x : columns)
        page.line(x, top, x, bottom, 1, black);
    for (int r = 0; r <= kHours + 1; ++r)
        page.line(columns.first(), top - row * r, columns.last(), top - row * r, 1, black);
    page.text(170, top - 8, QCoreApplication::translate("ReportPage", "Uhrzeit"), 45, black);
    page.text(770, top - 8, QCoreApplication::translate("ReportPage", "IE/h"), 45, black);
    if (reference) {
        page.text(1170, top - 8, QCoreApplication::translate("ReportPage", "Vergleich"), 45, black);
        page.text(1570, top - 8, QCoreApplication::translate("ReportPage", "Änderung"), 45, black);
    }
    qint64 total = 0;
    for (int h = 0; h < kHours; ++h) {
        const qint64 y = top - row * (h + 1) - 8;
        const qint64 rate = input.profile.rates[h];
        total += rate;
        page.text(170, y, hourSpanText(h, h), 45, black);
        page.text(770, y, ZehntelText(rate, separator), 45, accent);
        if (reference)
            describeTableChange(page, rate, reference->rates[h], y, separator);
    }
    page.text(150, bottom - 50,
              QCoreApplication::translate("ReportPage", "Tagessumme der Basalrate: "), 50, black);
    page.text(750, bottom - 50, unitsText(ZehntelText(total, separator)), 50, accent);
    if (reference)
        describeTableReferenceTotal(page, *reference, bottom, separator);
    return page.take();
}

QList<QList<ReportStep>> describePages(const ReportInput& input, qint64 pageDepth)
{
    if (input.basalTestSheet)
        return {describeBasalTestSheet(input, pageDepth)};
    QList<QList<ReportStep>> pages{describeReport(input, pageDepth)};
    if (input.table)
        pages.append(describeTablePage(input, pageDepth));
    if (input.glucose)
        pages.append(describeGlucosePage(input, pageDepth));
    return pages;
}

} // namespace fendrimo
