// The window design of the main window, built from tables. All coordinates
// are design coordinates for a screen 1024 pixels wide; DesignScale maps them.

#include "widgets/accessibility.h"
#include "widgets/artwork.h"
#include "app/clockticker.h"
#include "widgets/designscale.h"
#include "app/ratecontrols.h"
#include "app/tform1.h"
#include "platform/platform.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

namespace fendrimo {

namespace {

constexpr int kHourMarkX[25] = {34,  67,  98,  130, 160, 192, 225, 257, 290, 322, 349, 380, 412,
                                444, 476, 508, 540, 572, 604, 636, 670, 702, 734, 766, 792};
constexpr int kHourColumnX = 38; // x of slider and rate field 1
constexpr int kHourColumnStep = 32;

enum FontStyle { Regular = 0, Bold = 1, Italic = 2 };

QFont arial(const DesignScale& scale, int designPixels, int style = Regular)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(scale.fontPixels(designPixels));
    font.setBold(style & Bold);
    font.setItalic(style & Italic);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    return label;
}

QFrame* makeFrame(QWidget* parent, QFrame::Shape shape, QFrame::Shadow shadow)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    frame->setLineWidth(1);
    frame->setMidLineWidth(0);
    return frame;
}

} // namespace

void TForm1::buildControls()
{
    const DesignScale scale(platform().screenSize().width());
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    setAccessibleDescription(QStringLiteral("Basalratenprofil für die Insulinpumpe: 24 "
                                            "Stundenraten, Bolusfaktoren, Datum und Notizen"));

    QFont systemFont(QStringLiteral("System"));
    systemFont.setPixelSize(scale.fontPixels(17));
    setFont(systemFont);

    // Frames first, so that everything else lies on top of them.
    struct FrameSpec
    {
        const char* name;
        int x, y, w, h;
        const char* accessibleName;
        const char* description;
    };
    for (const FrameSpec& spec :
         {FrameSpec{"BevelProfil", 22, 20, 849, 297, "Basalraten",
                    "Die 24 Stundenraten mit Schiebereglern und die Tagessumme"},
          FrameSpec{"BevelDetails", 22, 324, 665, 157, "Bolus, Datum und Notizen",
                    "Bolusfaktoren, Programmierdatum und Notizen"},
          FrameSpec{"BevelBild", 694, 324, 177, 157, "Bild",
                    "Bild einer Insulinpumpe und Hinweis auf den Programmierer"}}) {
        QFrame* frame = makeFrame(client, QFrame::Panel, QFrame::Raised);
        frame->setObjectName(QLatin1String(spec.name));
        frame->setAccessibleName(QString::fromUtf8(spec.accessibleName));
        frame->setAccessibleDescription(QString::fromUtf8(spec.description));
        scale.place(frame, spec.x, spec.y, spec.w, spec.h);
    }
    QFrame* divider = makeFrame(client, QFrame::Panel, QFrame::Sunken);
    divider->setObjectName(QStringLiteral("BevelTrenner"));
    scale.place(divider, 182, 328, 5, 145);

    // Profile panel: hour marks, rate fields, sliders.
    const QFont hourFont = arial(scale, 13);
    QPalette navy;
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    for (int i = 0; i <= Hours; ++i) {
        QLabel* mark = makeLabel(client, "", QString::number(i), hourFont);
        mark->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        mark->setPalette(navy);
        mark->setToolTip(QStringLiteral("Uhrzeit"));
        scale.placeAt(mark, kHourMarkX[i], 28);
    }
    QLabel* uhr = makeLabel(client, "Label26", QStringLiteral("Uhr"), hourFont);
    uhr->setPalette(navy);
    scale.placeAt(uhr, 814, 28);

    const QFont rateFont = arial(scale, 15, Bold);
    QPalette paleYellow;
    paleYellow.setColor(QPalette::Base, QColor(255, 255, 223));
    for (int n = 1; n <= Hours; ++n) {
        const int x = kHourColumnX + kHourColumnStep * (n - 1);

        auto* edit = new RateField(client);
        edit->setObjectName(QStringLiteral("Edit%1").arg(n));
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFont(rateFont);
        edit->setPalette(paleYellow);
        edit->setAlignment(Qt::AlignCenter);
        edit->setTextMargins(0, 0, 0, 0);
        edit->setToolTip(QStringLiteral("Ratenfeld"));
        edit->setAccessibleName(QStringLiteral("Rate %1 bis %2 Uhr").arg(n - 1).arg(n));
        edit->setAccessibleDescription(rateFieldDescription(n - 1));
        scale.place(edit, x, 48, 33, 26);
        m_edits[n - 1] = edit;

        auto* slider = new RateSlider(client);
        slider->setObjectName(QStringLiteral("ScrollBar%1").arg(n));
        slider->setFocusPolicy(Qt::StrongFocus);
        slider->setCursor(Qt::SplitVCursor);
        slider->setRange(0, 0);
        slider->setSingleStep(1);
        slider->setPageStep(1);
        makeRateSliderAccessible(slider, n - 1);
        scale.place(slider, x, 76, 33, 201);
        m_scrollBars[n - 1] = slider;
    }
    makeLabel(client, "Label27", QStringLiteral("IE/h"), rateFont);
    scale.placeAt(client->findChild<QLabel*>(QStringLiteral("Label27")), 814, 52);

    const QFont scaleFont = arial(scale, 15, Italic);
    LabelMax = makeLabel(client, "LabelMax", QString(), scaleFont);
    scale.placeAt(LabelMax, 810, 88);
    makeValueLabelAccessible(LabelMax, QStringLiteral("Höchste einstellbare Rate"), QString(),
                             QStringLiteral("Obere Grenze der Schieberegler, einzustellen unter "
                                            "Optionen, Einstellungen"));
    LabelMin = makeLabel(client, "LabelMin", QStringLiteral("0 IE/h"), scaleFont);
    scale.placeAt(LabelMin, 810, 248);
    makeValueLabelAccessible(LabelMin, QStringLiteral("Niedrigste Rate"), QString(),
                             QStringLiteral("Untere Grenze der Schieberegler"));

    CheckBox1 = new QCheckBox(QStringLiteral(" Alle folgenden Schieberegler mitziehen"), client);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setFont(arial(scale, 15));
    CheckBox1->setChecked(true);
    CheckBox1->setToolTip(QStringLiteral("Wenn aktiviert, erhalten alle Folgestunden denselben "
                                         "Wert wie die, die gerade eingestellt wird"));
    CheckBox1->setAccessibleName(QStringLiteral("Alle folgenden Schieberegler mitziehen"));
    CheckBox1->setAccessibleDescription(CheckBox1->toolTip());
    scale.place(CheckBox1, 42, 284, 519, 25);

    ButtonSumme = new QPushButton(QStringLiteral("Summe"), client);
    ButtonSumme->setObjectName(QStringLiteral("ButtonSumme"));
    ButtonSumme->setAccessibleDescription(QStringLiteral("Berechnet die Tagessumme neu"));
    scale.place(ButtonSumme, 586, 284, 33, 25);
    ButtonSumme->setVisible(false);

    const QFont text17 = arial(scale, 17);
    const QFont bold17 = arial(scale, 17, Bold);
    // The comparison's total stands left of the daily total, ending where it begins.
    LabelVergleich = makeLabel(client, "LabelVergleich", QString(), text17);
    LabelVergleich->setAlignment(Qt::AlignRight | Qt::AlignTop);
    scale.place(LabelVergleich, 360, 284, 256, 21);
    LabelVergleich->setAccessibleDescription(
        QStringLiteral("Tagessumme der Vergleichs-Basalrate und der Unterschied zu dieser"));
    LabelVergleich->setVisible(false);
    scale.placeAt(makeLabel(client, "Label29", QStringLiteral("Tagessumme:"), text17), 630, 284);
    LabelSumme = makeLabel(client, "LabelSumme", QStringLiteral("0"), bold17);
    scale.placeAt(LabelSumme, 746, 284);
    makeValueLabelAccessible(LabelSumme, QStringLiteral("Tagessumme"), QStringLiteral("IE"),
                             QStringLiteral("Summe der 24 Stundenraten: die Insulinmenge, die "
                                            "das Profil an einem Tag abgibt"));
    scale.placeAt(makeLabel(client, "Label30", QStringLiteral("IE"), text17), 790, 284);

    // Details panel: bolus factors, date, notes.
    scale.placeAt(makeLabel(client, "Label33", QStringLiteral("Bolus (IE : BE)"), bold17), 46, 340);
    struct BolusRow
    {
        const char* labelName;
        const char* caption;
        int labelX;
        int y;
        const char* fieldName;
        QLineEdit** field;
        const char* ratioName;
    };
    const QFont bold15 = arial(scale, 15, Bold);
    for (const BolusRow& row :
         {BolusRow{"Label34", "morgens:", 38, 380, "EditBolus1", &EditBolus1, "Label37"},
          BolusRow{"Label35", "mittags:", 46, 412, "EditBolus4", &EditBolus4, "Label38"},
          BolusRow{"Label36", "abends:", 46, 444, "EditBolus7", &EditBolus7, "Label39"}}) {
        scale.placeAt(makeLabel(client, row.labelName, QLatin1String(row.caption), bold15),
                      row.labelX, row.y);
        auto* field = new QLineEdit(client);
        field->setObjectName(QLatin1String(row.fieldName));
        field->setFont(bold15);
        field->setMaxLength(4);
        // Pasted text passes no key filter; it must still fit the file.
        field->setValidator(new Cp1252Validator(field));
        const QString timeOfDay = QLatin1String(row.caption).chopped(1); // without ":"
        field->setAccessibleName(QStringLiteral("Bolus %1").arg(timeOfDay));
        field->setAccessibleDescription(
            QStringLiteral("Insulineinheiten je Broteinheit (IE : BE) %1; Ziffern, Komma, Punkt "
                           "und Leerzeichen, höchstens 4 Zeichen")
                .arg(timeOfDay));
        field->setTextMargins(0, 0, 0, 0);
        scale.place(field, 110, row.y - 4, 33, 26);
        *row.field = field;
        scale.placeAt(makeLabel(client, row.ratioName, QStringLiteral(": 1"), bold17), 150, row.y);
    }

    scale.placeAt(makeLabel(client, "Label28", QStringLiteral("Aktuelle Basalrate am"), text17),
                  198, 340);
    EditDatum = new QLineEdit(client);
    EditDatum->setObjectName(QStringLiteral("EditDatum"));
    EditDatum->setFont(bold17);
    EditDatum->setMaxLength(255); // the profile file keeps no more
    EditDatum->setValidator(new Cp1252Validator(EditDatum));
    EditDatum->setToolTip(QStringLiteral("Datumsfeld. Doppelklick fügt aktuelles Datum ein."));
    EditDatum->setAccessibleName(QStringLiteral("Basalrate programmiert am"));
    EditDatum->setAccessibleDescription(
        QStringLiteral("Datum, an dem diese Basalrate in die Pumpe programmiert wurde. "
                       "Doppelklick fügt das aktuelle Datum ein."));
    scale.place(EditDatum, 370, 336, 129, 27);
    scale.placeAt(makeLabel(client, "Label40", QStringLiteral("programmiert."), text17), 506, 340);

    scale.placeAt(makeLabel(client, "Label31", QStringLiteral("Notizen:"), text17), 198, 380);
    MemoNotizen = new NotesEdit(client);
    MemoNotizen->setObjectName(QStringLiteral("MemoNotizen"));
    MemoNotizen->setFont(bold15);
    MemoNotizen->setAccessibleName(QStringLiteral("Notizen"));
    MemoNotizen->setAccessibleDescription(
        QStringLiteral("Freie Notizen zur Basalrate, höchstens 255 Zeichen"));
    MemoNotizen->verticalScrollBar()->setAccessibleName(QStringLiteral("Notizen blättern"));
    MemoNotizen->verticalScrollBar()->setAccessibleDescription(
        QStringLiteral("Bildlaufleiste der Notizen"));
    scale.place(MemoNotizen, 270, 380, 401, 81);

    // Picture panel.
    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setToolTip(QStringLiteral("Insulinpumpe"));
    Image1->setAccessibleName(QStringLiteral("Bild einer Insulinpumpe"));
    Image1->setAccessibleDescription(QStringLiteral("Ein Klick öffnet die Programm-Informationen"));
    Image1->setScaledContents(true);
    scale.place(Image1, 714, 341, 137, 96);
    Image1->setPixmap(pumpPicture(Image1->size() * devicePixelRatio()));
    Label32 = makeLabel(client, "Label32", QStringLiteral("Fendrimo-Team 2026"), arial(scale, 15));
    Label32->setToolTip(QStringLiteral("Über den Programmierer"));
    Label32->setAccessibleDescription(
        QStringLiteral("Über den Programmierer; ein Klick öffnet die Programm-Informationen"));
    scale.placeAt(Label32, 718, 448);

    // Status panel: its texts are placed inside it.
    PanelStatus = makeFrame(client, QFrame::Panel, QFrame::Raised);
    PanelStatus->setObjectName(QStringLiteral("PanelStatus"));
    PanelStatus->setAccessibleName(QStringLiteral("Statusleiste"));
    PanelStatus->setAccessibleDescription(
        QStringLiteral("Datum, Uhrzeit und ob die Daten gespeichert sind"));
    scale.place(PanelStatus, 22, 488, 849, 29);
    struct StatusText
    {
        const char* name;
        int x, width;
        QLabel** label;
        const char* description;
    };
    for (const StatusText& spec :
         {StatusText{"LabelDate", 8, 205, &LabelDate, "Heutiges Datum"},
          StatusText{"LabelTime", 232, 225, &LabelTime, "Aktuelle Uhrzeit"},
          StatusText{"LabelSaved", 472, 365, &LabelSaved,
                     "Ob die Basalrate seit dem letzten Speichern, Laden oder Neu unverändert "
                     "ist"}}) {
        QLabel* label = makeLabel(PanelStatus, spec.name, QStringLiteral("-"), text17);
        label->setAccessibleDescription(QString::fromUtf8(spec.description));
        label->setFixedWidth(scale.rect(spec.x, 5, spec.width, 1).width());
        label->move(scale.value(spec.x), scale.value(5));
        label->setFixedHeight(label->sizeHint().height());
        *spec.label = label;
    }
    for (const int x : {220, 460}) {
        QFrame* line = makeFrame(PanelStatus, QFrame::VLine, QFrame::Sunken);
        scale.place(line, x, 3, 2, 23);
    }

    // Tab order: the sliders in hour order, the bolus fields, the date, the notes, the check box.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (QScrollBar* slider : m_scrollBars)
        chain(slider);
    for (QWidget* next : {static_cast<QWidget*>(EditBolus1), static_cast<QWidget*>(EditBolus4),
                          static_cast<QWidget*>(EditBolus7), static_cast<QWidget*>(EditDatum),
                          static_cast<QWidget*>(MemoNotizen), static_cast<QWidget*>(CheckBox1)})
        chain(next);
    m_scrollBars.front()->setFocus();

    Timer = new ClockTicker(this);
    Timer->setObjectName(QStringLiteral("Timer"));
}

void TForm1::buildMenu()
{
    struct Item
    {
        const char* name;
        const char* caption;
        QAction** action;
        QKeySequence shortcut;
    };
    const auto addMenu = [this](const char* name, const QString& title, const QString& description,
                                std::initializer_list<Item> items) {
        QMenu* menu = menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->setAccessibleName(QString(title).remove(QLatin1Char('&')));
        menu->setAccessibleDescription(description);
        for (const Item& item : items) {
            if (!item.action) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QLatin1String(item.name));
            action->setShortcut(item.shortcut);
            *item.action = action;
        }
        return menu;
    };
    menuBar()->setAccessibleName(QStringLiteral("Menü"));
    menuBar()->setAccessibleDescription(
        QStringLiteral("Hauptmenü mit Datei, Bearbeiten, Optionen und Hilfe"));
    QMenu* datei =
        addMenu("DateiMenu", QStringLiteral("&Datei"),
                QStringLiteral(
                    "Neu, Laden, Speichern, Drucken, Importieren, Exportieren, zuletzt geöffnete "
                    "Basalraten, Verlauf und Beenden"),
                {{"Neu1", "Neu", &Neu1, QKeySequence(Qt::CTRL | Qt::Key_N)},
                 {nullptr, nullptr, nullptr, {}},
                 {"Basalrateladen1", "Laden", &Basalrateladen1, QKeySequence(Qt::CTRL | Qt::Key_O)},
                 {"Basalratespeichern1", "Speichern", &Basalratespeichern1,
                  QKeySequence(Qt::CTRL | Qt::Key_S)},
                 {nullptr, nullptr, nullptr, {}},
                 {"BasalrateDrucken1", "Basalrate Drucken", &BasalrateDrucken1,
                  QKeySequence(Qt::CTRL | Qt::Key_P)},
                 {nullptr, nullptr, nullptr, {}},
                 {"Beenden1", "Beenden", &Beenden1, QKeySequence(Qt::CTRL | Qt::Key_Q)}});
    // The recent profiles belong with the commands that open and save them,
    // before "Beenden".
    ZuletztGeoeffnet1 = new QMenu(QStringLiteral("&Zuletzt geöffnet"), datei);
    ZuletztGeoeffnet1->setObjectName(QStringLiteral("ZuletztGeoeffnet1"));
    ZuletztGeoeffnet1->setAccessibleName(QStringLiteral("Zuletzt geöffnet"));
    ZuletztGeoeffnet1->setAccessibleDescription(
        QStringLiteral("Die zuletzt geladenen oder gespeicherten Basalraten"));
    const QList<QAction*> fileActions = datei->actions();
    datei->insertMenu(fileActions.at(fileActions.size() - 2), ZuletztGeoeffnet1);
    connect(ZuletztGeoeffnet1, &QMenu::aboutToShow, this, [this] { showRecentFiles(); });
    showRecentFiles();
    buildExchangeMenus(datei);
    buildHistoryMenu(datei);

    buildEditMenu();
    addMenu("Optionen", QStringLiteral("Optionen"),
            QStringLiteral("Maximum, Druckmethode und Verzeichnis einstellen"),
            {{"Einstellungen", "Einstellungen", &Einstellungen, {}}});
    addMenu(
        "Hilfe1", QStringLiteral("&Hilfe"),
        QStringLiteral("Hinweis zur Dokumentation und Programm-Informationen"),
        {{"HilfezurFendrimo1", "Hilfe zur Fendrimo", &HilfezurFendrimo1, QKeySequence(Qt::Key_F1)},
         {nullptr, nullptr, nullptr, {}},
         {"Programminfos1", "Programm-Infos", &Programminfos1, {}}});
}

void TForm1::buildEditMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    menu->setObjectName(QStringLiteral("Bearbeiten1"));
    menu->setAccessibleName(QStringLiteral("Bearbeiten"));
    menu->setAccessibleDescription(
        QStringLiteral("Änderungen rückgängig machen oder wiederholen, alle Raten ändern oder "
                       "verschieben, mit einer anderen Basalrate vergleichen"));
    Rueckgaengig1 = menu->addAction(QStringLiteral("Rückgängig"));
    Rueckgaengig1->setObjectName(QStringLiteral("Rueckgaengig1"));
    Rueckgaengig1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1 = menu->addAction(QStringLiteral("Wiederholen"));
    Wiederholen1->setObjectName(QStringLiteral("Wiederholen1"));
    Wiederholen1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu->addSeparator();
    RatenProzent1 = menu->addAction(QStringLiteral("Alle Raten in &Prozent ändern…"));
    RatenProzent1->setObjectName(QStringLiteral("RatenProzent1"));
    Verschieben1 = menu->addAction(QStringLiteral("&Zeitlich verschieben…"));
    Verschieben1->setObjectName(QStringLiteral("Verschieben1"));
    menu->addSeparator();
    struct Item
    {
        const char* name;
        const char* caption;
        QAction** action;
    };
    for (const Item& item : {Item{"Vergleichen1", "&Vergleichen mit…", &Vergleichen1},
                             Item{"VergleichGespeichert1", "Mit &gespeicherter Fassung vergleichen",
                                  &VergleichGespeichert1},
                             Item{"VergleichBeenden1", "Vergleich &beenden", &VergleichBeenden1}}) {
        *item.action = menu->addAction(QString::fromUtf8(item.caption));
        (*item.action)->setObjectName(QLatin1String(item.name));
    }
    VergleichBeenden1->setEnabled(false);
    showHistory();
}

} // namespace fendrimo
