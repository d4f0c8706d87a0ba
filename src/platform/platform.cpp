#include "platform/platform.h"

#include "platform/error.h"
#include "platform/guarded.h"
#include "platform/qtplatform.h"

namespace fendrimo {

namespace {
Platform* g_replacement = nullptr;
} // namespace

Platform& platform()
{
    if (g_replacement)
        return *g_replacement;
    static QtPlatform real;
    return real;
}

void setPlatform(Platform* replacement)
{
    g_replacement = replacement;
}

void reportFailure(QWidget* parent, const std::exception& failure)
{
    const auto* ours = dynamic_cast<const Failure*>(&failure);
    const QString message = ours ? ours->message() : QString::fromStdString(failure.what());
    platform().failure(parent, message + QLatin1Char('.'));
}

QString messageCaption(MessageType type)
{
    switch (type) {
    case MessageType::Warnung:
        return QStringLiteral("Warnung");
    case MessageType::Fehler:
        return QStringLiteral("Fehler");
    case MessageType::Information:
        return QStringLiteral("Information");
    case MessageType::Bestaetigen:
        return QStringLiteral("Bestätigen");
    }
    return QString();
}

QString buttonText(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QStringLiteral("OK");
    case MessageButton::Abbrechen:
        return QStringLiteral("Abbrechen");
    case MessageButton::Ja:
        return QStringLiteral("&Ja");
    case MessageButton::Nein:
        return QStringLiteral("&Nein");
    }
    return QString();
}

} // namespace fendrimo
