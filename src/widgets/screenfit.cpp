#include "widgets/screenfit.h"

#include "platform/platform.h"

#include <QDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace fendrimo {

namespace {

// Room for a window manager's frame and title bar, which are not known before
// the window is shown.
QSize decoration(const QWidget* window)
{
    if (window->isVisible())
        return window->frameGeometry().size() - window->size();
    return {8, 32};
}

QScrollArea* pageArea(const QDialog* dialog)
{
    return dialog->findChild<QScrollArea*>(QStringLiteral("Seite"), Qt::FindDirectChildrenOnly);
}

} // namespace

void fitToArea(QWidget* window, QSize wanted)
{
    const QSize room = platform().availableArea().size() - decoration(window);
    window->resize(wanted.boundedTo(room).expandedTo(window->minimumSize()));
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QRect over = parent ? parent->frameGeometry() : platform().availableArea();
    window->move(over.center() - QPoint(window->width() / 2, window->height() / 2));
    keepInArea(window);
}

void keepInArea(QWidget* window)
{
    const QRect area = platform().availableArea();
    const QSize outer = window->size() + decoration(window);
    const int x = std::clamp(window->x(), area.left(),
                             std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(window->y(), area.top(),
                             std::max(area.top(), area.bottom() + 1 - outer.height()));
    window->move(x, y);
}

QVBoxLayout* scrollingPage(QDialog* dialog)
{
    auto* area = new QScrollArea(dialog);
    area->setObjectName(QStringLiteral("Seite"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto* page = new QWidget(area);
    auto* content = new QVBoxLayout(page);
    content->setContentsMargins(0, 0, 0, 0);
    area->setWidget(page);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(area, 1);
    return content;
}

void addBelowPage(QDialog* dialog, QWidget* buttons)
{
    static_cast<QVBoxLayout*>(dialog->layout())->addWidget(buttons);
}

void fitPage(QDialog* dialog)
{
    const QScrollArea* area = pageArea(dialog);
    const QSize page = area->widget()->sizeHint();
    const QSize around = dialog->sizeHint() - area->sizeHint();
    QSize wanted(std::max(dialog->sizeHint().width(), page.width() + around.width()),
                 page.height() + around.height());
    // Where the page will scroll, its scroll bar takes width of its own.
    if (wanted.height() > platform().availableArea().height() - decoration(dialog).height())
        wanted.rwidth() += area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    fitToArea(dialog, wanted);
}

} // namespace fendrimo
