#pragma once

#include <QRect>

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

    void place(QWidget* widget, int left, int top, int width, int height) const;
    // Labels size themselves to their text; only their corner is placed.
    void placeAt(QWidget* widget, int left, int top) const;

private:
    int m_width;
};

} // namespace fendrimo
