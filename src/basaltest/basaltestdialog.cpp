#include "basaltest/basaltestdialog.h"

#include "basaltest/basaltesttable.h"
#include "basaltest/blockchooser.h"
#include "glucose/glucoseperiod.h"
#include "platform/regional.h"
#include "widgets/dialogbuttons.h"
#include "widgets/screenfit.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace fendrimo {

namespace {

// The latest days with readings are ticked as the dialog opens.
constexpr int kDaysTickedAtFirst = 2;

} // namespace

BasalTestDialog::BasalTestDialog(QWidget* parent, const GlucoseData& data, const HourlyRates& rates,
                                 GlucoseUnit unit, BasalTestBlock block)
    : QDialog(parent), m_data(data), m_rates(rates), m_unit(unit)
{
    setObjectName(QStringLiteral("BasalTestDialog"));
    setWindowTitle(tr("Basaltest auswerten"));
    setAccessibleDescription(
        tr("Zeigt für die gewählten Tage und Stunden die Glukosewerte, ihre Änderung und die "
           "Basalrate jeder Stunde; das Programm bewertet die Basalrate nicht"));

    auto* days = new QGroupBox(tr("Tage"), this);
    auto* daysLayout = new QVBoxLayout(days);
    DayList = new QListWidget(days);
    DayList->setObjectName(QStringLiteral("DayList"));
    DayList->setAccessibleName(tr("Tage der Glukosedaten"));
    DayList->setAccessibleDescription(
        tr("Ein Haken wählt den Tag, an dem der Block beginnt; Tage ohne Messwerte sind nicht "
           "wählbar"));
    daysLayout->addWidget(DayList);
    // As wide as a day without readings says so: the table takes the rest.
    DayList->setMaximumWidth(
        DayList->fontMetrics().horizontalAdvance(tr("%1 (keine Werte)").arg("00.00.0000")) + 48);

    auto* blockBox = new QGroupBox(tr("Block"), this);
    auto* blockLayout = new QVBoxLayout(blockBox);
    Chooser = new BlockChooser(blockBox, block);
    blockLayout->addWidget(Chooser);

    ResultTable = new QTableWidget(this);
    ResultTable->setObjectName(QStringLiteral("ResultTable"));
    ResultTable->setAccessibleName(tr("Werte des Basaltests"));
    ResultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultTable->verticalHeader()->hide();
    ResultTable->setWordWrap(false);

    m_noDays =
        new QLabel(tr("Kein Tag gewählt: Haken Sie links einen oder mehrere Tage an."), this);
    m_noDays->setObjectName(QStringLiteral("LabelNoDays"));

    auto* note = new QLabel(basalTestNote(unit), this);
    note->setObjectName(QStringLiteral("LabelNote"));
    note->setWordWrap(true);

    Buttons = closeButtons(this);

    auto* right = new QVBoxLayout;
    right->addWidget(blockBox);
    right->addWidget(m_noDays);
    right->addWidget(ResultTable, 1);
    right->addWidget(note);
    auto* columns = new QHBoxLayout;
    columns->addWidget(days);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(Buttons);

    fillDays();
    connect(DayList, &QListWidget::itemChanged, this, [this] { showResults(); });
    connect(Chooser, &BlockChooser::blockChanged, this, [this] { showResults(); });
    showResults();
    fitToArea(this, QSize(980, 640));
}

// Every day from the first reading's to the last's; a day without readings
// stays in the list, greyed, so a gap is seen.
void BasalTestDialog::fillDays()
{
    std::set<std::int64_t> withReadings;
    for (const GlucoseReading& reading : m_data.readings)
        withReadings.insert(localDay(reading.localSeconds));
    if (withReadings.empty())
        return;
    const RegionalFormats& formats = RegionalFormats::current();
    for (std::int64_t day = *withReadings.begin(); day <= *withReadings.rbegin(); ++day) {
        const QDate date = dateOfDay(day);
        const bool readings = withReadings.count(day) > 0;
        auto* item =
            new QListWidgetItem(readings ? formats.shortDate(date)
                                         : tr("%1 (keine Werte)").arg(formats.shortDate(date)),
                                DayList);
        item->setData(Qt::UserRole, date);
        item->setFlags(readings ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        item->setCheckState(Qt::Unchecked);
    }
    int ticked = 0;
    for (int row = DayList->count() - 1; row >= 0 && ticked < kDaysTickedAtFirst; --row) {
        QListWidgetItem* item = DayList->item(row);
        if (item->flags() & Qt::ItemIsEnabled) {
            item->setCheckState(Qt::Checked);
            ++ticked;
        }
    }
}

QList<QDate> BasalTestDialog::chosenDays() const
{
    QList<QDate> days;
    for (int row = 0; row < DayList->count(); ++row)
        if (DayList->item(row)->checkState() == Qt::Checked)
            days << DayList->item(row)->data(Qt::UserRole).toDate();
    return days;
}

BasalTestBlock BasalTestDialog::chosenBlock() const
{
    return Chooser->block();
}

void BasalTestDialog::showResults()
{
    const BasalTestBlock block = chosenBlock();
    const QList<QDate> days = chosenDays();
    m_noDays->setVisible(days.isEmpty());
    fillBasalTestTable(*ResultTable, basalTest(m_data, days, block, m_unit), block, m_rates, m_unit,
                       RegionalFormats::current());
}

} // namespace fendrimo
