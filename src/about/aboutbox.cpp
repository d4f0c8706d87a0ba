#include "about/aboutbox.h"

#include "platform/muldiv.h"
#include "platform/platform.h"
#include "widgets/artwork.h"
#include "widgets/designscale.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace fendrimo {

namespace {

QFont designFont(const DesignScale& scale, const QString& family, int designPixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(scale.fontPixels(designPixels));
    font.setBold(bold);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("Fendrimo - Programm-Informationen"));
    setAccessibleDescription(tr("Name, Plattform und Version des Programms"));
    const DesignScale scale(designScreen(platform().screenSize()).width());
    const QColor navy(0, 0, 128);
    const QString arial = QStringLiteral("Arial");

    // Lowered outside, raised inside: an etched frame.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Panel1->setAccessibleName(tr("Programm"));
    Panel1->setAccessibleDescription(tr("Programmsymbol, Name, Plattform und Version"));
    scale.place(Panel1, 12, 14, 395, 201);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(tr("Programmsymbol"));
    Image1->setAccessibleDescription(tr("Eine Insulinpumpe mit einem Tropfen"));
    const int iconSide = scale.value(32);
    Image1->setPixmap(programIcon().pixmap(QSize(iconSide, iconSide)));
    scale.place(Image1, 16, 20, 53, 53);

    ProductName =
        makeLabel(Panel1, QStringLiteral("ProductName"), designFont(scale, arial, 25, true), navy);
    ProductName->setText(QStringLiteral("Fendrimo"));
    ProductName->setAccessibleDescription(tr("Name des Programms"));
    scale.place(ProductName, 72, 16, 270, 30);

    Label1 = makeLabel(Panel1, QStringLiteral("Label1"), designFont(scale, arial, 18, true), navy);
    Label1->setText(tr("für Windows 95"));
    Label1->setAccessibleDescription(tr("Plattform, für die das Programm entstand"));
    scale.place(Label1, 72, 40, 134, 21);

    Version =
        makeLabel(Panel1, QStringLiteral("Version"), designFont(scale, arial, 15, true), Qt::black);
    Version->setAccessibleDescription(tr("Version des Programms"));
    scale.place(Version, 78, 66, 283, 18);

    OKButton = new QPushButton(buttonText(MessageButton::Ok), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setFont(designFont(scale, QStringLiteral("MS Sans Serif"), 17, false));
    OKButton->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    OKButton->setIconSize(QSize(scale.value(16), scale.value(16)));
    OKButton->setDefault(true);
    OKButton->setAccessibleDescription(tr("Schließt die Programm-Informationen"));
    scale.place(OKButton, 161, 451, 96, 33);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });

    FormCreate();
    OKButton->setFocus();
}

void TAboutBox::FormCreate()
{
    const QSize screen = platform().screenSize();
    const QSize design = designScreen(screen);
    setFixedSize(MulDiv(427, design.width(), 1024), MulDiv(526, design.height(), 768));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    Version->setText(tr("Version %1").arg(QStringLiteral("2.1F")));
}

void TAboutBox::OKButtonClick()
{
    accept();
}

} // namespace fendrimo
