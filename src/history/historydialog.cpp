#include "history/historydialog.h"

#include "profile/versiondiff.h"
#include "profile/zehntel.h"
#include "widgets/screenfit.h"
#include "widgets/stepchart.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace fendrimo {

QString versionName(const StoredVersion& version)
{
    const QDateTime local = version.savedAt.toLocalTime();
    return HistoryDialog::tr("Fassung vom %1, %2 Uhr")
        .arg(local.toString(QStringLiteral("dd.MM.yyyy")), local.toString(QStringLiteral("HH:mm")));
}

HistoryDialog::HistoryDialog(QWidget* parent, const QString& profilePath, bool keeping,
                             const QString& note)
    : QDialog(parent), m_profilePath(profilePath)
{
    setObjectName(QStringLiteral("FormVerlauf"));
    setWindowTitle(tr("Fendrimo - Verlauf"));
    setModal(true);
    buildControls(keeping, note);
    fitToArea(this, QSize(900, 430));
    setVersions({});
}

QPushButton* HistoryDialog::addButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    // Enter must not restore or compare by accident.
    button->setAutoDefault(false);
    return button;
}

// Created in the order Tab visits them.
void HistoryDialog::buildControls(bool keeping, const QString& note)
{
    buildVersionViews();
    buildKeepingControls(keeping, note);
    ButtonVergleichen = addButton("ButtonVergleichen", tr("&Vergleichen"));
    ButtonWiederherstellen = addButton("ButtonWiederherstellen", tr("&Wiederherstellen"));
    ButtonSchliessen = addButton("ButtonSchliessen", tr("&Schließen"));
    arrangeControls();
    connectControls();
}

// The heading, the list of versions and the chart of the chosen one.
void HistoryDialog::buildVersionViews()
{
    LabelProfil = new QLabel(this);
    LabelProfil->setObjectName(QStringLiteral("LabelProfil"));
    LabelProfil->setWordWrap(true);

    ListeVerlauf = new QTableWidget(0, 3, this);
    ListeVerlauf->setObjectName(QStringLiteral("ListeVerlauf"));
    ListeVerlauf->setAccessibleName(tr("Gespeicherte Fassungen"));
    ListeVerlauf->setHorizontalHeaderLabels(
        {tr("Gespeichert am"), tr("Tagessumme"), tr("Änderung gegenüber der Fassung davor")});
    ListeVerlauf->verticalHeader()->hide();
    ListeVerlauf->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListeVerlauf->setSelectionMode(QAbstractItemView::SingleSelection);
    ListeVerlauf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListeVerlauf->setShowGrid(false);
    ListeVerlauf->horizontalHeader()->setStretchLastSection(true);
    ListeVerlauf->setColumnWidth(0, 140);
    ListeVerlauf->setColumnWidth(1, 95);
    // A change in words can be long: it wraps rather than being cut off.
    ListeVerlauf->setWordWrap(true);
    ListeVerlauf->setTextElideMode(Qt::ElideNone);
    connect(ListeVerlauf->horizontalHeader(), &QHeaderView::sectionResized, ListeVerlauf,
            &QTableWidget::resizeRowsToContents);
    LabelProfil->setBuddy(ListeVerlauf);
    // Rates in tenths, on an axis up to 1 IE/h at least.
    DiagrammVerlauf = new StepChart({10, [](qint64 rate) { return ZehntelText(rate); }}, this);
    DiagrammVerlauf->setObjectName(QStringLiteral("DiagrammVerlauf"));
    DiagrammVerlauf->setAccessibleName(
        QCoreApplication::translate("fendrimo::VersionChart", "Stufendiagramm"));
}

// The note on the last version, whether a history is kept and its deletion.
void HistoryDialog::buildKeepingControls(bool keeping, const QString& note)
{
    LabelHinweis = new QLabel(note, this);
    LabelHinweis->setObjectName(QStringLiteral("LabelHinweis"));
    LabelHinweis->setWordWrap(true);
    LabelHinweis->setVisible(!note.isEmpty());

    CheckBoxVerlauf = new QCheckBox(tr("Verlauf &führen"), this);
    CheckBoxVerlauf->setObjectName(QStringLiteral("CheckBoxVerlauf"));
    CheckBoxVerlauf->setChecked(keeping);
    CheckBoxVerlauf->setAccessibleDescription(
        tr("Jedes Speichern legt eine Fassung im Verlauf ab"));
    ButtonLoeschen = addButton("ButtonLoeschen", tr("Verlauf dieses Profils &löschen"));
}

void HistoryDialog::arrangeControls()
{
    auto* views = new QHBoxLayout;
    views->addWidget(ListeVerlauf, 1);
    views->addWidget(DiagrammVerlauf);
    auto* keepRow = new QHBoxLayout;
    keepRow->addWidget(CheckBoxVerlauf);
    keepRow->addWidget(ButtonLoeschen);
    keepRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ButtonVergleichen, ButtonWiederherstellen, ButtonSchliessen})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelProfil);
    layout->addLayout(views, 1);
    layout->addWidget(LabelHinweis);
    layout->addLayout(keepRow);
    layout->addLayout(buttons);
}

void HistoryDialog::connectControls()
{
    connect(ListeVerlauf, &QTableWidget::currentCellChanged, this, [this] { showSelection(); });
    connect(CheckBoxVerlauf, &QCheckBox::toggled, this, &HistoryDialog::keepingToggled);
    connect(ButtonLoeschen, &QPushButton::clicked, this, &HistoryDialog::deleteRequested);
    connect(ButtonVergleichen, &QPushButton::clicked, this,
            [this] { finishWith(Choice::Compare); });
    connect(ButtonWiederherstellen, &QPushButton::clicked, this,
            [this] { finishWith(Choice::Restore); });
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QDialog::reject);
}

void HistoryDialog::setVersions(QList<StoredVersion> versions)
{
    m_versions = std::move(versions);
    const QString where = QDir::toNativeSeparators(m_profilePath);
    LabelProfil->setText(m_versions.isEmpty()
                             ? tr("Noch keine gespeicherte Fassung von %1.").arg(where)
                             : tr("Gespeicherte Fassungen von %1, die neueste zuerst:").arg(where));
    ListeVerlauf->setRowCount(0);
    ListeVerlauf->setRowCount(int(m_versions.size()));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int i = 0; i < m_versions.size(); ++i) {
        const StoredVersion& version = m_versions.at(i);
        const QString change = i + 1 < m_versions.size()
                                   ? describeChanges(m_versions.at(i + 1).content, version.content)
                                   : tr("älteste gespeicherte Fassung");
        //: IE: insulin units
        const QString total = tr("%1 IE").arg(ZehntelText(version.content.total()));
        const QStringList texts{versionTimeText(version, now), total, change};
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts.at(column));
            item->setTextAlignment((column == 1 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
            ListeVerlauf->setItem(i, column, item);
        }
    }
    ListeVerlauf->resizeRowsToContents();
    ButtonLoeschen->setEnabled(!m_versions.isEmpty());
    if (!m_versions.isEmpty())
        ListeVerlauf->setCurrentCell(0, 0);
    showSelection();
}

// The list gets its width only once shown: the changes wrap in it then.
void HistoryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, ListeVerlauf, &QTableWidget::resizeRowsToContents);
}

int HistoryDialog::selectedRow() const
{
    return ListeVerlauf->currentRow();
}

void HistoryDialog::showSelection()
{
    const int row = selectedRow();
    const bool chosen = row >= 0 && row < m_versions.size();
    ButtonVergleichen->setEnabled(chosen);
    ButtonWiederherstellen->setEnabled(chosen);
    if (!chosen)
        showInChart(nullptr, nullptr);
    else
        showInChart(&m_versions.at(row),
                    row + 1 < m_versions.size() ? &m_versions.at(row + 1) : nullptr);
}

// The chosen version's steps with the version before it dashed over them, so
// that what changed stands out at a glance; for a screen reader, their totals.
// The chart's texts keep the context they were first translated in.
void HistoryDialog::showInChart(const StoredVersion* selected, const StoredVersion* previous)
{
    QList<StepSeries> series;
    QString text = QCoreApplication::translate("fendrimo::VersionChart", "Keine Fassung gewählt");
    if (selected) {
        series << StepSeries{
            selected->content.rates,
            QCoreApplication::translate("fendrimo::VersionChart", "gewählte Fassung"),
            QColor(0, 70, 160), 2.0, Qt::SolidLine};
        text = QCoreApplication::translate("fendrimo::VersionChart",
                                           "Gewählte Fassung: Tagessumme %1 IE")
                   .arg(ZehntelText(selected->content.total()));
    }
    if (selected && previous) {
        // As the comparison marks on the main window's sliders.
        series << StepSeries{previous->content.rates,
                             QCoreApplication::translate("fendrimo::VersionChart", "Fassung davor"),
                             QColor(150, 0, 120), 1.5, Qt::DashLine};
        text = QCoreApplication::translate("fendrimo::VersionChart",
                                           "%1; Fassung davor (gestrichelt): Tagessumme %2 IE")
                   .arg(text, ZehntelText(previous->content.total()));
    }
    DiagrammVerlauf->setSeries(series);
    DiagrammVerlauf->setAccessibleDescription(text);
}

void HistoryDialog::finishWith(Choice choice)
{
    m_chosenRow = selectedRow();
    if (m_chosenRow < 0)
        return;
    m_choice = choice;
    accept();
}

std::optional<StoredVersion> HistoryDialog::chosen() const
{
    if (m_choice == Choice::None || m_chosenRow < 0 || m_chosenRow >= m_versions.size())
        return std::nullopt;
    return m_versions.at(m_chosenRow);
}

} // namespace fendrimo
