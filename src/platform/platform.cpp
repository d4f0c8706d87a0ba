#include "platform/platform.h"

#include "platform/error.h"
#include "platform/guarded.h"
#include "platform/qtplatform.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Platform", "Warnung");
    case MessageType::Fehler:
        return QCoreApplication::translate("Platform", "Fehler");
    case MessageType::Information:
        return QCoreApplication::translate("Platform", "Information");
    case MessageType::Bestaetigen:
        return QCoreApplication::translate("Platform", "Bestätigen");
    }
    return QString();
}

QString buttonText(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QCoreApplication::translate("Platform", "OK");
    case MessageButton::Abbrechen:
        return QCoreApplication::translate("Platform", "Abbrechen");
    case MessageButton::Ja:
        return QCoreApplication::translate("Platform", "&Ja");
    case MessageButton::Nein:
        return QCoreApplication::translate("Platform", "&Nein");
    }
    return QString();
}

} // namespace fendrimo
