#pragma once

#include <QLineEdit>
#include <QScrollBar>

#include <QPointer>

#include <optional>

namespace fendrimo {

class RateField;

// The slider of one hour. With a comparison profile set it carries a mark
// across its track where its thumb would stand for the reference rate: a dark
// bar edged in white with a notch on each side, so it reads on the grey track,
// on the thumb and in black and white alike. With the keyboard focus it is
// edged in the highlight colour and marks the rate field of its hour, since the
// style draws no focus on a scroll bar and a key press would change it unseen.
class RateSlider final : public QScrollBar
{
public:
    explicit RateSlider(QWidget* parent);

    // The rate field marked while this slider has the focus.
    void setField(RateField* field) { m_field = field; }

    // The reference position in slider units (0 is the top), or none.
    void setReferencePosition(std::optional<int> position);
    std::optional<int> referencePosition() const { return m_reference; }
    // Where the mark is drawn: centred on the thumb at the reference position.
    QRect referenceMarkRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFocusMark(QPainter& painter) const;

    std::optional<int> m_reference;
    QPointer<RateField> m_field;
};

// The rate field of one hour. When its rate differs from the comparison
// profile's it is framed, so the difference shows without relying on colour.
class RateField final : public QLineEdit
{
public:
    explicit RateField(QWidget* parent) : QLineEdit(parent) {}

    void setFramed(bool framed);
    bool isFramed() const { return m_framed; }
    // A bar under the rate while the hour's slider has the focus.
    void setFocusMarked(bool marked);
    bool isFocusMarked() const { return m_focusMarked; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_framed = false;
    bool m_focusMarked = false;
};

} // namespace fendrimo
