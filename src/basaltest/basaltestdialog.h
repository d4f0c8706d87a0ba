#pragma once

#include "glucose/basaltest.h"
#include "profile/basalprofile.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace fendrimo {

class BlockChooser;

// "Basaltest auswerten": the facts of a block of hours on the days chosen,
// side by side, beside the profile's rate of each hour. It states values and
// changes only; judging the rate is the user's and their team's.
class BasalTestDialog final : public QDialog
{
    Q_OBJECT

public:
    // data and rates as they are while the dialog is open; unit: the unit shown.
    BasalTestDialog(QWidget* parent, const GlucoseData& data, const HourlyRates& rates,
                    GlucoseUnit unit, BasalTestBlock block);

    // The days ticked, in the list's order.
    QList<QDate> chosenDays() const;
    BasalTestBlock chosenBlock() const;

    QListWidget* DayList = nullptr;
    BlockChooser* Chooser = nullptr;
    QTableWidget* ResultTable = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void fillDays();
    void showResults();

    const GlucoseData& m_data;
    HourlyRates m_rates;
    GlucoseUnit m_unit;
    QLabel* m_noDays = nullptr; // shown while no day is ticked
};

} // namespace fendrimo
