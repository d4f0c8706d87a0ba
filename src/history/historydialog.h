#pragma once

#include "history/versionstore.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace fendrimo {

class StepChart;

// How a comparison names a version: "Fassung vom 09.12.2026, 05:10 Uhr".
QString versionName(const StoredVersion& version);

// "Fendrimo - Verlauf": the saved versions of one profile file, newest first,
// with their totals and what changed against the version before; a step chart
// of the chosen one over the one before. "Vergleichen" and "Wiederherstellen"
// close it and hand the choice back; the check box and the delete button are
// handed to the caller at once through keepingToggled() and deleteRequested().
class HistoryDialog final : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { None, Compare, Restore };

    // note: why the last version could not be kept, or empty.
    HistoryDialog(QWidget* parent, const QString& profilePath, bool keeping, const QString& note);

    void setVersions(QList<StoredVersion> versions);
    const QList<StoredVersion>& versions() const { return m_versions; }
    Choice choice() const { return m_choice; }
    // The version chosen with "Vergleichen" or "Wiederherstellen".
    std::optional<StoredVersion> chosen() const;

    QLabel* LabelProfil = nullptr;
    QTableWidget* ListeVerlauf = nullptr;
    StepChart* DiagrammVerlauf = nullptr;
    QLabel* LabelHinweis = nullptr;
    QCheckBox* CheckBoxVerlauf = nullptr;
    QPushButton* ButtonLoeschen = nullptr;
    QPushButton* ButtonVergleichen = nullptr;
    QPushButton* ButtonWiederherstellen = nullptr;
    QPushButton* ButtonSchliessen = nullptr;

signals:
    void keepingToggled(bool keeping);
    void deleteRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls(bool keeping, const QString& note);
    void buildVersionViews();
    void buildKeepingControls(bool keeping, const QString& note);
    void arrangeControls();
    void connectControls();
    QPushButton* addButton(const char* name, const QString& text);
    void showSelection();
    void showInChart(const StoredVersion* selected, const StoredVersion* previous);
    void finishWith(Choice choice);
    int selectedRow() const;

    QString m_profilePath;
    QList<StoredVersion> m_versions;
    Choice m_choice = Choice::None;
    int m_chosenRow = -1;
};

} // namespace fendrimo
