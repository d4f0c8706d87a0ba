// The shell of the main window: start-up, the status panel's clock, closing,
// help, the user guide and the program information.

#include "app/tform1.h"

#include "about/aboutbox.h"
#include "about/userguide.h"
#include "about/userguidewindow.h"
#include "app/clockticker.h"
#include "app/translation.h"
#include "platform/muldiv.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "settings/firstrun.h"
#include "settings/settings.h"
#include "widgets/designscale.h"
#include "widgets/screenfit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSessionManager>

namespace fendrimo {

namespace {

// The status panel: its texts are placed inside it.
void buildStatusPanel(QWidget* client, const DesignScale& scale, Form1Ui& ui)
{
    QFrame* panel = makeFrame(client, QFrame::Panel, QFrame::Raised);
    panel->setObjectName(QStringLiteral("PanelStatus"));
    panel->setAccessibleName(TForm1::tr("Statusleiste"));
    panel->setAccessibleDescription(TForm1::tr("Datum, Uhrzeit und ob die Daten gespeichert sind"));
    scale.place(panel, 22, 488, 849, 29);
    struct StatusText
    {
        const char* name;
        int x, width;
        QLabel** label;
        const char* description;
    };
    for (const StatusText& spec :
         {StatusText{"LabelDate", 8, 205, &ui.LabelDate,
                     QT_TRANSLATE_NOOP("fendrimo::TForm1", "Heutiges Datum")},
          StatusText{"LabelTime", 232, 225, &ui.LabelTime,
                     QT_TRANSLATE_NOOP("fendrimo::TForm1", "Aktuelle Uhrzeit")},
          StatusText{"LabelSaved", 472, 365, &ui.LabelSaved,
                     QT_TRANSLATE_NOOP("fendrimo::TForm1",
                                       "Ob die Basalrate seit dem letzten Speichern, Laden oder "
                                       "Neu unverändert ist")}}) {
        QLabel* label = makeLabel(panel, spec.name, QStringLiteral("-"), scale.font(17));
        label->setAccessibleDescription(TForm1::tr(spec.description));
        label->setFixedWidth(scale.rect(spec.x, 5, spec.width, 1).width());
        label->move(scale.value(spec.x), scale.value(5));
        label->setFixedHeight(label->sizeHint().height());
        *spec.label = label;
    }
    for (const int x : {220, 460}) {
        QFrame* line = makeFrame(panel, QFrame::VLine, QFrame::Sunken);
        scale.place(line, x, 3, 2, 23);
    }
}

// The controls keep their places; a window made smaller than they need
// scrolls instead of cutting them off.
QScrollArea* scrollingClient(QWidget* client)
{
    const QRect used = client->childrenRect();
    client->setMinimumSize(used.right() + 1 + used.left(), used.bottom() + 1 + used.left());
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("ClientScroller"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus); // the focus starts on the first slider
    area->setWidgetResizable(true);
    area->setWidget(client);
    return area;
}

} // namespace

TForm1::TForm1(Settings& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_document(settings, Settings::FallbackMaximum),
      m_commands(*this, m_document), m_files({this, m_document, settings, m_commands}),
      m_exchange({this, m_document, settings, m_commands}),
      m_history({this, m_document, settings, m_commands}),
      m_printing({this, m_document, settings, m_commands}, m_ui.MemoNotizen),
      m_glucose(
          {this, m_document, settings, m_commands}, [this] { updateActions(); },
          [this](int hour) { focusHour(hour); }),
      m_basalTest({this, m_document, settings, m_commands}, m_glucose, m_printing)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    setAccessibleDescription(tr("Basalratenprofil für die Insulinpumpe: 24 Stundenraten, "
                                "Bolusfaktoren, Datum und Notizen"));
    setFont(DesignScale(designScreen(platform().screenSize()).width())
                .font(17, DesignScale::Regular, QStringLiteral("System")));
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("ClientArea"));
    buildForm1Controls(client, m_ui);
    buildStatusPanel(client, DesignScale(designScreen(platform().screenSize()).width()), m_ui);
    setCentralWidget(scrollingClient(client));
    m_ui.Timer = new ClockTicker(this);
    m_ui.Timer->setObjectName(QStringLiteral("Timer"));
    addCommands();
    m_printing.setGlucoseSource([this] { return m_glucose.printedReport(); });
    buildMenus();
    connectControls();
    connectDocument();
    // The controls show the empty profile from the start, even when the rest
    // of start-up fails.
    showProfile();
    showSaved(m_document.isSaved());
    showHistory();
    m_files.showRecentFiles(m_ui.ZuletztGeoeffnet1);
    updateActions();
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        bool mayEnd = false;
        guarded([&] { mayEnd = mayEndSession(manager.allowsInteraction()); });
        if (manager.allowsInteraction())
            manager.release();
        if (!mayEnd)
            manager.cancel();
    });
    m_ui.Timer->start();
    guarded([this] { FormCreate(); });
    // The panel shows the time at once, not only from the next full second.
    guarded([this] { TimerTimer(); });
    m_startedUp = true;
}

TForm1::~TForm1() = default;

void TForm1::loadFile(const QString& path)
{
    m_files.loadFile(path);
}

void TForm1::FormCreate()
{
    const QSize screen = platform().screenSize();
    const QSize design = designScreen(screen);
    resize(MulDiv(934, design.width(), 1024), MulDiv(606, design.height(), 768));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    keepInArea(this);

    setWindowTitle(tr("Fendrimo Version %1").arg(QStringLiteral("2.1F")));
    // Defaults that can't be written are reported; the run goes on with them,
    // its window and an empty profile, as after any first run.
    guarded([this] {
        IniFile ini(m_settings.path());
        runFirstRunCheck(ini, [this](const QString& notice) {
            platform().message(this, MessageType::Information, notice, MessageButton::Ok);
        });
    });
    // A maximum that is absent, not a number or below 1 can't range the
    // sliders; the run goes on with the first-run default instead.
    m_document.startUp(m_settings.maximum());
}

bool TForm1::FormCloseQuery()
{
    if (!DatenGespeichert()) {
        const MessageResult answer = platform().message(
            this, MessageType::Warnung, tr("Aktuelle Werte nicht gespeichert. Trotzdem beenden?"),
            MessageButton::Ja | MessageButton::Nein);
        if (answer != MessageResult::Ja)
            return false;
    }
    platform().beep();
    platform().message(this, MessageType::Information,
                       tr("Vergessen Sie nicht, ggf. Ihre Insulinpumpe umzuprogrammieren!"),
                       MessageButton::Ok);
    return true;
}

bool TForm1::mayEndSession(bool canAsk)
{
    if (DatenGespeichert())
        return true;
    return canAsk && FormCloseQuery();
}

void TForm1::TimerTimer()
{
    const RegionalFormats& formats = RegionalFormats::current();
    const QDateTime now = platform().now();
    setLabelText(m_ui.LabelTime, tr("Zeit: %1 Uhr").arg(formats.longTime(now.time())));
    setLabelText(m_ui.LabelDate, tr("Datum: %1").arg(formats.shortDate(now.date())));
    // "Daten gespeichert" follows the document at once, in showSaved().
}

void TForm1::showSaved(bool saved)
{
    setLabelText(m_ui.LabelSaved,
                 saved ? tr("Daten gespeichert: ja") : tr("Daten gespeichert: nein"));
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    guarded([&] { canClose = FormCloseQuery(); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        // Rate texts follow the decimal separator of the regional settings.
        RegionalFormats::setCurrent(RegionalFormats::fromLocale(QLocale::system()));
        if (m_startedUp)
            showProfile();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::HilfezurFendrimo1Click()
{
    platform().message(
        this, MessageType::Information,
        tr("Leider gibt es für dieses Programm keine Hilfedatei! Bitte lesen Sie die "
           "mitgelieferte Dokumentation README.TXT. Sollten Sie Fragen oder Schwierigkeiten "
           "haben, können Sie mich - den Programmierer - persönlich kontaktieren. Klicken Sie "
           "bitte auf OK!"),
        MessageButton::Ok);
    Programminfos1Click();
}

void TForm1::Programminfos1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TForm1::BenutzerhandbuchClick()
{
    const QStringList folders = userGuideFolders(QCoreApplication::applicationDirPath());
    openUserGuide(this, findUserGuide(interfaceLanguageInUse(), folders));
}

void TForm1::setFieldText(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

void TForm1::setLabelText(QLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setText(text);
    if (label->minimumWidth() != label->maximumWidth())
        label->adjustSize();
}

} // namespace fendrimo
