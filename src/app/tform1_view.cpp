// The editing view: sliders, rate fields, total, maximum, text fields, the
// linked-dragging box and the comparison show the document; the user's
// edits go to it, each one a step of its history.

#include "app/tform1.h"

#include "platform/platform.h"
#include "platform/regional.h"
#include "profile/zehntel.h"
#include "widgets/accessibility.h"
#include "widgets/elidedname.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace fendrimo {

namespace {

// On screen a line break is one character; in the file it is CR LF.
QString notesForScreen(const QString& stored)
{
    QString shown = stored;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QString notesForFile(const QString& shown)
{
    QString stored = shown;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return stored;
}

// The command alone, or with the step it would undo or redo.
void showStepText(QAction* action, const QString& verb, const QString& verbWithStep, bool enabled,
                  const QString& step)
{
    action->setEnabled(enabled);
    action->setText(enabled && !step.isEmpty() ? verbWithStep.arg(step) : verb);
}

} // namespace

void TForm1::showProfile()
{
    const QScopedValueRollback<bool> showing(m_showingProfile, true);
    const qint32 maximum = Maximum();
    const ProfileContent& content = m_document.content();
    // Ranges first: a slider clamped by a lower maximum loses nothing, its
    // position is set again from the profile right after.
    for (QScrollBar* slider : m_ui.sliders) {
        if (slider->maximum() != maximum)
            slider->setMaximum(maximum);
    }
    for (int n = 1; n <= Hours; ++n) {
        // The slider is inverted: its top, position 0, is the highest rate.
        m_ui.sliders.at(size_t(n - 1))->setValue(maximum - rate(n));
        setFieldText(m_ui.fields.at(size_t(n - 1)), ZehntelText(rate(n)));
    }
    ButtonSummeClick();
    //: IE is the insulin unit
    setLabelText(m_ui.LabelMax, tr("%1 IE/h").arg(ZehntelText(maximum)));
    for (int i = 0; i < Form1Ui::Boluses; ++i)
        setFieldText(m_ui.boluses.at(size_t(i)), content.bolus.at(size_t(i)));
    setFieldText(m_ui.EditDatum, content.datum);
    m_ui.MemoNotizen->setTextIfChanged(notesForScreen(content.notizen));
    m_ui.CheckBox1->setChecked(profile().linkedDragging());
    showReference();
}

void TForm1::ButtonSummeClick()
{
    setLabelText(m_ui.LabelSumme, ZehntelText(profile().total()));
    // A total of four digits (up to 2397,6) reaches past the unit's place:
    // the unit then follows it, a blank apart.
    QLabel* unit = m_ui.LabelSummeEinheit;
    const int afterTotal = m_ui.LabelSumme->geometry().right() + 1 +
                           QFontMetrics(unit->font()).horizontalAdvance(QLatin1Char(' '));
    unit->move(std::max(m_ui.unitLeft, afterTotal), unit->y());
}

void TForm1::showHistory()
{
    const QUndoStack& stack = history();
    showStepText(m_ui.Rueckgaengig1, tr("Rückgängig"), tr("Rückgängig: %1"), stack.canUndo(),
                 stack.undoText());
    showStepText(m_ui.Wiederholen1, tr("Wiederholen"), tr("Wiederholen: %1"), stack.canRedo(),
                 stack.redoText());
}

void TForm1::showReference()
{
    const std::optional<ProfileReference>& compared = reference();
    if (compared || m_referenceShown) {
        for (int n = 1; n <= Hours; ++n)
            showReferenceInHour(n);
    }
    m_referenceShown = compared.has_value();
    m_ui.LabelVergleich->setVisible(compared.has_value());
    if (!compared)
        return;
    // The source's name on the first line, cut in the middle to the room
    // right of the linked-dragging box's text; the total and its difference below.
    const QLabel* label = m_ui.LabelVergleich;
    const QFontMetrics metrics(label->font());
    const QString heading = tr("Vergleich: %1");
    const int boxEnd = m_ui.CheckBox1->x() + m_ui.CheckBox1->sizeHint().width();
    const int room = label->geometry().right() - boxEnd - 2 * metrics.averageCharWidth() -
                     metrics.horizontalAdvance(heading.arg(QString()));
    setLabelText(m_ui.LabelVergleich, heading.arg(elidedName(compared->name, label->font(), room)) +
                                          u'\n' +
                                          referenceTotalText(profile().total(), compared->total()));
    m_ui.LabelVergleich->setToolTip(tr("Verglichen wird mit: %1").arg(compared->name));
}

void TForm1::showReferenceInHour(int n)
{
    RateSlider* slider = m_ui.sliders.at(size_t(n - 1));
    RateField* field = m_ui.fields.at(size_t(n - 1));
    const QString sliderText = rateSliderDescription(n - 1);
    const QString fieldText = rateFieldDescription(n - 1);
    if (!reference()) {
        slider->setReferencePosition(std::nullopt);
        slider->setAccessibleDescription(sliderText);
        slider->setToolTip(QString());
        field->setFramed(false);
        field->setAccessibleDescription(fieldText);
        return;
    }
    const qint32 referenceRate = reference()->rates.at(size_t(n - 1));
    // A rate above the maximum marks the top; its description gives the exact value.
    slider->setReferencePosition(Maximum() - std::min(referenceRate, Maximum()));
    const QString compared = referenceRateText(referenceRate);
    //: The comparison's rate, then what the slider is for
    slider->setAccessibleDescription(tr("%1. %2").arg(compared, sliderText));
    slider->setToolTip(compared);
    const bool differs = referenceRate != rate(n);
    field->setFramed(differs);
    field->setAccessibleDescription(differs ? tr("%1. %2, abweichend").arg(fieldText, compared)
                                            : tr("%1. %2, gleich").arg(fieldText, compared));
}

void TForm1::ScrollBarScroll(int n, int position)
{
    // The slider is inverted: its top, position 0, is the highest rate.
    m_document.setRate(n - 1, Maximum() - position);
}

void TForm1::CheckBox1MouseUp()
{
    platform().beep();
}

bool TForm1::EditBolusKeyPress(QChar key)
{
    return bolusKeyAllowed(key);
}

void TForm1::EditBolusChange(int index)
{
    if (!m_showingProfile)
        m_document.setBolus(index, m_ui.boluses.at(size_t(index))->text());
}

void TForm1::EditDatumChange()
{
    if (!m_showingProfile)
        m_document.setDatum(m_ui.EditDatum->text());
}

void TForm1::MemoNotizenChange()
{
    if (!m_showingProfile)
        m_document.setNotizen(notesForFile(m_ui.MemoNotizen->text()));
}

void TForm1::EditDatumDblClick()
{
    m_document.setDatumToday(RegionalFormats::current().shortDate(platform().now().date()));
}

} // namespace fendrimo
