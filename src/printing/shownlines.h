#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace fendrimo {

// The lines a text field shows, in order: a paragraph that the field wraps
// gives one line per row on screen. Like a memo's line list, an empty last
// line does not count, so an empty field has no lines.
QStringList shownLines(const QPlainTextEdit& edit);

} // namespace fendrimo
