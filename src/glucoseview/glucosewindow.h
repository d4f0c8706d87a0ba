#pragma once

#include "glucose/glucosestats.h"
#include "glucoseview/agpgeometry.h"

#include <QDate>
#include <QDialog>
#include <QList>

#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QListWidget;
class QTableWidget;

namespace fendrimo {

class AgpChart;

// "Glukoseprofil": the AGP chart with the basal rate, the figures over the
// period beside their goals and the hourly table. It only shows: the values
// come in, and the user's choices (period, days, unit, an hour) go back out
// through its signals. Not modal, so it stays open beside the main window.
class GlucoseWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit GlucoseWindow(QWidget* owner);

    // The days the data holds, offered for picking single dates.
    void setDataDays(const QList<QDate>& days);
    // The period in force and the unit, shown without being taken as a
    // choice; moved: a chosen date lay outside the data and was moved in.
    void showPeriod(const GlucosePeriod& period, bool moved);
    void showUnit(GlucoseUnit unit);
    // The figures and the rates; reference: the comparison's rates.
    void showFigures(const GlucoseStatistics& statistics, const HourRates& rates,
                     const std::optional<HourRates>& reference);

signals:
    void periodChosen(const QDate& from, const QDate& to, fendrimo::DaySelection days,
                      const QList<QDate>& picked);
    void unitChosen(fendrimo::GlucoseUnit unit);
    void hourChosen(int hour);

private:
    QWidget* buildPeriodControls();
    QWidget* buildFigures();
    QWidget* buildTable();
    void choosePeriod();
    void showNote();
    void showTable(const GlucoseStatistics& statistics, const HourRates& rates);
    void showFigureRows(const GlucoseStatistics& statistics);

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QComboBox* m_days = nullptr;
    QListWidget* m_picked = nullptr;
    QComboBox* m_unit = nullptr;
    QLabel* m_note = nullptr;
    AgpChart* m_chart = nullptr;
    QGridLayout* m_figures = nullptr;
    QTableWidget* m_table = nullptr;
    QString m_movedText;
    QString m_figureNotes;
    // Set while values are shown, so the controls' signals are not choices.
    bool m_showing = false;
};

} // namespace fendrimo
