// The 24 hourly rate sliders, linked dragging and the daily total.

#include "app/tform1.h"
#include "platform/platform.h"
#include "profile/zehntel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace fendrimo {

void TForm1::ScrollBarScroll(int n, int position)
{
    // Every user action counts as a change, even one that moves nothing.
    DatenGespeichert = false;
    const qint64 newRate = qint64(Maximum) - position;
    setFieldText(Edit(n), ZehntelText(newRate));
    if (n < Hours && CheckBox1->isChecked()) {
        // Linked dragging: every following hour takes this hour's rate. The
        // followers are moved from code, so their own handlers don't run and
        // the linking never cascades.
        const QString shown = Edit(n)->text();
        for (int k = n + 1; k <= Hours; ++k) {
            ScrollBar(k)->setValue(position);
            setFieldText(Edit(k), shown);
        }
    }
}

void TForm1::ButtonSummeClick()
{
    // 64 bits: a loaded profile can raise the maximum far beyond what 24
    // rates summed in 32 bits could hold.
    qint64 total = 0;
    for (int n = 1; n <= Hours; ++n)
        total += qint64(Maximum) - ScrollBar(n)->value();
    setLabelText(LabelSumme, ZehntelText(total));
}

void TForm1::CheckBox1MouseUp()
{
    platform().beep();
}

} // namespace fendrimo
