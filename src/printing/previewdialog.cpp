#include "printing/previewdialog.h"

#include "platform/guarded.h"
#include "printing/reportpdf.h"
#include "widgets/screenfit.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace fendrimo {

PreviewDialog::PreviewDialog(QWidget* parent, QPrinter& printer, ReportInput content,
                             std::function<bool()> print)
    : QDialog(parent), m_content(std::move(content)), m_print(std::move(print))
{
    setObjectName(QStringLiteral("Druckvorschau"));
    setWindowTitle(tr("Fendrimo - Druckvorschau"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr("Die Seiten so, wie sie gedruckt werden, mit Zoom und Drucken"));
    setModal(true);

    buildPreview(printer);
    QHBoxLayout* buttons = buildButtons();
    connectButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Vorschau, 1);
    layout->addLayout(buttons);
    fitToArea(this, QSize(640, 800));
    Vorschau->fitInView();
}

void PreviewDialog::buildPreview(QPrinter& printer)
{
    Vorschau = new QPrintPreviewWidget(&printer, this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setAccessibleName(tr("Seitenvorschau"));
    Vorschau->setAccessibleDescription(tr("Die gedruckten Seiten"));
    Vorschau->setViewMode(QPrintPreviewWidget::SinglePageView);
    // The pages are drawn by the same code, on the printer's own page layout.
    connect(Vorschau, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        QPainter painter(target);
        paintPages(painter, *target, m_content);
    });
}

// The row of buttons, zoom on the left and the job on the right; the caller
// puts the row into the dialog's layout.
QHBoxLayout* PreviewDialog::buildButtons()
{
    struct ButtonSpec
    {
        QPushButton** button;
        const char* name;
        const char* text;
        const char* description;
    };
    auto* buttons = new QHBoxLayout;
    for (const ButtonSpec& spec :
         {ButtonSpec{&ButtonKleiner, "ButtonKleiner",
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Ver&kleinern"),
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Zeigt die Seite kleiner")},
          ButtonSpec{&ButtonGroesser, "ButtonGroesser",
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Ver&größern"),
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Zeigt die Seite größer")},
          ButtonSpec{
              &ButtonGanzeSeite, "ButtonGanzeSeite",
              QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Ganze &Seite"),
              QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Zeigt die ganze Seite im Fenster")},
          ButtonSpec{&ButtonDrucken, "ButtonDrucken",
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "&Drucken"),
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog",
                                       "Druckt die Seiten auf dem aktiven Drucker")},
          ButtonSpec{&ButtonSchliessen, "ButtonSchliessen",
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog", "Schließen"),
                     QT_TRANSLATE_NOOP("fendrimo::PreviewDialog",
                                       "Schließt die Vorschau, ohne zu drucken")}}) {
        // The context is the class's own, so tr() finds them.
        auto* button = new QPushButton(tr(spec.text), this);
        button->setObjectName(QLatin1String(spec.name));
        button->setAutoDefault(false);
        button->setAccessibleDescription(tr(spec.description));
        buttons->addWidget(button);
        *spec.button = button;
    }
    buttons->insertStretch(3);
    return buttons;
}

void PreviewDialog::connectButtons()
{
    // Lambdas: clicked(bool) would reach the zoom factor parameter.
    connect(ButtonKleiner, &QPushButton::clicked, Vorschau, [this] { Vorschau->zoomOut(); });
    connect(ButtonGroesser, &QPushButton::clicked, Vorschau, [this] { Vorschau->zoomIn(); });
    connect(ButtonGanzeSeite, &QPushButton::clicked, Vorschau, &QPrintPreviewWidget::fitInView);
    connect(ButtonDrucken, &QPushButton::clicked, this, [this] {
        guarded(this, [this] {
            if (m_print())
                accept();
        });
    });
    connect(ButtonSchliessen, &QPushButton::clicked, this, &QDialog::reject);
}

int PreviewDialog::pagesShown() const
{
    return Vorschau->pageCount();
}

} // namespace fendrimo
