#include "glucoseview/glucosewindow.h"

#include "glucose/agpcurves.h"
#include "glucose/glucoseshown.h"
#include "glucoseview/agpchart.h"
#include "glucoseview/hourtexts.h"
#include "platform/regional.h"
#include "widgets/screenfit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace fendrimo {

namespace {

struct DayChoice
{
    DaySelection days;
    const char* text;
};
constexpr DayChoice kDayChoices[] = {
    {DaySelection::All, QT_TRANSLATE_NOOP("fendrimo::GlucoseWindow", "Alle Tage")},
    {DaySelection::MondayToFriday,
     QT_TRANSLATE_NOOP("fendrimo::GlucoseWindow", "Montag bis Freitag")},
    {DaySelection::SaturdayAndSunday,
     QT_TRANSLATE_NOOP("fendrimo::GlucoseWindow", "Samstag und Sonntag")},
    {DaySelection::Picked, QT_TRANSLATE_NOOP("fendrimo::GlucoseWindow", "Gewählte Tage")},
};

constexpr GlucoseUnit kUnits[] = {GlucoseUnit::MgPerDl, GlucoseUnit::MmolPerL};

// The size it opens at, where the screen has room: chart and figures side
// by side, every hour of the table below.
constexpr QSize kWantedSize(1200, 1040);

GlucoseFormat shownFormat(GlucoseUnit unit)
{
    return {unit, RegionalFormats::current().decimalSeparator};
}

QLabel* buddyLabel(const QString& text, QWidget* control, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return label;
}

} // namespace

GlucoseWindow::GlucoseWindow(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Glukoseprofil"));
    setWindowTitle(tr("Fendrimo - Glukoseprofil"));
    setAccessibleName(tr("Glukoseprofil"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    QVBoxLayout* page = scrollingPage(this);
    page->addWidget(buildPeriodControls());
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("Hinweis"));
    m_note->setWordWrap(true);
    m_note->setAccessibleName(tr("Hinweis"));
    page->addWidget(m_note);
    auto* middle = new QHBoxLayout;
    m_chart = new AgpChart(this);
    m_chart->setObjectName(QStringLiteral("AgpDiagramm"));
    connect(m_chart, &AgpChart::hourChosen, this, &GlucoseWindow::hourChosen);
    middle->addWidget(m_chart, 1);
    middle->addWidget(buildFigures());
    page->addLayout(middle, 3);
    page->addWidget(buildTable(), 4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Schließen"));
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Schliessen"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    addBelowPage(this, buttons);
    QWidget* const order[] = {m_from, m_to, m_days, m_picked, m_unit, m_chart, m_table};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    fitToArea(this, kWantedSize);
}

QWidget* GlucoseWindow::buildPeriodControls()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_from = new QDateEdit(box);
    m_to = new QDateEdit(box);
    m_days = new QComboBox(box);
    m_unit = new QComboBox(box);
    m_from->setObjectName(QStringLiteral("VonDatum"));
    m_to->setObjectName(QStringLiteral("BisDatum"));
    m_days->setObjectName(QStringLiteral("TageAuswahl"));
    m_unit->setObjectName(QStringLiteral("Einheit"));
    const QString dateFormat = RegionalFormats::current().shortDateFormat;
    for (QDateEdit* date : {m_from, m_to}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(dateFormat);
        connect(date, &QDateEdit::dateChanged, this, &GlucoseWindow::choosePeriod);
    }
    for (const DayChoice& choice : kDayChoices)
        m_days->addItem(tr(choice.text));
    for (GlucoseUnit unit : kUnits)
        m_unit->addItem(unitName(unit));
    connect(m_days, &QComboBox::currentIndexChanged, this, &GlucoseWindow::choosePeriod);
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showing && index >= 0)
            emit unitChosen(kUnits[index]);
    });
    const std::pair<QString, QWidget*> labelled[] = {{tr("&Von:"), m_from},
                                                     {tr("&bis:"), m_to},
                                                     {tr("&Tage:"), m_days},
                                                     {tr("&Einheit:"), m_unit}};
    for (const auto& [text, control] : labelled) {
        row->addWidget(buddyLabel(text, control, box));
        row->addWidget(control);
        row->addSpacing(8);
    }
    row->addStretch(1);
    return box;
}

QWidget* GlucoseWindow::buildFigures()
{
    auto* column = new QWidget(this);
    auto* layout = new QHBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(tr("Kennzahlen im Zeitraum"), column);
    group->setObjectName(QStringLiteral("Kennzahlen"));
    m_figures = new QGridLayout(group);
    m_figures->setVerticalSpacing(2);
    const QStringList titles{tr("Kennzahl"), tr("Wert"), tr("Ziel"), QString()};
    for (int c = 0; c < titles.size(); ++c) {
        auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(titles.at(c)), group);
        m_figures->addWidget(title, 0, c);
    }
    layout->addWidget(group);
    m_picked = new QListWidget(column);
    m_picked->setObjectName(QStringLiteral("TageListe"));
    m_picked->setAccessibleName(tr("Gewählte Tage"));
    m_picked->setAccessibleDescription(tr("Die Tage, die zählen, mit der Leertaste an- oder "
                                          "abwählen"));
    m_picked->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Mi, 00.00.0000")) +
                              60);
    m_picked->hide();
    connect(m_picked, &QListWidget::itemChanged, this, &GlucoseWindow::choosePeriod);
    layout->addWidget(m_picked);
    return column;
}

QWidget* GlucoseWindow::buildTable()
{
    m_table = new QTableWidget(kHoursPerDay, int(HourColumn::Count), this);
    m_table->setObjectName(QStringLiteral("StundenTabelle"));
    m_table->setAccessibleName(tr("Werte nach Stunden"));
    m_table->setAccessibleDescription(
        tr("Eine Zeile je Stunde; Eingabe wählt die Stunde im Hauptfenster"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->setMinimumHeight(m_table->verticalHeader()->defaultSectionSize() * 6);
    const auto choose = [this](const QModelIndex& index) { emit hourChosen(index.row()); };
    connect(m_table, &QTableWidget::activated, this, choose);
    connect(m_table, &QTableWidget::clicked, this, choose);
    return m_table;
}

void GlucoseWindow::setDataDays(const QList<QDate>& days)
{
    m_showing = true;
    m_picked->clear();
    for (const QDate& day : days) {
        auto* item = new QListWidgetItem(QLocale().dayName(day.dayOfWeek(), QLocale::ShortFormat) +
                                             QStringLiteral(", ") +
                                             RegionalFormats::current().shortDate(day),
                                         m_picked);
        item->setData(Qt::UserRole, day);
        item->setCheckState(Qt::Unchecked);
    }
    m_showing = false;
}

void GlucoseWindow::showPeriod(const GlucosePeriod& period, bool moved)
{
    m_showing = true;
    m_from->setDate(period.first);
    m_to->setDate(period.last);
    for (int i = 0; i < int(std::size(kDayChoices)); ++i) {
        if (kDayChoices[i].days == period.days)
            m_days->setCurrentIndex(i);
    }
    m_picked->setVisible(period.days == DaySelection::Picked);
    for (int i = 0; i < m_picked->count(); ++i) {
        QListWidgetItem* item = m_picked->item(i);
        item->setCheckState(period.picked.contains(item->data(Qt::UserRole).toDate())
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    m_movedText = moved ? tr("Ein gewähltes Datum lag außerhalb der Glukosedaten und wurde auf "
                             "ihren ersten oder letzten Tag gesetzt.")
                        : QString();
    m_showing = false;
    showNote();
}

void GlucoseWindow::showUnit(GlucoseUnit unit)
{
    m_showing = true;
    m_unit->setCurrentIndex(unit == GlucoseUnit::MgPerDl ? 0 : 1);
    m_showing = false;
}

void GlucoseWindow::choosePeriod()
{
    if (m_showing)
        return;
    const DaySelection days = kDayChoices[std::max(0, m_days->currentIndex())].days;
    m_picked->setVisible(days == DaySelection::Picked);
    QList<QDate> picked;
    for (int i = 0; i < m_picked->count(); ++i) {
        if (m_picked->item(i)->checkState() == Qt::Checked)
            picked << m_picked->item(i)->data(Qt::UserRole).toDate();
    }
    emit periodChosen(m_from->date(), m_to->date(), days, picked);
}

void GlucoseWindow::showNote()
{
    QStringList lines;
    for (const QString& line : {m_movedText, m_figureNotes}) {
        if (!line.isEmpty())
            lines << line;
    }
    m_note->setText(lines.join(QLatin1Char('\n')));
    m_note->setVisible(!lines.isEmpty());
}

void GlucoseWindow::showFigures(const GlucoseStatistics& statistics, const HourRates& rates,
                                const std::optional<HourRates>& reference)
{
    const GlucoseFormat format = shownFormat(statistics.shown);
    AgpChartValues chart;
    chart.curves = agpCurves(statistics.hours);
    chart.unit = statistics.shown;
    chart.decimalSeparator = format.decimalSeparator;
    chart.rates = rates;
    chart.reference = reference;
    for (int hour = 0; hour < kHoursPerDay; ++hour)
        chart.hourTexts << hourAnnouncement(hour, statistics.hours.at(size_t(hour)),
                                            rates.at(size_t(hour)), format);
    m_chart->setValues(std::move(chart));
    showTable(statistics, rates);
    showFigureRows(statistics);
    QStringList notes;
    for (const QString& note :
         {shortfallText(statistics.overall), sensorLimitText(statistics.overall, format)}) {
        if (!note.isEmpty())
            notes << note;
    }
    m_figureNotes = notes.join(QLatin1Char('\n'));
    showNote();
}

void GlucoseWindow::showTable(const GlucoseStatistics& statistics, const HourRates& rates)
{
    const GlucoseFormat format = shownFormat(statistics.shown);
    m_table->setHorizontalHeaderLabels(hourColumnTitles(format));
    for (int hour = 0; hour < kHoursPerDay; ++hour) {
        const HourFigures& figures = statistics.hours.at(size_t(hour));
        const QStringList cells = hourCells(hour, figures, rates.at(size_t(hour)), format);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(hour, column, item);
        }
        m_table->item(hour, 0)->setData(
            Qt::AccessibleTextRole,
            hourAnnouncement(hour, figures, rates.at(size_t(hour)), format));
    }
}

void GlucoseWindow::showFigureRows(const GlucoseStatistics& statistics)
{
    const std::vector<FigureRow> rows =
        periodRows(statistics.overall, shownFormat(statistics.shown));
    for (int r = 0; r < int(rows.size()); ++r) {
        const FigureRow& row = rows.at(size_t(r));
        const QStringList texts{row.name, row.value, row.goal, row.verdict};
        for (int c = 0; c < texts.size(); ++c) {
            QLayoutItem* at = m_figures->itemAtPosition(r + 1, c);
            auto* label = at ? static_cast<QLabel*>(at->widget()) : nullptr;
            if (!label) {
                label = new QLabel(m_figures->parentWidget());
                label->setObjectName(QStringLiteral("Kennzahl%1_%2").arg(r + 1).arg(c + 1));
                label->setAlignment(c == 1 ? Qt::AlignRight | Qt::AlignVCenter
                                           : Qt::AlignLeft | Qt::AlignVCenter);
                m_figures->addWidget(label, r + 1, c);
            }
            label->setText(texts.at(c));
        }
        // A goal missed stands out; its word says it without the colour.
        QWidget* verdict = m_figures->itemAtPosition(r + 1, 3)->widget();
        QPalette colours = palette();
        if (row.missed)
            colours.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x20));
        verdict->setPalette(colours);
        // A screen reader reads the row as one sentence at its value.
        m_figures->itemAtPosition(r + 1, 1)->widget()->setAccessibleName(
            row.goal.isEmpty()
                ? tr("%1: %2").arg(row.name, row.value)
                : tr("%1: %2, Ziel %3, %4").arg(row.name, row.value, row.goal, row.verdict));
    }
}

} // namespace fendrimo
