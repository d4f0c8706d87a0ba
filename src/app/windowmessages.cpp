#include "app/windowmessages.h"

#include "files/filename.h"
#include "files/profilefile.h"
#include "platform/platform.h"
#include "profile/zehntel.h"

namespace fendrimo {

void WindowMessages::failure(QWidget* parent, const QString& message)
{
    platform().failure(parent, message + QLatin1Char('.'));
}

void WindowMessages::loadFailed(QWidget* parent, const QString& path)
{
    platform().exclamation();
    platform().message(parent, MessageType::Fehler,
                       tr("Fehler beim Laden der Datei %1 ! Möglicherweise ist die Datei "
                          "beschädigt oder nicht vorhanden!")
                           .arg(displayFileName(path)),
                       MessageButton::Ok);
}

void WindowMessages::raisedMaximum(QWidget* parent, const std::optional<RaisedMaximum>& raised)
{
    if (!raised)
        return;
    QString text =
        tr("Max. Basalrateneingabe war kleiner als mind. eine der Stundenraten der zu ladenden "
           "Basalrate. Das Maximum wurde automatisch auf den für die Rate nötigen Wert %1 IE/h "
           "heraufgesetzt. Die höchste vorkommende Rate ist %2 IE/h.")
            .arg(ZehntelText(raised->maximum), ZehntelText(raised->highest));
    if (raised->staysOnUndo)
        text += QLatin1Char(' ') + tr("Rückgängig nimmt nur die Raten zurück: Das Maximum bleibt "
                                      "bei %1 IE/h, bis Sie es unter \"Optionen\" ändern.")
                                       .arg(ZehntelText(raised->maximum));
    platform().message(parent, MessageType::Information, text, MessageButton::Ok);
}

void WindowMessages::settingsNotStored(QWidget* parent, const QString& error)
{
    if (!error.isEmpty())
        failure(parent, error);
}

void WindowMessages::importRefused(QWidget* parent, const QString& path, const QString& error)
{
    platform().message(parent, MessageType::Fehler,
                       tr("Die Datei %1 kann nicht importiert werden. %2").arg(path, error),
                       MessageButton::Ok);
}

void WindowMessages::comparisonRefused(QWidget* parent, const QString& path, const QString& error)
{
    platform().exclamation();
    platform().message(parent, MessageType::Fehler,
                       tr("Fehler beim Laden der Datei %1 ! Sie ist keine Basalraten-Datei. %2")
                           .arg(displayFileName(path), error),
                       MessageButton::Ok);
}

void WindowMessages::exportFailed(QWidget* parent, const QString& path, int fileErrorCode)
{
    platform().message(parent, MessageType::Fehler,
                       tr("Die Basalrate konnte nicht nach %1 exportiert werden: %2")
                           .arg(path, fileErrorText(fileErrorCode)),
                       MessageButton::Ok);
}

void WindowMessages::maximumRefused(QWidget* parent, qint32 highest)
{
    platform().message(
        parent, MessageType::Fehler,
        tr("Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, welches "
           "Sie einstellen wollten! Die höchste Stundenrate, die gerade eingestellt ist, ist "
           "%1 IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren Wert!")
            .arg(ZehntelText(highest)),
        MessageButton::Ok);
}

} // namespace fendrimo
