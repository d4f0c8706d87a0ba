#include "glucoseview/hourtexts.h"

#include "glucose/glucoseshown.h"
#include "profile/basalprofile.h"
#include "profile/zehntel.h"

#include <QCoreApplication>

#include <optional>

namespace fendrimo {

namespace {

// The context of the window's words in the translation.
struct GlucoseView
{
    Q_DECLARE_TR_FUNCTIONS(GlucoseView)
};

QString value(double mgPerDl, const GlucoseFormat& format)
{
    return glucoseText(mgPerDl, format.unit, format.decimalSeparator);
}

QString rateText(qint32 rateTenths, const GlucoseFormat& format)
{
    return GlucoseView::tr("%1 IE/h").arg(ZehntelText(rateTenths, format.decimalSeparator));
}

// The consensus bounds as the ranges count them, written in each unit: the
// mmol/L bounds are the consensus's own, not a conversion of the mg/dL ones.
struct RangeBounds
{
    int mgPerDl[2];
    int mmolTenths[2];
};
constexpr RangeBounds kRangeBounds[kGlucoseRanges] = {
    {{0, 53}, {0, 29}},       {{54, 69}, {30, 38}}, {{70, 180}, {39, 100}},
    {{181, 250}, {101, 139}}, {{251, 0}, {140, 0}},
};

QString boundText(const RangeBounds& bounds, int index, const GlucoseFormat& format)
{
    if (format.unit == GlucoseUnit::MgPerDl)
        return QString::number(bounds.mgPerDl[index]);
    const int tenths = bounds.mmolTenths[index];
    return QString::number(tenths / 10) + format.decimalSeparator + QString::number(tenths % 10);
}

QString rangeName(int range, const GlucoseFormat& format)
{
    const RangeBounds& bounds = kRangeBounds[range];
    const QString unit = unitName(format.unit);
    if (range == 0)
        return GlucoseView::tr("Zeit unter %1 %2").arg(boundText(kRangeBounds[1], 0, format), unit);
    if (range == kGlucoseRanges - 1)
        return GlucoseView::tr("Zeit über %1 %2").arg(boundText(kRangeBounds[3], 1, format), unit);
    return GlucoseView::tr("Zeit %1–%2 %3")
        .arg(boundText(bounds, 0, format), boundText(bounds, 1, format), unit);
}

// The rows of the ranges from the highest down, as the AGP report lists
// them: each range, and the two goals on ranges together (above 180, below
// 70) in rows of their own where they come.
struct RangeRow
{
    int range; // -1: a goal on ranges together
    std::optional<RangeGoalKind> goal;
};
constexpr RangeRow kRangeRows[] = {
    {4, RangeGoalKind::Above250},  {3, std::nullopt},
    {-1, RangeGoalKind::Above180}, {2, RangeGoalKind::InTarget},
    {-1, RangeGoalKind::Below70},  {1, std::nullopt},
    {0, RangeGoalKind::Below54},
};

QString goalLimit(const RangeGoal& goal)
{
    return QStringLiteral("%1 %2 %")
        .arg(goal.moreThan ? QStringLiteral(">") : QStringLiteral("<"))
        .arg(goal.goalPercent);
}

QString togetherName(RangeGoalKind kind, const GlucoseFormat& format)
{
    return kind == RangeGoalKind::Above180 ? GlucoseView::tr("Zeit über %1 %2 zusammen")
                                                 .arg(value(180, format), unitName(format.unit))
                                           : GlucoseView::tr("Zeit unter %1 %2 zusammen")
                                                 .arg(value(70, format), unitName(format.unit));
}

QString verdict(bool met)
{
    return met ? GlucoseView::tr("erreicht") : GlucoseView::tr("verfehlt");
}

} // namespace

QStringList hourColumnTitles(const GlucoseFormat& format)
{
    const QString unit = unitName(format.unit);
    return {GlucoseView::tr("Stunde"),
            GlucoseView::tr("Basalrate\n(IE/h)"),
            GlucoseView::tr("Messwerte"),
            GlucoseView::tr("5 %"),
            GlucoseView::tr("25 %"),
            GlucoseView::tr("Median\n(%1)").arg(unit),
            GlucoseView::tr("75 %"),
            GlucoseView::tr("95 %"),
            GlucoseView::tr("% unter %1").arg(value(70, format)),
            GlucoseView::tr("% über %1").arg(value(180, format)),
            GlucoseView::tr("Änderung\n(%1/h)").arg(unit)};
}

QStringList hourCells(int hour, const HourFigures& figures, qint32 rateTenths,
                      const GlucoseFormat& format)
{
    QStringList cells{hourSpanText(hour, hour), ZehntelText(rateTenths, format.decimalSeparator),
                      QString::number(figures.readings)};
    for (double p : figures.percentiles)
        cells << (figures.readings ? value(p, format) : QString());
    cells << (figures.readings ? percentText(figures.shareBelow70) : QString())
          << (figures.readings ? percentText(figures.shareAbove180) : QString())
          << (figures.medianChangePerHour ? glucoseChangeText(*figures.medianChangePerHour,
                                                              format.unit, format.decimalSeparator)
                                          : QString());
    return cells;
}

QString hourAnnouncement(int hour, const HourFigures& figures, qint32 rateTenths,
                         const GlucoseFormat& format)
{
    if (!figures.readings)
        return GlucoseView::tr("%1: keine Messwerte, Basalrate %2")
            .arg(hourSpanText(hour, hour), rateText(rateTenths, format));
    const auto& p = figures.percentiles;
    return GlucoseView::tr("%1: Median %2 %3, 25 bis 75 %: %4 bis %5, %6 % unter %7, Basalrate %8")
        .arg(hourSpanText(hour, hour), value(p[2], format), unitName(format.unit),
             value(p[1], format), value(p[3], format), percentText(figures.shareBelow70),
             value(70, format), rateText(rateTenths, format));
}

std::vector<FigureRow> periodRows(const PeriodFigures& f, const GlucoseFormat& format)
{
    const QString none = GlucoseView::tr("keine");
    const QString unit = unitName(format.unit);
    const auto decimal = [&](double number) {
        return QString::number(number, 'f', 1).replace(QLatin1Char('.'), format.decimalSeparator);
    };
    std::vector<FigureRow> rows;
    rows.push_back({GlucoseView::tr("Tage mit Daten"),
                    GlucoseView::tr("%1 von %2").arg(f.daysWithData).arg(f.days),
                    GlucoseView::tr("mindestens %1").arg(kAgpDays), verdict(!f.fewerThan14Days)});
    rows.push_back(
        {GlucoseView::tr("Zeit mit CGM-Daten"),
         f.timeWithData
             ? GlucoseView::tr("%1 %").arg(percentText(*f.timeWithData)) +
                   (f.timeWithDataClamped ? GlucoseView::tr(" (auf 100 % begrenzt)") : QString())
             : none,
         QStringLiteral("> 70 %"), verdict(!f.lessThan70PercentData)});
    rows.push_back({GlucoseView::tr("Mittlere Glukose"),
                    f.mean ? QStringLiteral("%1 %2").arg(value(*f.mean, format), unit) : none,
                    QString(), QString()});
    rows.push_back({GlucoseView::tr("Glukosemanagement-Indikator (GMI)"),
                    f.gmi ? GlucoseView::tr("%1 %").arg(decimal(*f.gmi)) : none, QString(),
                    QString()});
    rows.push_back({GlucoseView::tr("Variationskoeffizient (CV)"),
                    f.cv ? GlucoseView::tr("%1 %").arg(decimal(*f.cv * 100)) : none,
                    QStringLiteral("≤ 36 %"), f.cv ? verdict(f.cvGoalMet) : QString()});
    for (const RangeRow& line : kRangeRows) {
        const RangeGoal* goal = nullptr;
        for (const RangeGoal& g : f.goals)
            goal = line.goal == g.kind ? &g : goal;
        const double share =
            line.range >= 0 ? f.rangeShares.at(size_t(line.range)) : (goal ? goal->share : 0);
        rows.push_back(
            {line.range >= 0 ? rangeName(line.range, format) : togetherName(*line.goal, format),
             f.readings ? GlucoseView::tr("%1 %").arg(percentText(share)) : none,
             goal ? goalLimit(*goal) : QString(),
             goal && f.readings ? verdict(goal->met) : QString()});
    }
    for (FigureRow& row : rows)
        row.missed = row.verdict == verdict(false);
    return rows;
}

QString shortfallText(const PeriodFigures& f)
{
    QStringList lacking;
    if (f.fewerThan14Days)
        lacking << GlucoseView::tr("nur %1 von mindestens %2 Tagen mit Daten")
                       .arg(f.daysWithData)
                       .arg(kAgpDays);
    if (f.lessThan70PercentData)
        lacking << (f.timeWithData
                        ? GlucoseView::tr("nur %1 % der Zeit mit Daten statt mindestens 70 %")
                              .arg(percentText(*f.timeWithData))
                        : GlucoseView::tr("keine Zeit mit Daten"));
    if (lacking.isEmpty())
        return QString();
    return GlucoseView::tr(
               "Weniger Daten, als ein AGP verlangt (%1): Die Werte sind nur eingeschränkt "
               "aussagekräftig.")
        .arg(lacking.join(QStringLiteral("; ")));
}

QString sensorLimitText(const PeriodFigures& f, const GlucoseFormat& format)
{
    const QString unit = unitName(format.unit);
    const auto counted = [&](int count, const char* one, const char* many, double limit) {
        return count == 1
                   ? GlucoseView::tr(one).arg(value(limit, format), unit)
                   : GlucoseView::tr(many).arg(QString::number(count), value(limit, format), unit);
    };
    QStringList parts;
    if (f.belowSensorRange)
        parts << counted(
            f.belowSensorRange,
            QT_TRANSLATE_NOOP("GlucoseView",
                              "1 Wert unter dem Messbereich (Low) als %1 %2 gezählt"),
            QT_TRANSLATE_NOOP("GlucoseView",
                              "%1 Werte unter dem Messbereich (Low) als %2 %3 gezählt"),
            kSensorLowestMgPerDl);
    if (f.aboveSensorRange)
        parts << counted(
            f.aboveSensorRange,
            QT_TRANSLATE_NOOP("GlucoseView",
                              "1 Wert über dem Messbereich (High) als %1 %2 gezählt"),
            QT_TRANSLATE_NOOP("GlucoseView",
                              "%1 Werte über dem Messbereich (High) als %2 %3 gezählt"),
            kSensorHighestMgPerDl);
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace fendrimo
