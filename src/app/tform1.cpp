#include "app/tform1.h"

#include "app/clockticker.h"
#include "platform/muldiv.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "widgets/textfields.h"
#include "settings/firstrun.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

namespace fendrimo {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), m_profile(Settings::FallbackMaximum), m_history(m_profile)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    buildControls();
    buildMenu();
    connectHandlers();
    // The controls show the empty profile from the start, even when the rest
    // of start-up fails.
    showProfile();
    setDatenGespeichert(m_datenGespeichert);
    Timer->start();
    guarded([this] { FormCreate(); });
    // The panel shows the time at once, not only from the next full second.
    guarded([this] { TimerTimer(); });
    m_startedUp = true;
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    const QSize screen = platform().screenSize();
    resize(MulDiv(934, screen.width(), 1024), MulDiv(606, screen.height(), 768));
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);

    IniFile ini(settingsFilePath());
    runFirstRunCheck(ini, [this](const QString& notice) {
        platform().message(this, MessageType::Information, notice, MessageButton::Ok);
    });
    // A maximum that is absent, not a number or below 1 can't range the
    // sliders; the run goes on with the first-run default instead.
    m_profile.setMaximum(Settings().maximum());
    setWindowTitle(QStringLiteral("Fendrimo Version 2.1F"));
    m_history.restart();
    setDatenGespeichert(true);
}

bool TForm1::FormCloseQuery()
{
    if (!DatenGespeichert()) {
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
    // "Daten gespeichert" follows the flag at once, in setDatenGespeichert().
}

void TForm1::setDatenGespeichert(bool saved)
{
    m_datenGespeichert = saved;
    setLabelText(LabelSaved, saved ? QStringLiteral("Daten gespeichert: ja")
                                   : QStringLiteral("Daten gespeichert: nein"));
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

} // namespace fendrimo
