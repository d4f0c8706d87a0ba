#include "widgets/artwork.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace fendrimo {

namespace {

// Draws the pump into a 137 x 96 design box.
void drawPump(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);

    // Tube from the pump to the infusion set.
    QPainterPath tube;
    tube.moveTo(92, 20);
    tube.cubicTo(110, -2, 140, 20, 124, 50);
    tube.cubicTo(112, 72, 128, 84, 120, 88);
    p.setPen(QPen(QColor(120, 170, 210), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tube);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(230, 230, 230));
    p.drawEllipse(QRectF(110, 82, 20, 10));

    // Body.
    QLinearGradient body(0, 14, 0, 90);
    body.setColorAt(0, QColor(84, 132, 190));
    body.setColorAt(1, QColor(40, 78, 130));
    p.setPen(QPen(QColor(25, 45, 80), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8, 18, 90, 68), 12, 12);

    // Cartridge window.
    p.setBrush(QColor(220, 235, 245));
    p.drawRoundedRect(QRectF(80, 26, 12, 52), 4, 4);
    p.setBrush(QColor(250, 250, 200));
    p.drawRect(QRectF(82, 44, 8, 32));

    // Display.
    p.setPen(QPen(QColor(20, 30, 20), 1));
    p.setBrush(QColor(170, 205, 150));
    p.drawRoundedRect(QRectF(16, 26, 56, 28), 3, 3);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(25, 45, 25));
    //: The rate on the display of the pictured pump; IE is the insulin unit
    p.drawText(QRectF(16, 26, 56, 28), Qt::AlignCenter,
               QCoreApplication::translate("Artwork", "1,2 IE/h"));

    // Buttons.
    p.setPen(QPen(QColor(25, 45, 80), 1));
    p.setBrush(QColor(200, 210, 225));
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QRectF(20 + 18 * i, 62, 12, 12));
}

void drawIcon(QPainter& p, int side)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    p.setPen(QPen(QColor(25, 45, 80), 1));
    p.setBrush(QColor(60, 105, 165));
    p.drawRoundedRect(QRectF(2, 8, 22, 20), 4, 4);
    p.setBrush(QColor(170, 205, 150));
    p.drawRect(QRectF(5, 11, 13, 7));
    // A drop of insulin.
    QPainterPath drop;
    drop.moveTo(27, 4);
    drop.cubicTo(29, 9, 31, 11, 31, 13);
    drop.arcTo(QRectF(23, 9, 8, 8), 0, -180);
    drop.cubicTo(23, 11, 25, 9, 27, 4);
    p.setBrush(QColor(90, 170, 230));
    p.drawPath(drop);
}

} // namespace

QPixmap pumpPicture(const QSize& size)
{
    QPixmap pixmap(size.isEmpty() ? QSize(137, 96) : size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.scale(pixmap.width() / 137.0, pixmap.height() / 96.0);
    drawPump(painter);
    return pixmap;
}

namespace {

// Draws the icon at the size it is asked for, when it is asked for: a window
// needs one or two sizes, and drawing all of them at start-up would cost more
// than building half the main window.
class DrawnIconEngine final : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(
            rect, pixmap(rect.size() * painter->device()->devicePixelRatio(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::max(1, std::min(size.width(), size.height()));
        QPixmap drawn = m_drawn.value(side);
        if (drawn.isNull()) {
            drawn = QPixmap(side, side);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            drawIcon(painter, side);
            painter.end();
            m_drawn.insert(side, drawn);
        }
        if (mode == QIcon::Normal || mode == QIcon::Active)
            return drawn;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, drawn, &option);
    }

    // The sizes offered to the window system; any other size is drawn on demand.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("fendrimo-drawn"); }

private:
    QHash<int, QPixmap> m_drawn;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new DrawnIconEngine);
}

} // namespace fendrimo
