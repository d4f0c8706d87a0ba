#pragma once

#include "profile/comparison.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class QLabel;

namespace fendrimo {

// "Aus Vergleich übernehmen": one check box per run of hours that differ from
// the comparison, all ticked, and the daily total now and with the ticked
// hours taken. It changes nothing itself; the caller takes chosenHours()
// after OK.
class TakeHoursDialog final : public QDialog
{
    Q_OBJECT

public:
    TakeHoursDialog(QWidget* parent, const HourlyRates& current, const ProfileReference& reference);

    // The hours of the ticked runs, earliest first.
    QList<int> chosenHours() const;

    QList<QCheckBox*> runBoxes; // Lauf1, Lauf2, ... in the order of the day
    QLabel* LabelSumme = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void showTotal();

    HourlyRates m_current;
    ProfileReference m_reference;
    QList<DifferingRun> m_runs;
};

} // namespace fendrimo
