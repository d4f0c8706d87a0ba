#pragma once

#include <QString>

class QFont;

namespace fendrimo {

// A name as a list, chooser or label shows it: cut in the middle with "…" to
// at most width pixels in font, so that a very long name (a Tidepool schedule
// or Nightscout profile may have thousands of characters) can't widen its
// window beyond the screen. Whoever shows it keeps the whole name in a tooltip.
QString elidedName(const QString& name, const QFont& font, int width);

} // namespace fendrimo
