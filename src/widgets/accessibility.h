#pragma once

#include <QString>

class QLabel;
class QScrollBar;

namespace fendrimo {

// Gives the slider of hour `hour` (hour to hour + 1 o'clock) its German name
// and description, and makes a screen reader read the rate it stands for
// ("1,2 IE/h") as its value. The slider is inverted, so Qt's own value, the
// position, would read the opposite. The rate is computed from the slider's
// position and maximum whenever it is asked for, so every way a rate changes
// (scrolling, loading, "Neu", a new maximum) is covered without a hook.
// Setting the value through the assistive interface is a user action: it runs
// the scroll handler like a drag of the thumb.
void makeRateSliderAccessible(QScrollBar* slider, int hour);

// What the slider and the rate field of `hour` are for, as their descriptions say.
QString rateSliderDescription(int hour);
QString rateFieldDescription(int hour);

// A label that shows a changing number, such as the daily total: a screen
// reader reads "<name>: <text> <unit>" instead of the bare number.
void makeValueLabelAccessible(QLabel* label, const QString& name, const QString& unit,
                              const QString& description);

} // namespace fendrimo
