// The window as a view of the profile: sliders, rate fields, total, maximum,
// text fields and the linked-dragging box follow the profile; the menu shows
// the history and the recent profiles.

#include "app/tform1.h"

#include "widgets/textfields.h"
#include "profile/zehntel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScrollBar>

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

void showStepText(QAction* action, const QString& verb, bool enabled, const QString& step)
{
    action->setEnabled(enabled);
    action->setText(enabled && !step.isEmpty() ? verb + QStringLiteral(": ") + step : verb);
}

} // namespace

void TForm1::showProfile()
{
    const QScopedValueRollback<bool> showing(m_showingProfile, true);
    const qint32 maximum = m_profile.maximum();
    const ProfileContent& content = m_profile.content();
    // Ranges first: a slider clamped by a lower maximum loses nothing, its
    // position is set again from the profile right after.
    for (QScrollBar* slider : m_scrollBars) {
        if (slider->maximum() != maximum)
            slider->setMaximum(maximum);
    }
    for (int n = 1; n <= Hours; ++n) {
        // The slider is inverted: its top, position 0, is the highest rate.
        ScrollBar(n)->setValue(maximum - rate(n));
        setFieldText(Edit(n), ZehntelText(rate(n)));
    }
    ButtonSummeClick();
    setMaximumLabel();
    setFieldText(EditBolus1, content.bolus.at(0));
    setFieldText(EditBolus4, content.bolus.at(1));
    setFieldText(EditBolus7, content.bolus.at(2));
    setFieldText(EditDatum, content.datum);
    MemoNotizen->setTextIfChanged(notesForScreen(content.notizen));
    CheckBox1->setChecked(m_profile.linkedDragging());
    showReference();
}

void TForm1::ButtonSummeClick()
{
    setLabelText(LabelSumme, ZehntelText(m_profile.total()));
}

void TForm1::setMaximumLabel()
{
    setLabelText(LabelMax, ZehntelText(Maximum()) + QStringLiteral(" IE/h"));
}

void TForm1::showHistory()
{
    const QUndoStack& stack = m_history.stack();
    showStepText(Rueckgaengig1, QStringLiteral("Rückgängig"), stack.canUndo(), stack.undoText());
    showStepText(Wiederholen1, QStringLiteral("Wiederholen"), stack.canRedo(), stack.redoText());
}

} // namespace fendrimo
