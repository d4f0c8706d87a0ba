#pragma once

#include <QLineEdit>
#include <QScrollBar>

#include <optional>

namespace fendrimo {

// The slider of one hour. With a comparison profile set it carries a mark
// across its track where its thumb would stand for the reference rate: a dark
// bar edged in white with a notch on each side, so it reads on the grey track,
// on the thumb and in black and white alike.
class RateSlider final : public QScrollBar
{
public:
    explicit RateSlider(QWidget* parent);

    // The reference position in slider units (0 is the top), or none.
    void setReferencePosition(std::optional<int> position);
    std::optional<int> referencePosition() const { return m_reference; }
    // Where the mark is drawn: centred on the thumb at the reference position.
    QRect referenceMarkRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<int> m_reference;
};

// The rate field of one hour. When its rate differs from the comparison
// profile's it is framed, so the difference shows without relying on colour.
class RateField final : public QLineEdit
{
public:
    explicit RateField(QWidget* parent) : QLineEdit(parent) {}

    void setFramed(bool framed);
    bool isFramed() const { return m_framed; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_framed = false;
};

} // namespace fendrimo
