#pragma once

#include <QFont>
#include <QFrame>
#include <QRect>
#include <QSize>

class QLabel;
class QWidget;

namespace fendrimo {

// Scales design coordinates (made for a screen 1024 pixels wide) by the
// screen width; the width ratio serves both axes. Edges are scaled, not
// sizes, so neighbouring controls stay flush after rounding.
class DesignScale
{
public:
    explicit DesignScale(int screenWidth) : m_width(screenWidth) {}

    int value(int design) const;
    QRect rect(int left, int top, int width, int height) const;
    int fontPixels(int designPixels) const { return value(designPixels); }
    // A font of the design: Arial (Liberation Sans) unless told otherwise.
    enum Style { Regular = 0, Bold = 1, Italic = 2 };
    QFont font(int designPixels, int style = Regular,
               const QString& family = QStringLiteral("Arial")) const;

    void place(QWidget* widget, int left, int top, int width, int height) const;
    // Labels size themselves to their text; only their corner is placed.
    void placeAt(QWidget* widget, int left, int top) const;

private:
    int m_width;
};

// The screen a design window is sized and scaled for. Windows are sized by the
// screen's height (606 of 768 for the main window) and their content by its
// width (of 1024): on 4:3, 5:4 and taller screens the real one, where both
// fit. On a wider screen the content would be taller than its window, so the
// width counts only as far as the height allows at 4:3: window and content
// then shrink by one factor, min(width / 1024, height / 768).
QSize designScreen(QSize screen);

// A label of the window design, named, with its font; placed by the caller.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font);
// A frame of the design: a bevel, a divider or a line.
QFrame* makeFrame(QWidget* parent, QFrame::Shape shape, QFrame::Shadow shadow);

} // namespace fendrimo
