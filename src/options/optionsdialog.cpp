#include "options/optionsdialog.h"

#include "platform/muldiv.h"
#include "platform/platform.h"
#include "widgets/accessibility.h"
#include "widgets/designscale.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <algorithm>
#include <iterator>

namespace fendrimo {

namespace {

constexpr int kGlyphSide = 16;

// The stored "Maximum" of each item of RadioGroupMax.
constexpr qint32 kMaximumChoices[] = {20, 30, 40, 50, 60};
// The stored "Sprache" of each item of ComboSprache: the desktop's, German, English.
const char* const kLanguageChoices[] = {"", "de", "en"};

QFont arial(const DesignScale& scale, const QString& family = QStringLiteral("Arial"))
{
    QFont font(family);
    font.setPixelSize(scale.fontPixels(17));
    return font;
}

QPixmap cross(const QColor& colour, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, side / 6.0, Qt::SolidLine, Qt::RoundCap));
    const qreal inset = side * 0.2;
    painter.drawLine(QPointF(inset, inset), QPointF(side - inset, side - inset));
    painter.drawLine(QPointF(side - inset, inset), QPointF(inset, side - inset));
    return pixmap;
}

// Red cross, grey when the button is disabled.
QIcon cancelGlyph(int side)
{
    QIcon icon;
    icon.addPixmap(cross(QColor(200, 0, 0), side), QIcon::Normal);
    icon.addPixmap(cross(QColor(128, 128, 128), side), QIcon::Disabled);
    return icon;
}

} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), m_columns(columns)
{
    for (const QString& text : items)
        m_items.append(new QRadioButton(text, this));
}

int RadioGroup::itemIndex() const
{
    for (int i = 0; i < count(); ++i) {
        if (m_items.at(i)->isChecked())
            return i;
    }
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count())
        m_items.at(index)->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    arrangeItems();
}

void RadioGroup::arrangeItems()
{
    if (m_items.isEmpty())
        return;
    // Columns share the width; the rows share the height below the caption.
    const int perColumn = (count() + m_columns - 1) / m_columns;
    const int captionHeight = QFontMetrics(font()).height();
    const int itemWidth = (width() - 10) / m_columns;
    const int rowSpace = height() - captionHeight - 5;
    const int itemHeight = rowSpace / perColumn;
    const int topMargin = captionHeight + 1 + (rowSpace % perColumn) / 2;
    for (int i = 0; i < count(); ++i) {
        m_items.at(i)->setGeometry((i / perColumn) * itemWidth + 8,
                                   (i % perColumn) * itemHeight + topMargin, itemWidth, itemHeight);
    }
}

TFormOptionen::TFormOptionen(QWidget* parent, const OptionsShown& shown)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FormOptionen"));
    setWindowTitle(tr("Fendrimo - Einstellungen"));
    setAccessibleDescription(tr("Maximum der Schieberegler, Druckmethode und das Verzeichnis der "
                                "Basalraten-Dateien"));
    buildControls(DesignScale(designScreen(platform().screenSize()).width()));

    connect(BitBtnOK, &QPushButton::clicked, this, [this] { BitBtnOKClick(); });
    connect(BitBtnAbbr, &QPushButton::clicked, this, [this] { BitBtnAbbrClick(); });

    FormCreate(shown);
    BitBtnAbbr->setFocus();
}

// Created in the order Tab visits them; placed at the design size scaled to the screen.
void TFormOptionen::buildControls(const DesignScale& scale)
{
    setFont(arial(scale));
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::ButtonText, Qt::black);
    setPalette(black);

    buildChoiceGroups(scale);
    buildFolderGroup(scale);
    buildButtons(scale);
    buildLanguageRow(scale);
}

// The maximum and the print method, each a group of radio items.
void TFormOptionen::buildChoiceGroups(const DesignScale& scale)
{
    //: IE is the insulin unit
    const QStringList maxima{tr("2,0 IE/h"), tr("3,0 IE/h"), tr("4,0 IE/h"), tr("5,0 IE/h"),
                             tr("6,0 IE/h")};
    RadioGroupMax =
        new RadioGroup(tr("Maximal einstellbare Basalrate pro Stunde:"), maxima, 3, this);
    RadioGroupMax->setObjectName(QStringLiteral("RadioGroupMax"));
    RadioGroupMax->setAccessibleDescription(
        tr("Die höchste Stundenrate, bis zu der die Schieberegler reichen"));
    scale.place(RadioGroupMax, 17, 28, 393, 89);

    RadioGroupPrint =
        new RadioGroup(tr("Druckmethode:"), {tr("Farbe"), tr("schwarz / weiß")}, 1, this);
    RadioGroupPrint->setObjectName(QStringLiteral("RadioGroupPrint"));
    RadioGroupPrint->setAccessibleDescription(
        tr("Ob der Bericht farbig oder schwarz-weiß gedruckt wird"));
    scale.place(RadioGroupPrint, 17, 136, 393, 77);

    for (RadioGroup* group : {RadioGroupMax, RadioGroupPrint}) {
        for (int i = 0; i < group->count(); ++i)
            group->item(i)->setObjectName(group->objectName() + QStringLiteral("Item%1").arg(i));
    }
    for (int i = 0; i < RadioGroupMax->count(); ++i) {
        RadioGroupMax->item(i)->setAccessibleDescription(
            tr("Schieberegler reichen bis %1").arg(RadioGroupMax->item(i)->text()));
    }
    RadioGroupPrint->item(0)->setAccessibleDescription(
        tr("Tagessumme, Stufenlinie und Werte blau drucken"));
    RadioGroupPrint->item(1)->setAccessibleDescription(tr("Den ganzen Bericht schwarz drucken"));
}

// Below the buttons, so that every other control keeps its place; wide
// enough for "Language:" and "System language". A
// language takes effect at the next start: the window's texts are made once.
void TFormOptionen::buildLanguageRow(const DesignScale& scale)
{
    auto* caption = new QLabel(tr("Sprache:"), this);
    caption->setObjectName(QStringLiteral("LabelSpracheTitel"));
    scale.place(caption, 17, 378, 84, 22);
    ComboSprache = new QComboBox(this);
    ComboSprache->setObjectName(QStringLiteral("ComboSprache"));
    // Each language by its own name, so it is found whichever is in use.
    ComboSprache->addItems(
        {tr("Systemsprache"), QStringLiteral("Deutsch"), QStringLiteral("English")});
    ComboSprache->setAccessibleName(tr("Sprache"));
    ComboSprache->setAccessibleDescription(
        tr("Die Sprache des Programms ab dem nächsten Start; Systemsprache folgt der Einstellung "
           "des Desktops"));
    caption->setBuddy(ComboSprache);
    scale.place(ComboSprache, 104, 375, 160, 27);
    LabelSprache = new QLabel(tr("ab dem nächsten Start"), this);
    LabelSprache->setObjectName(QStringLiteral("LabelSprache"));
    LabelSprache->setFont(scale.font(14));
    scale.place(LabelSprache, 272, 380, 150, 22);
}

// The stored folder, shown only: it is changed by saving and loading.
void TFormOptionen::buildFolderGroup(const DesignScale& scale)
{
    GroupBoxVerzeichnis = new QGroupBox(tr("Verzeichnis zur Speicherung von Basalraten:"), this);
    GroupBoxVerzeichnis->setObjectName(QStringLiteral("GroupBoxVerzeichnis"));
    GroupBoxVerzeichnis->setAccessibleDescription(
        tr("Wird beim Speichern und Laden festgehalten; hier nur angezeigt"));
    scale.place(GroupBoxVerzeichnis, 15, 232, 397, 77);

    LabelVerzeichnis = new QLabel(GroupBoxVerzeichnis);
    LabelVerzeichnis->setObjectName(QStringLiteral("LabelVerzeichnis"));
    const QString folderPurpose = tr("Verzeichnis, das zum Speichern bzw. Laden der nächsten "
                                     "Datei automatisch geöffnet wird");
    makeValueLabelAccessible(LabelVerzeichnis, tr("Verzeichnis"), QString(), folderPurpose);
    // A folder name is shown as it is stored, never read as markup.
    LabelVerzeichnis->setTextFormat(Qt::PlainText);
    QFont narrow = arial(scale, QStringLiteral("Arial Narrow"));
    narrow.setBold(true);
    LabelVerzeichnis->setFont(narrow);
    LabelVerzeichnis->setToolTip(folderPurpose);
    scale.place(LabelVerzeichnis, 24, 32, 353, 22);
}

void TFormOptionen::buildButtons(const DesignScale& scale)
{
    const QSize glyph(scale.value(kGlyphSide), scale.value(kGlyphSide));

    BitBtnOK = new QPushButton(tr("OK und speichern"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtnOK->setIconSize(glyph);
    BitBtnOK->setDefault(true);
    BitBtnOK->setAccessibleDescription(
        tr("Speichert die Einstellungen und wendet das neue Maximum an"));
    scale.place(BitBtnOK, 39, 332, 192, 33);

    BitBtnAbbr = new QPushButton(tr("Abbruch"), this);
    BitBtnAbbr->setObjectName(QStringLiteral("BitBtnAbbr"));
    BitBtnAbbr->setIcon(cancelGlyph(glyph.width()));
    BitBtnAbbr->setIconSize(glyph);
    BitBtnAbbr->setAccessibleDescription(tr("Schließt den Dialog, ohne etwas zu speichern"));
    scale.place(BitBtnAbbr, 257, 332, 130, 33);
}

void TFormOptionen::FormCreate(const OptionsShown& shown)
{
    const QSize screen = platform().screenSize();
    const QSize design = designScreen(screen);
    setFixedSize(MulDiv(435, design.width(), 1024), MulDiv(415, design.height(), 768));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    // A stored maximum that is none of the choices leaves every item unselected.
    for (int i = 0; i < int(std::size(kMaximumChoices)); ++i) {
        if (shown.storedMaximum == kMaximumChoices[i])
            RadioGroupMax->setItemIndex(i);
    }
    RadioGroupPrint->setItemIndex(shown.colour ? 0 : 1);
    for (int i = 0; i < int(std::size(kLanguageChoices)); ++i) {
        if (shown.language == QLatin1String(kLanguageChoices[i]))
            ComboSprache->setCurrentIndex(i);
    }
    LabelVerzeichnis->setText(shown.folder);
    m_shownMaximum = RadioGroupMax->itemIndex();
    m_shownPrint = RadioGroupPrint->itemIndex();
    m_shownLanguage = ComboSprache->currentIndex();
}

OptionsChange TFormOptionen::changes() const
{
    OptionsChange change;
    const int maximum = RadioGroupMax->itemIndex();
    if (maximum != m_shownMaximum)
        change.maximum = kMaximumChoices[maximum];
    const int print = RadioGroupPrint->itemIndex();
    if (print != m_shownPrint)
        change.colour = print == 0;
    const int language = ComboSprache->currentIndex();
    if (language != m_shownLanguage)
        change.language = QLatin1String(kLanguageChoices[std::max(0, language)]);
    return change;
}

void TFormOptionen::BitBtnOKClick()
{
    emit chosen(changes());
    // The button carries OK: the dialog ends with it even when storing failed.
    accept();
}

void TFormOptionen::BitBtnAbbrClick()
{
    reject();
}

} // namespace fendrimo
