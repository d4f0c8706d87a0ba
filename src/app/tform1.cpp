#include "app/tform1.h"

#include "app/designscale.h"
#include "platform/muldiv.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "profile/textfields.h"
#include "profile/zehntel.h"
#include "settings/firstrun.h"
#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace fendrimo {

namespace {

// A maximum that is absent, not a number or below 1 can't range the sliders;
// the run goes on with the first-run default instead.
constexpr qint32 kFallbackMaximum = 30;

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    connectHandlers();
    Timer->start();
    guarded([this] { FormCreate(); });
    m_startedUp = true;
}

TForm1::~TForm1() = default;

qint32 TForm1::rate(int n) const
{
    return Maximum - ScrollBar(n)->value();
}

void TForm1::FormCreate()
{
    const QSize screen = platform().screenSize();
    resize(MulDiv(934, screen.width(), 1024), MulDiv(606, screen.height(), 768));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    IniFile settings(settingsFilePath());
    runFirstRunCheck(settings, [this](const QString& notice) {
        platform().message(this, MessageType::Information, notice, MessageButton::Ok);
    });
    Maximum = settings.readInteger(settingskeys::einstellungen(), settingskeys::maximum(), -1);
    if (Maximum < 1)
        Maximum = kFallbackMaximum;

    setWindowTitle(QStringLiteral("Fendrimo Version 2.1F"));

    for (QScrollBar* slider : m_scrollBars)
        slider->setMaximum(Maximum);
    for (QScrollBar* slider : m_scrollBars)
        slider->setValue(Maximum);
    for (QLineEdit* edit : m_edits)
        setFieldText(edit, QStringLiteral("0"));
    MemoNotizen->setTextIfChanged(QString());
    setLabelText(LabelSumme, QStringLiteral("0"));
    for (QLineEdit* bolus : {EditBolus1, EditBolus4, EditBolus7})
        setFieldText(bolus, QString());
    setMaximumLabel();
    setFieldText(EditDatum, QString());
    // Last: the change notifications above have marked the profile unsaved.
    DatenGespeichert = true;
}

void TForm1::setMaximumLabel()
{
    setLabelText(LabelMax, ZehntelText(Maximum) + QStringLiteral(" IE/h"));
}

bool TForm1::FormCloseQuery()
{
    if (!DatenGespeichert) {
        const MessageResult answer = platform().message(
            this, MessageType::Warnung,
            QStringLiteral("Aktuelle Werte nicht gespeichert. Trotzdem beenden?"),
            MessageButton::Ja | MessageButton::Nein);
        if (answer != MessageResult::Ja)
            return false;
    }
    platform().beep();
    platform().message(this, MessageType::Information,
                       QStringLiteral("Vergessen Sie nicht, ggf. Ihre Insulinpumpe "
                                      "umzuprogrammieren!"),
                       MessageButton::Ok);
    return true;
}

void TForm1::TimerTimer()
{
    const RegionalFormats& formats = RegionalFormats::current();
    const QDateTime now = platform().now();
    setLabelText(LabelTime, QStringLiteral("Zeit: %1 Uhr").arg(formats.longTime(now.time())));
    setLabelText(LabelDate, QStringLiteral("Datum: %1").arg(formats.shortDate(now.date())));
    setLabelText(LabelSaved, DatenGespeichert ? QStringLiteral("Daten gespeichert: ja")
                                              : QStringLiteral("Daten gespeichert: nein"));
}

void TForm1::Beenden1Click()
{
    close();
}

void TForm1::HilfezurFendrimo1Click()
{
    platform().message(
        this, MessageType::Information,
        QStringLiteral("Leider gibt es für dieses Programm keine Hilfedatei! Bitte lesen Sie die "
                       "mitgelieferte Dokumentation README.TXT. Sollten Sie Fragen oder "
                       "Schwierigkeiten haben, können Sie mich - den Programmierer - persönlich "
                       "kontaktieren. Klicken Sie bitte auf OK!"),
        MessageButton::Ok);
    Programminfos1Click();
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
        if (m_startedUp) {
            for (int n = 1; n <= Hours; ++n)
                setFieldText(Edit(n), ZehntelText(rate(n)));
            setMaximumLabel();
            ButtonSummeClick();
        }
    }
    QMainWindow::changeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int n = 1; n <= Hours; ++n) {
            // Every mouse action on a slider ends with an end-of-scroll action
            // at the position it has reached.
            if (watched == ScrollBar(n) &&
                (mouse->button() == Qt::LeftButton || mouse->button() == Qt::MiddleButton)) {
                guarded([&] { ScrollBarScroll(n, ScrollBar(n)->value()); });
            }
        }
        if (watched == CheckBox1)
            guarded([this] { CheckBox1MouseUp(); });
        if ((watched == Image1 || watched == Label32) && mouse->button() == Qt::LeftButton)
            guarded([this] { Programminfos1Click(); });
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == EditDatum) {
            guarded([this] { EditDatumDblClick(); });
            return true;
        }
        if (watched == Image1 || watched == Label32) {
            guarded([this] { Programminfos1Click(); });
            return true;
        }
    } else if (type == QEvent::KeyPress &&
               (watched == EditBolus1 || watched == EditBolus4 || watched == EditBolus7)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Only typed characters are filtered. Tab moves on as in any dialog; Delete is an editing
        // key, though X11 sends it with the text DEL.
        const bool editingKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                                key->key() == Qt::Key_Delete;
        if (!text.isEmpty() && !editingKey) {
            bool passes = true;
            guarded([&] { passes = EditBolusKeyPress(text.at(0)); });
            if (!passes)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::reportFailure(const std::exception& failure)
{
    platform().failure(this, QString::fromStdString(failure.what()) + QLatin1Char('.'));
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

void TForm1::connectHandlers()
{
    for (int n = 1; n <= Hours; ++n) {
        QScrollBar* slider = ScrollBar(n);
        // The scroll handler runs for every user action, before the slider
        // takes its (already clamped) new position; also when it stays put.
        connect(slider, &QScrollBar::actionTriggered, this, [this, n, slider](int) {
            guarded([&] { ScrollBarScroll(n, slider->sliderPosition()); });
        });
        connect(slider, &QScrollBar::valueChanged, this,
                [this] { guarded([this] { ButtonSummeClick(); }); });
        slider->installEventFilter(this);
    }
    connect(ButtonSumme, &QPushButton::clicked, this,
            [this] { guarded([this] { ButtonSummeClick(); }); });
    CheckBox1->installEventFilter(this);
    for (QLineEdit* bolus : {EditBolus1, EditBolus4, EditBolus7}) {
        bolus->installEventFilter(this);
        connect(bolus, &QLineEdit::textChanged, this,
                [this] { guarded([this] { EditBolusChange(); }); });
    }
    EditDatum->installEventFilter(this);
    connect(EditDatum, &QLineEdit::textChanged, this,
            [this] { guarded([this] { EditDatumChange(); }); });
    connect(MemoNotizen, &QPlainTextEdit::textChanged, this,
            [this] { guarded([this] { MemoNotizenChange(); }); });
    for (QLabel* picture : {Image1, Label32})
        picture->installEventFilter(this);
    connect(Timer, &QTimer::timeout, this, [this] { guarded([this] { TimerTimer(); }); });

    const auto bind = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    bind(Neu1, &TForm1::Neu1Click);
    bind(Basalrateladen1, &TForm1::Basalrateladen1Click);
    bind(Basalratespeichern1, &TForm1::Basalratespeichern1Click);
    bind(BasalrateDrucken1, &TForm1::DruckenClick);
    bind(Beenden1, &TForm1::Beenden1Click);
    bind(Einstellungen, &TForm1::EinstellungenClick);
    bind(HilfezurFendrimo1, &TForm1::HilfezurFendrimo1Click);
    bind(Programminfos1, &TForm1::Programminfos1Click);
}

} // namespace fendrimo
