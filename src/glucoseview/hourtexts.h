#pragma once

// The AGP window's words for its figures: the hourly table's cells, what a
// screen reader hears for an hour, the period's figures beside their
// consensus goals and the notes on what the figures lack. Widget-free, so
// the words are tested without a window.

#include "glucose/glucosestats.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

namespace fendrimo {

// How values are written: the unit shown and the regional decimal separator.
struct GlucoseFormat
{
    GlucoseUnit unit = GlucoseUnit::MgPerDl;
    QChar decimalSeparator = QLatin1Char(',');
};

enum class HourColumn {
    Hour,
    Rate,
    Readings,
    P5,
    P25,
    Median,
    P75,
    P95,
    Below70,
    Above180,
    Change,
    Count
};

// The table's column titles; the values' unit is in them.
QStringList hourColumnTitles(const GlucoseFormat& format);

// One hour's cells by HourColumn. An hour without readings leaves its
// glucose cells empty; its rate is still shown.
QStringList hourCells(int hour, const HourFigures& figures, qint32 rateTenths,
                      const GlucoseFormat& format);

// What a screen reader says for the hour: "3 bis 4 Uhr: Median 142 mg/dL,
// 25 bis 75 %: 118 bis 170, 12 % unter 70, Basalrate 0,8 IE/h".
QString hourAnnouncement(int hour, const HourFigures& figures, qint32 rateTenths,
                         const GlucoseFormat& format);

// A figure over the period beside its consensus goal; goal and whether it
// is met are empty where the consensus sets none.
struct FigureRow
{
    QString name;
    QString value;
    QString goal;
    QString verdict; // "erreicht" or "verfehlt"
    bool missed = false;
};

std::vector<FigureRow> periodRows(const PeriodFigures& figures, const GlucoseFormat& format);

// The shortfall of days or of time with data, said once; empty when there is none.
QString shortfallText(const PeriodFigures& figures);

// Low and High readings counted at the sensor's limit; empty without any.
QString sensorLimitText(const PeriodFigures& figures, const GlucoseFormat& format);

} // namespace fendrimo
