#include "printing/glucosepage.h"

#include "printing/glucosepagesteps.h"

#include "glucose/agpcurves.h"
#include "glucose/glucoseshown.h"
#include "profile/zehntel.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace fendrimo {

using namespace glucosepage;

namespace {

constexpr int kHours = kHoursPerDay;

// The chart: 24 hours of 6.5 mm, 0 to 350 mg/dL upward, as the AGP draws it.
constexpr qint64 kChartLeft = 250;
constexpr qint64 kHourWidth = 65;
constexpr qint64 kChartRight = kChartLeft + kHours * kHourWidth;
constexpr qint64 kChartTop = -560;
constexpr qint64 kChartBottom = -1060;

// A file list longer than this many characters names the rest by number.
constexpr int kLongestFileList = 80;
// Picked days are listed up to this many, the rest by number.
constexpr int kListedDays = 6;

// A label marked for translation in this page's context.
QString pageText(const char* source)
{
    return QCoreApplication::translate("GlucosePage", source);
}

qint64 hourX(double hour)
{
    return kChartLeft + qint64(std::lround(hour * kHourWidth));
}

// 0 at the bottom, the clamped top (350 mg/dL) at the top.
qint64 glucoseY(double mgPerDl)
{
    return kChartBottom +
           qint64(std::lround((kChartTop - kChartBottom) * mgPerDl / kAgpDrawnHighestMgPerDl));
}

// The rate axis: 0 to a step above the highest rate, so that the rates never
// run along the chart's top edge; steps of 1, 2 or 5 tenths times a power of
// ten, at most five of them.
struct RateScale
{
    qint64 step = 1; // tenths
    qint64 top = 5;
};

RateScale rateScale(const ProfileContent& profile)
{
    const qint64 highest =
        std::max<qint64>(1, *std::max_element(profile.rates.begin(), profile.rates.end()));
    for (qint64 power = 1;; power *= 10) {
        for (const qint64 factor : {1, 2, 5}) {
            const qint64 step = factor * power;
            const qint64 steps = highest / step + 1;
            if (steps <= 5)
                return {step, steps * step};
        }
    }
}

qint64 rateY(qint64 tenths, const RateScale& scale)
{
    return kChartBottom + (kChartTop - kChartBottom) * tenths / scale.top;
}

QString dateText(const QDate& date, const ReportInput& input)
{
    return date.toString(input.shortDateFormat);
}

// The names of the files, the last ones by their number when the list is long.
QString filesText(const QStringList& files)
{
    QStringList names;
    int length = 0;
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        if (!names.isEmpty() && length + name.size() > kLongestFileList)
            break;
        length += name.size() + 2;
        names << (name.size() > kLongestFileList
                      ? name.left(kLongestFileList / 2) + u'…' + name.right(kLongestFileList / 2)
                      : name);
    }
    QString text = names.join(QStringLiteral(", "));
    if (names.size() < files.size())
        text = QCoreApplication::translate("GlucosePage", "%1 und %2 weitere")
                   .arg(text, QString::number(files.size() - names.size()));
    return text;
}

QString daysText(const GlucosePeriod& period, const ReportInput& input)
{
    switch (period.days) {
    case DaySelection::All:
        return QCoreApplication::translate("GlucosePage", "alle Tage");
    case DaySelection::MondayToFriday:
        return QCoreApplication::translate("GlucosePage", "Montag bis Freitag");
    case DaySelection::SaturdayAndSunday:
        return QCoreApplication::translate("GlucosePage", "Samstag und Sonntag");
    case DaySelection::Picked:
        break;
    }
    QList<QDate> picked;
    for (const QDate& day : period.picked) {
        if (day >= period.first && day <= period.last && !picked.contains(day))
            picked << day;
    }
    std::sort(picked.begin(), picked.end());
    QStringList listed;
    for (qsizetype i = 0; i < picked.size() && i < kListedDays; ++i)
        listed << dateText(picked.at(i), input);
    QString text = QCoreApplication::translate("GlucosePage", "ausgewählte Tage: %1")
                       .arg(listed.join(QStringLiteral(", ")));
    if (picked.size() > kListedDays)
        text = QCoreApplication::translate("GlucosePage", "%1 und %2 weitere")
                   .arg(text, QString::number(picked.size() - kListedDays));
    return text;
}

// Files, period, days and time with data, unit, and the shortfall against
// the consensus when there is one.
void describeHeading(Steps& page, const ReportInput& input, const GlucoseReport& report)
{
    const GlucoseStatistics& stats = report.statistics;
    const PeriodFigures& all = stats.overall;
    page.text(kLeft, -150, QCoreApplication::translate("GlucosePage", "Glukoseprofil"), 100);
    page.line(kLeft, -260, kRight, -260, 1, kBlack);
    const auto row = [&](qint64 x, qint64 y, const char* label, const QString& value) {
        page.text(x, y, pageText(label), 40);
        page.text(x + 400, y, value, 40);
    };
    row(kLeft, -285, QT_TRANSLATE_NOOP("GlucosePage", "Dateien:"), filesText(report.files));
    row(kLeft, -330, QT_TRANSLATE_NOOP("GlucosePage", "Zeitraum:"),
        QCoreApplication::translate("GlucosePage", "%1 bis %2, %3")
            .arg(dateText(stats.period.first, input), dateText(stats.period.last, input),
                 daysText(stats.period, input)));
    row(kLeft, -375, QT_TRANSLATE_NOOP("GlucosePage", "Tage mit Daten:"),
        QCoreApplication::translate("GlucosePage", "%1 von %2")
            .arg(QString::number(all.daysWithData), QString::number(all.days)));
    row(1100, -375, QT_TRANSLATE_NOOP("GlucosePage", "Zeit mit CGM-Daten:"),
        all.timeWithDataClamped ? QCoreApplication::translate("GlucosePage", "%1 (begrenzt)")
                                      .arg(percentOf(all.timeWithData))
                                : percentOf(all.timeWithData));
    row(kLeft, -420, QT_TRANSLATE_NOOP("GlucosePage", "Einheit:"), unitName(stats.shown));
    row(1100, -420, QT_TRANSLATE_NOOP("GlucosePage", "Gedruckt am:"), input.today);
    if (all.fewerThan14Days || all.lessThan70PercentData)
        page.text(kLeft, -462,
                  QCoreApplication::translate(
                      "GlucosePage",
                      "Weniger Daten, als der Konsens für ein AGP verlangt (14 Tage, 70 % "
                      "der Zeit): %1 Tage, %2 der Zeit.")
                      .arg(QString::number(all.daysWithData), percentOf(all.timeWithData)),
                  35);
}

// The glucose axis marks the range bounds; the target range's bounds are
// drawn as the chart's strongest lines.
void describeChartFrame(Steps& page, const ReportInput& input, const Palette& palette,
                        const RateScale& scale)
{
    const GlucoseUnit unit = input.glucose->statistics.shown;
    const QChar separator = input.decimalSeparator;
    for (int h = 0; h <= kHours; h += 3)
        page.line(hourX(h), kChartBottom, hourX(h), kChartTop, 1, kRule);
    for (const double mark : {0.0, 54.0, 250.0, kAgpDrawnHighestMgPerDl})
        page.line(kChartLeft, glucoseY(mark), kChartRight, glucoseY(mark), 1, kRule);
    for (const double mark : {70.0, 180.0})
        page.line(kChartLeft, glucoseY(mark), kChartRight, glucoseY(mark), 5, palette.target);
    page.line(kChartLeft, kChartBottom, kChartLeft, kChartTop, 2, kBlack);
    page.line(kChartRight, kChartBottom, kChartRight, kChartTop, 2, kBlack);
    page.line(kChartLeft, kChartBottom, kChartRight, kChartBottom, 2, kBlack);

    // Labels centred on their lines; 54 and 70 lie too close for that, so
    // 54's hangs below its line and 70's stands above.
    const std::array<std::pair<double, qint64>, 6> labels{
        {{0, 13}, {54, 0}, {70, 26}, {180, 13}, {250, 13}, {kAgpDrawnHighestMgPerDl, 13}}};
    for (const auto& [mark, above] : labels)
        page.text(kChartLeft - 15, glucoseY(mark) + above, glucoseText(mark, unit, separator), 26,
                  kBlack, Align::Right);
    page.text(kChartLeft - 15, kChartTop + 48, unitName(unit), 30, kBlack, Align::Right);
    for (qint64 tenths = 0; tenths <= scale.top; tenths += scale.step) {
        const qint64 y = rateY(tenths, scale);
        page.line(kChartRight, y, kChartRight + 12, y, 2, palette.rate);
        page.text(kChartRight + 20, y + 15, ZehntelText(tenths, separator), 30, palette.rate);
    }
    page.text(kChartRight + 20, kChartTop + 48, QCoreApplication::translate("GlucosePage", "IE/h"),
              30, palette.rate);
    for (int h = 0; h <= kHours; h += 3)
        page.text(hourX(h), kChartBottom - 12, QString::number(h), 30, kBlack, Align::Centre);
    page.text(kChartRight + 50, kChartBottom - 12,
              QCoreApplication::translate("GlucosePage", "Uhr"), 30);
}

// A curve's points: each hour's middle; across midnight the day wraps, so
// a curve with both 23 and 0 runs to the edges at their mean.
QList<QList<QPointF>> curveRuns(const HourValues& values)
{
    QList<QList<QPointF>> runs;
    for (int h = 0; h < kHours; ++h) {
        if (!values[size_t(h)])
            continue;
        if (h == 0 || !values[size_t(h - 1)])
            runs.append(QList<QPointF>());
        runs.last().append({h + 0.5, *values[size_t(h)]});
    }
    if (values.front() && values.back()) {
        const double midnight = (*values.front() + *values.back()) / 2;
        runs.first().prepend({0.0, midnight});
        runs.last().append({double(kHours), midnight});
    }
    // A lone hour shows as a short stretch across its middle.
    for (QList<QPointF>& run : runs) {
        if (run.size() == 1)
            run = {{run[0].x() - 0.25, run[0].y()}, {run[0].x() + 0.25, run[0].y()}};
    }
    return runs;
}

// The band between two curves, one polygon per run of hours with readings.
void describeBand(Steps& page, const AgpCurve& lower, const AgpCurve& upper, const QColor& colour)
{
    const QList<QList<QPointF>> tops = curveRuns(upper.values);
    const QList<QList<QPointF>> bottoms = curveRuns(lower.values);
    for (qsizetype r = 0; r < tops.size() && r < bottoms.size(); ++r) {
        QPolygon corners;
        for (const QPointF& point : tops[r])
            corners << QPoint(int(hourX(point.x())), int(glucoseY(point.y())));
        for (auto point = bottoms[r].crbegin(); point != bottoms[r].crend(); ++point)
            corners << QPoint(int(hourX(point->x())), int(glucoseY(point->y())));
        page.polygon(corners, colour);
    }
}

void describeCurve(Steps& page, const AgpCurve& curve, int width, const QColor& colour)
{
    for (const QList<QPointF>& run : curveRuns(curve.values)) {
        for (qsizetype i = 1; i < run.size(); ++i)
            page.line(hourX(run[i - 1].x()), glucoseY(run[i - 1].y()), hourX(run[i].x()),
                      glucoseY(run[i].y()), width, colour);
    }
}

// Where any curve lies above the chart's top, a triangle at the top says so.
void describeClamped(Steps& page, const std::array<AgpCurve, kAgpPercentileCount>& curves,
                     const QColor& colour)
{
    for (int h = 0; h < kHours; ++h) {
        const bool clamped = std::any_of(curves.begin(), curves.end(),
                                         [h](const AgpCurve& c) { return c.clamped[size_t(h)]; });
        if (clamped) {
            const qint64 x = hourX(h + 0.5);
            page.polygon(
                QPolygon({QPoint(int(x - 14), int(kChartTop)), QPoint(int(x + 14), int(kChartTop)),
                          QPoint(int(x), int(kChartTop + 24))}),
                colour);
        }
    }
}

void describeRates(Steps& page, const ProfileContent& profile, const RateScale& scale,
                   const Palette& palette)
{
    const auto y = [&](int hour) { return rateY(profile.rates[size_t(hour)], scale); };
    page.line(hourX(0), y(0), hourX(1), y(0), 6, palette.rate, palette.rateDashed);
    for (int h = 1; h < kHours; ++h) {
        page.line(hourX(h), y(h - 1), hourX(h), y(h), 6, palette.rate, palette.rateDashed);
        page.line(hourX(h), y(h), hourX(h + 1), y(h), 6, palette.rate, palette.rateDashed);
    }
}

} // namespace

QList<ReportStep> describeGlucosePage(const ReportInput& input, qint64 pageDepth)
{
    if (!input.glucose)
        return {};
    Steps page;
    const Palette palette = paletteOf(input.colour);
    const RateScale scale = rateScale(input.profile);
    const std::array<AgpCurve, kAgpPercentileCount> curves =
        agpCurves(input.glucose->statistics.hours);
    describeHeading(page, input, *input.glucose);
    // Bands under the frame's lines, curves and rates over them.
    describeBand(page, curves[0], curves[4], palette.outerBand);
    describeBand(page, curves[1], curves[3], palette.innerBand);
    describeChartFrame(page, input, palette, scale);
    describeCurve(page, curves[2], 10, palette.median);
    describeClamped(page, curves, palette.median);
    describeRates(page, input.profile, scale, palette);
    describeLegend(page, input, palette);
    describeFigures(page, input);
    describeHourTable(page, input, palette, pageDepth);
    return page.take();
}

QString glucosepage::percentOf(const std::optional<double>& share)
{
    return share ? percentText(*share) + QStringLiteral(" %") : QStringLiteral("–");
}

} // namespace fendrimo
