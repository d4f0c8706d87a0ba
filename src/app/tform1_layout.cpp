// The window design of the main window's controls, built from tables. All
// coordinates are design coordinates for a screen 1024 pixels wide;
// DesignScale maps them. The texts are the main window's (TForm1::tr).

#include "app/clockticker.h"
#include "app/form1ui.h"
#include "app/tform1.h"
#include "files/profilsatz.h"
#include "platform/platform.h"
#include "profile/basalprofile.h"
#include "widgets/accessibility.h"
#include "widgets/artwork.h"
#include "widgets/designscale.h"
#include "widgets/textfields.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace fendrimo {

namespace {

constexpr int kHours = Form1Ui::Hours;
constexpr int kHourMarkX[kHours + 1] = {34,  67,  98,  130, 160, 192, 225, 257, 290,
                                        322, 349, 380, 412, 444, 476, 508, 540, 572,
                                        604, 636, 670, 702, 734, 766, 792};
constexpr int kHourColumnX = 38; // x of slider and rate field 1
constexpr int kHourColumnStep = 32;

// Frames first, so that everything else lies on top of them.
void buildFrames(QWidget* client, const DesignScale& scale)
{
    struct FrameSpec
    {
        const char* name;
        int x, y, w, h;
        const char* accessibleName;
        const char* description;
    };
    for (const FrameSpec& spec :
         {FrameSpec{"BevelProfil", 22, 20, 849, 297,
                    QT_TRANSLATE_NOOP("fendrimo::TForm1", "Basalraten"),
                    QT_TRANSLATE_NOOP("fendrimo::TForm1",
                                      "Die 24 Stundenraten mit Schiebereglern und die Tagessumme")},
          FrameSpec{
              "BevelDetails", 22, 324, 665, 157,
              QT_TRANSLATE_NOOP("fendrimo::TForm1", "Bolus, Datum und Notizen"),
              QT_TRANSLATE_NOOP("fendrimo::TForm1", "Bolusfaktoren, Programmierdatum und Notizen")},
          FrameSpec{
              "BevelBild", 694, 324, 177, 157, QT_TRANSLATE_NOOP("fendrimo::TForm1", "Bild"),
              QT_TRANSLATE_NOOP("fendrimo::TForm1",
                                "Bild einer Insulinpumpe und Hinweis auf den Programmierer")}}) {
        QFrame* frame = makeFrame(client, QFrame::Panel, QFrame::Raised);
        frame->setObjectName(QLatin1String(spec.name));
        frame->setAccessibleName(TForm1::tr(spec.accessibleName));
        frame->setAccessibleDescription(TForm1::tr(spec.description));
        scale.place(frame, spec.x, spec.y, spec.w, spec.h);
    }
    QFrame* divider = makeFrame(client, QFrame::Panel, QFrame::Sunken);
    divider->setObjectName(QStringLiteral("BevelTrenner"));
    scale.place(divider, 182, 328, 5, 145);
}

// The profile panel's columns: hour marks, rate fields, sliders.
void buildHourColumns(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    const QFont hourFont = scale.font(13);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    for (int i = 0; i <= kHours; ++i) {
        QLabel* mark = makeLabel(client, "", QString::number(i), hourFont);
        mark->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        mark->setPalette(navy);
        mark->setToolTip(TForm1::tr("Uhrzeit"));
        scale.placeAt(mark, kHourMarkX[i], 28);
    }
    //: After the hour marks: o'clock
    QLabel* uhr = makeLabel(client, "Label26", TForm1::tr("Uhr"), hourFont);
    uhr->setPalette(navy);
    scale.placeAt(uhr, 814, 28);

    const QFont rateFont = scale.font(15, DesignScale::Bold);
    QPalette paleYellow;
    paleYellow.setColor(QPalette::Base, QColor(255, 255, 223));
    for (int n = 1; n <= kHours; ++n) {
        const int x = kHourColumnX + kHourColumnStep * (n - 1);
        auto* edit = new RateField(client);
        edit->setObjectName(QStringLiteral("Edit%1").arg(n));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFont(rateFont);
        edit->setPalette(paleYellow);
        edit->setAlignment(Qt::AlignCenter);
        edit->setTextMargins(0, 0, 0, 0);
        edit->setToolTip(TForm1::tr("Ratenfeld"));
        edit->setAccessibleName(TForm1::tr("Rate %1").arg(hourSpanText(n - 1, n - 1)));
        edit->setAccessibleDescription(rateFieldDescription(n - 1));
        scale.place(edit, x, 48, 33, 26);
        ui.fields.at(size_t(n - 1)) = edit;

        auto* slider = new RateSlider(client);
        slider->setObjectName(QStringLiteral("ScrollBar%1").arg(n));
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setCursor(Qt::SplitVCursor);
        slider->setField(edit);
        slider->setRange(0, 0);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        makeRateSliderAccessible(slider, n - 1);
        scale.place(slider, x, 76, 33, 201);
        ui.sliders.at(size_t(n - 1)) = slider;
    }
    //: IE is the insulin unit
    scale.placeAt(makeLabel(client, "Label27", TForm1::tr("IE/h"), rateFont), 814, 52);
}

// The scale beside the sliders, the linked-dragging box and the totals.
void buildProfileFooter(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    const QFont scaleFont = scale.font(15, DesignScale::Italic);
    ui.LabelMax = makeLabel(client, "LabelMax", QString(), scaleFont);
    scale.placeAt(ui.LabelMax, 810, 88);
    makeValueLabelAccessible(ui.LabelMax, TForm1::tr("Höchste einstellbare Rate"), QString(),
                             TForm1::tr("Obere Grenze der Schieberegler, einzustellen unter "
                                        "Optionen, Einstellungen"));
    //: IE is the insulin unit
    QLabel* minimum = makeLabel(client, "LabelMin", TForm1::tr("0 IE/h"), scaleFont);
    scale.placeAt(minimum, 810, 248);
    makeValueLabelAccessible(minimum, TForm1::tr("Niedrigste Rate"), QString(),
                             TForm1::tr("Untere Grenze der Schieberegler"));

    // The blank keeps the text off the box in every language.
    const QString linked = TForm1::tr("Alle folgenden Schieberegler mitziehen");
    auto* box = new QCheckBox(QLatin1Char(' ') + linked, client);
    box->setObjectName(QStringLiteral("CheckBox1"));
    box->setFont(scale.font(15));
    box->setChecked(true);
    box->setToolTip(TForm1::tr("Wenn aktiviert, erhalten alle Folgestunden denselben Wert wie "
                               "die, die gerade eingestellt wird"));
    box->setAccessibleName(linked);
    box->setAccessibleDescription(box->toolTip());
    scale.place(box, 42, 284, 519, 25);
    ui.CheckBox1 = box;

    ui.ButtonSumme = new QPushButton(TForm1::tr("Summe"), client);
    ui.ButtonSumme->setObjectName(QStringLiteral("ButtonSumme"));
    ui.ButtonSumme->setAccessibleDescription(TForm1::tr("Berechnet die Tagessumme neu"));
    scale.place(ui.ButtonSumme, 586, 284, 33, 25);
    ui.ButtonSumme->setVisible(false);

    const QFont text17 = scale.font(17);
    // The comparison's name and total stand left of the daily total, ending
    // where it begins; of fixed width, a longer text grows leftwards, never
    // over it. The second line has the room below the linked-dragging box.
    // In the size of the box's text, so both lines fit above the frame's edge.
    ui.LabelVergleich = makeLabel(client, "LabelVergleich", QString(), scale.font(15));
    ui.LabelVergleich->setAlignment(Qt::AlignRight | Qt::AlignTop);
    scale.place(ui.LabelVergleich, 206, 286, 410, 36);
    ui.LabelVergleich->setFixedWidth(ui.LabelVergleich->width());
    ui.LabelVergleich->setAccessibleDescription(
        TForm1::tr("Tagessumme der Vergleichs-Basalrate und der Unterschied zu dieser"));
    ui.LabelVergleich->setVisible(false);
    scale.placeAt(makeLabel(client, "Label29", TForm1::tr("Tagessumme:"), text17), 630, 284);
    ui.LabelSumme =
        makeLabel(client, "LabelSumme", QStringLiteral("0"), scale.font(17, DesignScale::Bold));
    scale.placeAt(ui.LabelSumme, 746, 284);
    //: IE is the insulin unit
    const QString unit = TForm1::tr("IE");
    makeValueLabelAccessible(ui.LabelSumme, TForm1::tr("Tagessumme"), unit,
                             TForm1::tr("Summe der 24 Stundenraten: die Insulinmenge, die das "
                                        "Profil an einem Tag abgibt"));
    ui.LabelSummeEinheit = makeLabel(client, "Label30", unit, text17);
    scale.placeAt(ui.LabelSummeEinheit, 790, 284);
    ui.unitLeft = ui.LabelSummeEinheit->x();
}

void buildBolusRows(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    //: IE is the insulin unit, BE a bread unit of 12 g carbohydrate
    QLabel* title = makeLabel(client, "Label33", TForm1::tr("Bolus (IE : BE)"),
                              scale.font(17, DesignScale::Bold));
    // The factors are units per bread unit, not grams per unit: say what a BE is.
    const QString breadUnit = TForm1::tr("1 BE = 12 g Kohlenhydrate");
    title->setToolTip(breadUnit);
    scale.placeAt(title, 46, 340);
    struct BolusRow
    {
        const char* labelName;
        const char* caption;
        const char* timeOfDay; // the caption without its colon
        int labelX;
        int y;
        const char* fieldName;
        const char* ratioName;
    };
    constexpr BolusRow rows[Form1Ui::Boluses] = {
        {"Label34", QT_TRANSLATE_NOOP("fendrimo::TForm1", "morgens:"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1", "morgens"), 38, 380, "EditBolus1", "Label37"},
        {"Label35", QT_TRANSLATE_NOOP("fendrimo::TForm1", "mittags:"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1", "mittags"), 46, 412, "EditBolus4", "Label38"},
        {"Label36", QT_TRANSLATE_NOOP("fendrimo::TForm1", "abends:"),
         QT_TRANSLATE_NOOP("fendrimo::TForm1", "abends"), 46, 444, "EditBolus7", "Label39"}};
    const QFont bold15 = scale.font(15, DesignScale::Bold);
    for (int i = 0; i < Form1Ui::Boluses; ++i) {
        const BolusRow& row = rows[i];
        scale.placeAt(makeLabel(client, row.labelName, TForm1::tr(row.caption), bold15), row.labelX,
                      row.y);
        auto* field = new QLineEdit(client);
        field->setObjectName(QLatin1String(row.fieldName));
        field->setFont(bold15);
        field->setMaxLength(4);
        // Pasted text passes no key filter; it must still fit the file.
        field->setValidator(new Cp1252Validator(field));
        field->setToolTip(breadUnit);
        const QString timeOfDay = TForm1::tr(row.timeOfDay);
        field->setAccessibleName(TForm1::tr("Bolus %1").arg(timeOfDay));
        field->setAccessibleDescription(
            TForm1::tr("Insulineinheiten je Broteinheit (IE : BE) %1; Ziffern, Komma, Punkt und "
                       "Leerzeichen, höchstens 4 Zeichen")
                .arg(timeOfDay));
        field->setTextMargins(0, 0, 0, 0);
        scale.place(field, 110, row.y - 4, 33, 26);
        ui.boluses.at(size_t(i)) = field;
        scale.placeAt(makeLabel(client, row.ratioName, QStringLiteral(": 1"),
                                scale.font(17, DesignScale::Bold)),
                      150, row.y);
    }
}

void buildDateAndNotes(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    const QFont text17 = scale.font(17);
    scale.placeAt(makeLabel(client, "Label28", TForm1::tr("Aktuelle Basalrate am"), text17), 198,
                  340);
    auto* datum = new QLineEdit(client);
    datum->setObjectName(QStringLiteral("EditDatum"));
    datum->setFont(scale.font(17, DesignScale::Bold));
    datum->setMaxLength(Profilsatz::TextCapacity); // the profile file keeps no more
    datum->setValidator(new Cp1252Validator(datum));
    datum->setToolTip(TForm1::tr("Datumsfeld. Doppelklick fügt aktuelles Datum ein."));
    datum->setAccessibleName(TForm1::tr("Basalrate programmiert am"));
    datum->setAccessibleDescription(
        TForm1::tr("Datum, an dem diese Basalrate in die Pumpe programmiert wurde. Doppelklick "
                   "fügt das aktuelle Datum ein."));
    scale.place(datum, 370, 336, 129, 27);
    ui.EditDatum = datum;
    scale.placeAt(makeLabel(client, "Label40", TForm1::tr("programmiert."), text17), 506, 340);

    scale.placeAt(makeLabel(client, "Label31", TForm1::tr("Notizen:"), text17), 198, 380);
    auto* notes = new NotesEdit(client);
    notes->setObjectName(QStringLiteral("MemoNotizen"));
    notes->setFont(scale.font(15, DesignScale::Bold));
    notes->setAccessibleName(TForm1::tr("Notizen"));
    notes->setAccessibleDescription(
        TForm1::tr("Freie Notizen zur Basalrate, höchstens 255 Zeichen"));
    notes->verticalScrollBar()->setAccessibleName(TForm1::tr("Notizen blättern"));
    notes->verticalScrollBar()->setAccessibleDescription(TForm1::tr("Bildlaufleiste der Notizen"));
    scale.place(notes, 270, 380, 401, 81);
    ui.MemoNotizen = notes;
}

void buildPicture(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    auto* image = new QLabel(client);
    image->setObjectName(QStringLiteral("Image1"));
    image->setToolTip(TForm1::tr("Insulinpumpe"));
    image->setAccessibleName(TForm1::tr("Bild einer Insulinpumpe"));
    image->setAccessibleDescription(TForm1::tr("Ein Klick öffnet die Programm-Informationen"));
    image->setScaledContents(true);
    scale.place(image, 714, 341, 137, 96);
    image->setPixmap(pumpPicture(image->size() * client->devicePixelRatio()));
    QLabel* team = makeLabel(client, "Label32", TForm1::tr("Fendrimo-Team 2026"), scale.font(15));
    team->setToolTip(TForm1::tr("Über den Programmierer"));
    team->setAccessibleDescription(
        TForm1::tr("Über den Programmierer; ein Klick öffnet die Programm-Informationen"));
    scale.placeAt(team, 718, 448);
    ui.pictures = {image, team};
}

// The sliders in hour order, the bolus fields, the date, the notes, the check box.
void chainTabOrder(const Form1Ui& ui)
{
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (QWidget* slider : ui.sliders)
        chain(slider);
    for (QWidget* field : ui.textFields())
        chain(field);
    chain(ui.CheckBox1);
    ui.sliders.front()->setFocus();
}

} // namespace

std::array<QWidget*, Form1Ui::Boluses + 2> Form1Ui::textFields() const
{
    return {boluses[0], boluses[1], boluses[2], EditDatum, MemoNotizen};
}

void buildForm1Controls(QWidget* client, Form1Ui& ui)
{
    const DesignScale scale(designScreen(platform().screenSize()).width());
    buildFrames(client, scale);
    buildHourColumns(client, scale, ui);
    buildProfileFooter(client, scale, ui);
    buildBolusRows(client, scale, ui);
    buildDateAndNotes(client, scale, ui);
    buildPicture(client, scale, ui);
    chainTabOrder(ui);
}

} // namespace fendrimo
