#include "printing/grafikform.h"

#include "platform/guarded.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "printing/reportjob.h"
#include "printing/reportpdf.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>

namespace fendrimo {

namespace {

constexpr int kGlyphSide = 16;

QPixmap glyphCanvas()
{
    QPixmap pixmap(kGlyphSide, kGlyphSide);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A spanner, head up to the right.
QIcon toolsGlyph()
{
    QPixmap pixmap = glyphCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(8, 8);
    p.rotate(45);
    QPainterPath spanner;
    spanner.addRoundedRect(QRectF(-1.6, -3, 3.2, 10.5), 1.2, 1.2);
    spanner.addEllipse(QPointF(0, -4.2), 3.6, 3.6);
    QPainterPath jaw;
    jaw.addRect(QRectF(-1.3, -8.5, 2.6, 4.6));
    p.setPen(QPen(QColor(50, 55, 65), 1));
    p.setBrush(QColor(150, 160, 175));
    p.drawPath(spanner.simplified().subtracted(jaw));
    return QIcon(pixmap);
}

// A printer with a sheet coming out.
QIcon printerGlyph()
{
    QPixmap pixmap = glyphCanvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(180, 180, 180));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(QPen(QColor(0, 0, 200), 1));
    p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(QPointF(12.5, 8.5), 0.9, 0.9);
    return QIcon(pixmap);
}

// The dialog keeps its design size, so its font keeps the design pixels too.
QFont arial()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    return font;
}

QFont arialItalic()
{
    QFont font = arial();
    font.setItalic(true);
    return font;
}

QFrame* bevel(const QString& name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

// Asks where the PDF printer writes the page, starting in folder and
// proposing a name after the profile's file in the folder it last wrote to;
// false when the user cancels.
bool choosePdfFile(QWidget* parent, QPrinter& printer, const QString& profileFile,
                   const QString& folder)
{
    FileDialogRequest request;
    request.title = TGrafikForm::tr("Basalrate als PDF-Datei drucken");
    request.filter = TGrafikForm::tr("PDF-Dateien (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    request.startFolder = folder;
    const QString written = printer.outputFileName();
    request.proposedFile = proposedPdfFile(
        written.isEmpty() ? request.startFolder : QFileInfo(written).path(), profileFile);
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = platform().saveFileName(parent, request);
    if (!chosen)
        return false;
    printer.setOutputFileName(*chosen);
    return true;
}

// The page as printed now: the profile handed over, the print method and the
// printing day's date as set at this moment.
ReportInput withPrintDetails(ReportInput input, bool colour)
{
    input.colour = colour;
    const RegionalFormats& formats = RegionalFormats::current();
    input.today = formats.shortDate(platform().now().date());
    input.decimalSeparator = formats.decimalSeparator;
    input.shortDateFormat = formats.shortDateFormat;
    return input;
}

// What kept a print from going out, as the failure box says it.
QString problemText(const PrintOutcome& outcome)
{
    using Problem = PrintOutcome::Problem;
    switch (outcome.problem) {
    case Problem::None:
    case Problem::Refused:
    case Problem::Cancelled:
        break;
    case Problem::NoPrinter:
        return TGrafikForm::tr("Zur Zeit ist kein Standard-Drucker gewählt");
    case Problem::NotStarted:
        return QCoreApplication::translate("ReportJob",
                                           "Der Druckauftrag kann nicht gestartet werden");
    case Problem::FileNotWritten:
        return QCoreApplication::translate("ReportJob",
                                           "Die Datei %1 kann nicht geschrieben werden")
            .arg(outcome.file);
    case Problem::Aborted:
        return QCoreApplication::translate(
            "ReportJob", "Fehler beim Drucken, der Druckauftrag wurde abgebrochen");
    case Problem::NotHandedOver:
        return QCoreApplication::translate(
            "ReportJob", "Die Seite konnte nicht an den Drucker übergeben werden");
    }
    return QString();
}

} // namespace

bool reportPrintOutcome(QWidget* parent, const PrintOutcome& outcome, QWidget* over)
{
    if (outcome.problem == PrintOutcome::Problem::Cancelled)
        return false;
    if (outcome.problem == PrintOutcome::Problem::Refused) {
        platform().message(
            parent, MessageType::Fehler,
            QCoreApplication::translate("ReportJob", "Der Druckauftrag wurde nicht angenommen: %1.")
                .arg(outcome.refusal),
            MessageButton::Ok);
        return false;
    }
    if (!outcome.printed()) {
        platform().failure(over ? over : parent, problemText(outcome) + QLatin1Char('.'));
        return false;
    }
    if (outcome.held)
        platform().message(parent, MessageType::Information,
                           QCoreApplication::translate(
                               "ReportJob", "Der Drucker ist angehalten: der Druckauftrag wartet "
                                            "in seiner Warteschlange und wird gedruckt, sobald "
                                            "der Drucker wieder freigegeben ist."),
                           MessageButton::Ok);
    return true;
}

TGrafikForm::TGrafikForm(QWidget* parent, ReportInput content, PrintOptions options)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_content(std::move(content)), m_options(std::move(options))
{
    setObjectName(QStringLiteral("GrafikForm"));
    setWindowTitle(tr("Fendrimo - Drucken"));
    buildControls();

    // The print dialog keeps its design size on every screen.
    setFixedSize(477, 454);
    const QSize screen = platform().screenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    connect(BitBtnDruckSetup, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { ButtonDruckSetupClick(); }); });
    connect(BitBtnDruck, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { ButtonDruckenClick(); }); });
    connect(BitBtnCancel, &QPushButton::clicked, this, [this] { ButtonAbbrechenClick(); });
    connect(BitBtnVorschau, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { ButtonVorschauClick(); }); });
    connect(BitBtnPdf, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { ButtonPdfClick(); }); });

    guarded(this, [this] { FormCreate(); });
    // Handed on when the user toggles it, not when it is shown.
    connect(CheckBoxTabelle, &QCheckBox::toggled, this, &TGrafikForm::tableToggled);
    connect(CheckBoxGlukose, &QCheckBox::toggled, this, &TGrafikForm::glucoseToggled);
    BitBtnDruck->setFocus();
}

void TGrafikForm::buildControls()
{
    setFont(arial());
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::ButtonText, Qt::black);
    setPalette(black);

    // Frames first: what is created later lies on top.
    Bevel1 = bevel(QStringLiteral("Bevel1"), this);
    Bevel1->setGeometry(18, 20, 441, 137);
    Bevel3 = bevel(QStringLiteral("Bevel3"), this);
    Bevel3->setGeometry(18, 164, 441, 81);
    Bevel2 = bevel(QStringLiteral("Bevel2"), this);
    Bevel2->setGeometry(18, 348, 441, 85);

    buildPrinterGroup();
    buildPrintMethodGroup();
    buildPrintButtons();
    buildPageBand();
    describeControls();

    // Tab runs over the buttons and the box; the printer name is shown, not edited.
    setTabOrder(BitBtnDruckSetup, CheckBoxTabelle);
    setTabOrder(CheckBoxTabelle, CheckBoxGlukose);
    setTabOrder(CheckBoxGlukose, BitBtnVorschau);
    setTabOrder(BitBtnVorschau, BitBtnPdf);
    setTabOrder(BitBtnPdf, BitBtnDruck);
    setTabOrder(BitBtnDruck, BitBtnCancel);
}

// The active printer's name and the button that changes it.
void TGrafikForm::buildPrinterGroup()
{
    GroupBoxAktDrucker = new QGroupBox(tr("Aktiver Drucker:"), this);
    GroupBoxAktDrucker->setObjectName(QStringLiteral("GroupBoxAktDrucker"));
    GroupBoxAktDrucker->setGeometry(32, 36, 413, 101);

    EditPrinter = new QLineEdit(this);
    EditPrinter->setObjectName(QStringLiteral("EditPrinter"));
    EditPrinter->setReadOnly(true);
    EditPrinter->setFocusPolicy(Qt::ClickFocus);
    EditPrinter->setFont(arialItalic());
    EditPrinter->setGeometry(44, 60, 385, 28);

    BitBtnDruckSetup = new QPushButton(tr("Drucker auswählen und einrichten"), this);
    BitBtnDruckSetup->setObjectName(QStringLiteral("BitBtnDruckSetup"));
    BitBtnDruckSetup->setIcon(toolsGlyph());
    BitBtnDruckSetup->setIconSize(QSize(kGlyphSide, kGlyphSide));
    BitBtnDruckSetup->setGeometry(48, 96, 381, 33);
}

// The print method in force, shown only: the options dialog sets it.
void TGrafikForm::buildPrintMethodGroup()
{
    GroupBoxPrintMethod = new QGroupBox(tr("Druckmethode (bei \"Optionen\" einzustellen):"), this);
    GroupBoxPrintMethod->setObjectName(QStringLiteral("GroupBoxPrintMethod"));
    GroupBoxPrintMethod->setGeometry(32, 176, 413, 57);

    LabelPrintMethod = new QLabel(GroupBoxPrintMethod);
    LabelPrintMethod->setObjectName(QStringLiteral("LabelPrintMethod"));
    LabelPrintMethod->setTextFormat(Qt::PlainText);
    QFont boldItalic = arialItalic();
    boldItalic.setBold(true);
    LabelPrintMethod->setFont(boldItalic);
    LabelPrintMethod->setGeometry(20, 24, 381, 19);
}

void TGrafikForm::buildPrintButtons()
{
    BitBtnDruck = new QPushButton(tr("Drucken"), this);
    BitBtnDruck->setObjectName(QStringLiteral("BitBtnDruck"));
    BitBtnDruck->setIcon(printerGlyph());
    BitBtnDruck->setIconSize(QSize(kGlyphSide, kGlyphSide));
    BitBtnDruck->setGeometry(56, 368, 161, 37);

    BitBtnCancel = new QPushButton(tr("Abbrechen"), this);
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
    BitBtnCancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtnCancel->setIconSize(QSize(kGlyphSide, kGlyphSide));
    BitBtnCancel->setGeometry(256, 368, 161, 37);
}

// What a screen reader says of the dialog and of the controls built here
// (the page band describes its own).
void TGrafikForm::describeControls()
{
    setAccessibleName(tr("Fendrimo - Drucken"));
    setAccessibleDescription(
        tr("Druckt die Basalrate als eine Seite auf dem aktiven Drucker oder in eine PDF-Datei"));
    GroupBoxAktDrucker->setAccessibleDescription(
        tr("Der Drucker, auf dem die Basalrate gedruckt wird"));
    EditPrinter->setAccessibleName(tr("Aktiver Drucker"));
    EditPrinter->setAccessibleDescription(tr("Name des aktiven Druckers"));
    BitBtnDruckSetup->setAccessibleDescription(
        tr("Öffnet die Druckerauswahl mit den Einstellungen des Druckers"));
    GroupBoxPrintMethod->setAccessibleDescription(
        tr("Farbe oder schwarz / weiß, einzustellen unter Optionen, Einstellungen"));
    LabelPrintMethod->setAccessibleName(tr("Druckmethode"));
    LabelPrintMethod->setAccessibleDescription(
        tr("Die eingestellte Druckmethode: Farbdruck oder Schwarz / Weiß"));
    BitBtnDruck->setAccessibleDescription(tr("Druckt die Basalrate und schließt das Fenster"));
    BitBtnCancel->setAccessibleDescription(tr("Schließt das Fenster, ohne zu drucken"));
    if (m_content.basalTestSheet)
        describeSheet();
}

std::optional<QString> TGrafikForm::shownPrinter()
{
    const ActivePrinter active = platform().activePrinter();
    if (active.printer)
        return active.name;
    reportPrintOutcome(this, PrintOutcome::stoppedBy(PrintOutcome::Problem::NoPrinter));
    return std::nullopt;
}

void TGrafikForm::FormCreate()
{
    // With no printer the box says so and nothing more is filled in.
    const std::optional<QString> printer = shownPrinter();
    if (!printer)
        return;
    EditPrinter->setText(*printer);
    LabelPrintMethod->setText(m_options.colour() ? tr("Farbdruck") : tr("Schwarz / Weiß"));
    CheckBoxTabelle->setChecked(m_options.table);
    CheckBoxGlukose->setChecked(m_options.glucose && m_options.glucoseAvailable);
}

void TGrafikForm::ButtonDruckSetupClick()
{
    platform().printerSetup(this);
    if (const std::optional<QString> printer = shownPrinter())
        EditPrinter->setText(*printer);
}

void TGrafikForm::ButtonDruckenClick()
{
    if (printNow(this))
        accept();
}

PrintOutcome TGrafikForm::print()
{
    const ActivePrinter active = platform().activePrinter();
    if (!active.printer)
        return PrintOutcome::stoppedBy(PrintOutcome::Problem::NoPrinter);
    // Cancelling the file name prints nothing and leaves the dialog open.
    if (active.toFile &&
        !choosePdfFile(this, *active.printer, m_content.profileFile, m_options.folder))
        return PrintOutcome::stoppedBy(PrintOutcome::Problem::Cancelled);
    return printReport(*active.printer, printedContent());
}

bool TGrafikForm::printNow(QWidget* over)
{
    // A job that did not go out is reported here and prints nothing.
    return reportPrintOutcome(this, print(), over);
}

ReportInput TGrafikForm::printedContent() const
{
    ReportInput input = withPrintDetails(m_content, m_options.colour());
    input.table = CheckBoxTabelle->isChecked() && !input.basalTestSheet;
    if (!CheckBoxGlukose->isEnabled() || !CheckBoxGlukose->isChecked() || input.basalTestSheet)
        input.glucose.reset();
    return input;
}

void TGrafikForm::ButtonAbbrechenClick()
{
    reject();
}

} // namespace fendrimo
