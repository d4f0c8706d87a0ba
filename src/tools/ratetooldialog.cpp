#include "tools/ratetooldialog.h"

#include "platform/platform.h"
#include "profile/zehntel.h"
#include "widgets/dialogbuttons.h"
#include "widgets/screenfit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace fendrimo {

namespace {

// The new rates hour by hour, six to a line.
QString ratesText(const HourlyRates& rates)
{
    QStringList lines;
    for (int first = 0; first < int(rates.size()); first += 6) {
        QStringList hours;
        for (int h = first; h < first + 6; ++h)
            hours << QStringLiteral("%1–%2: %3")
                         .arg(h)
                         .arg(h + 1)
                         .arg(ZehntelText(rates.at(size_t(h))));
        lines << hours.join(QStringLiteral("   "));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

RateToolDialog::RateToolDialog(QWidget* parent, RateTool tool, const HourlyRates& current)
    : QDialog(parent), m_tool(std::move(tool)), m_current(current)
{
    setWindowTitle(m_tool.title);
    auto* form = new QFormLayout;
    Wert = new QSpinBox(this);
    Wert->setObjectName(QStringLiteral("Wert"));
    Wert->setRange(m_tool.minimum, m_tool.maximum);
    Wert->setSingleStep(m_tool.step);
    Wert->setValue(m_tool.initial);
    Wert->setSuffix(m_tool.suffix);
    Wert->setAccessibleName(m_tool.valueName);
    //: The label of the spin box: the value's name and a colon
    form->addRow(tr("%1:").arg(m_tool.valueName), Wert);

    LabelSumme = new QLabel(this);
    LabelSumme->setObjectName(QStringLiteral("LabelSumme"));
    LabelSumme->setAccessibleName(tr("Tagessumme vorher und nachher"));
    LabelRaten = new QLabel(this);
    LabelRaten->setObjectName(QStringLiteral("LabelRaten"));
    LabelRaten->setAccessibleName(tr("Neue Stundenraten"));
    LabelHinweise = new QLabel(this);
    LabelHinweise->setObjectName(QStringLiteral("LabelHinweise"));
    LabelHinweise->setAccessibleName(tr("Hinweise"));
    LabelHinweise->setWordWrap(true);
    for (QLabel* label : {LabelSumme, LabelRaten, LabelHinweise})
        label->setTextFormat(Qt::PlainText);

    Buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QWidget* widget : {static_cast<QWidget*>(LabelSumme), static_cast<QWidget*>(LabelRaten),
                            static_cast<QWidget*>(LabelHinweise), static_cast<QWidget*>(Buttons)})
        layout->addWidget(widget);

    connect(Wert, &QSpinBox::valueChanged, this, [this] { showPreview(); });
    showPreview();
    fitToArea(this, sizeHint());
}

int RateToolDialog::value() const
{
    return Wert->value();
}

void RateToolDialog::showPreview()
{
    m_preview = m_tool.apply(Wert->value());
    LabelSumme->setText(
        //: IE is the insulin unit
        tr("Tagessumme: %1 IE → %2 IE")
            .arg(ZehntelText(dailyTotal(m_current)), ZehntelText(dailyTotal(m_preview.rates))));
    LabelRaten->setText(ratesText(m_preview.rates));
    LabelHinweise->setText(m_preview.notices.join(QLatin1Char('\n')));
    LabelHinweise->setVisible(!m_preview.notices.isEmpty());
}

RateTool percentTool(const HourlyRates& rates, qint32 maximum)
{
    RateTool tool;
    tool.title = RateToolDialog::tr("Fendrimo - Raten ändern");
    tool.valueName = RateToolDialog::tr("Prozent");
    tool.minimum = 10;
    tool.maximum = 300;
    tool.step = 5;
    tool.initial = 100;
    tool.suffix = QStringLiteral(" %");
    tool.apply = [rates, maximum](int percent) {
        const ScaledRates scaled = scaleRates(rates, percent, maximum);
        return ToolPreview{scaled.rates, scaleNotices(scaled, maximum)};
    };
    return tool;
}

RateTool shiftTool(const HourlyRates& rates)
{
    RateTool tool;
    tool.title = RateToolDialog::tr("Fendrimo - Zeitlich verschieben");
    tool.valueName = RateToolDialog::tr("Stunden");
    tool.minimum = -12;
    tool.maximum = 12;
    tool.step = 1;
    tool.initial = 0;
    tool.suffix = QStringLiteral(" h");
    tool.apply = [rates](int hours) { return ToolPreview{shiftRates(rates, hours), {}}; };
    return tool;
}

} // namespace fendrimo
