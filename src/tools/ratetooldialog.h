#pragma once

#include "profile/profiletools.h"

#include <QDialog>

#include <functional>

class QDialogButtonBox;
class QLabel;
class QSpinBox;

namespace fendrimo {

// What a whole-profile tool makes of the rates for one value of its spin box,
// with the notices the user must read before saying OK.
struct ToolPreview
{
    HourlyRates rates{};
    QStringList notices;
};

// The settings of one tool's dialog.
struct RateTool
{
    QString title;     // window title
    QString valueName; // label of the spin box
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int initial = 0;
    QString suffix;
    std::function<ToolPreview(int)> apply;
};

// A dialog for a tool that changes every rate: a spin box, a live preview of
// the new rates and daily total with the tool's notices, OK and Abbrechen.
// It changes nothing itself; the caller takes preview() after OK.
class RateToolDialog final : public QDialog
{
    Q_OBJECT

public:
    RateToolDialog(QWidget* parent, RateTool tool, const HourlyRates& current);

    int value() const;
    const ToolPreview& preview() const { return m_preview; }

    QSpinBox* Wert = nullptr;
    QLabel* LabelSumme = nullptr;
    QLabel* LabelRaten = nullptr;
    QLabel* LabelHinweise = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void showPreview();

    RateTool m_tool;
    HourlyRates m_current;
    ToolPreview m_preview;
};

// The two tools on these rates: all rates by a percentage, and the shift in time.
RateTool percentTool(const HourlyRates& rates, qint32 maximum);
RateTool shiftTool(const HourlyRates& rates);

} // namespace fendrimo
