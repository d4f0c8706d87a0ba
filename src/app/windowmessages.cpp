#include "app/windowmessages.h"

#include "files/filename.h"
#include "files/profilefile.h"
#include "glucose/glucoseformats.h"
#include "platform/platform.h"
#include "platform/regional.h"
#include "profile/zehntel.h"

#include <QDate>

#include <array>

namespace fendrimo {

namespace {

// The words for the rows a glucose reader skips, in the order of SkipReason.
struct SkipWord
{
    const char* source;
    const char* comment;
};
const std::array<SkipWord, kSkipReasons> kSkipWords{{
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "Metadaten", "skipped rows"),
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "Notizen", "skipped rows"),
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "Kalibrierungen", "skipped rows"),
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "Scans", "skipped rows"),
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "Sensorzustände", "skipped rows"),
    QT_TRANSLATE_NOOP3("fendrimo::TForm1", "andere Ereignisse", "skipped rows"),
}};

// The day of a reading's local clock time, in the regional short format.
QString readingDay(const GlucoseReading& reading)
{
    const std::int64_t seconds = reading.localSeconds;
    const std::int64_t days = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
    return RegionalFormats::current().shortDate(QDate(1970, 1, 1).addDays(days));
}

} // namespace

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

void WindowMessages::glucoseRefused(QWidget* parent, const QString& path, const QString& error)
{
    platform().message(parent, MessageType::Fehler,
                       tr("Die Datei %1 kann nicht als Glukosedaten gelesen werden. %2")
                           .arg(displayFileName(path), error),
                       MessageButton::Ok);
}

void WindowMessages::glucoseLoaded(QWidget* parent, const QString& path, const GlucoseFile& file,
                                   int present)
{
    const int added = int(file.readings.size()) - present;
    QStringList lines{tr("Glukosedaten aus %1 geladen (%2, Werte in %3).")
                          .arg(displayFileName(path),
                               QLatin1String(glucoseFormatInfo(file.format).name),
                               file.unit == GlucoseUnit::MgPerDl ? QStringLiteral("mg/dL")
                                                                 : QStringLiteral("mmol/L")),
                      tr("Messwerte: %1 neu, %2 waren schon geladen.")
                          .arg(QString::number(added), QString::number(present))};
    if (!file.readings.empty())
        lines << tr("Tage: %1 bis %2")
                     .arg(readingDay(file.readings.front()), readingDay(file.readings.back()));
    QStringList skipped;
    for (int reason = 0; reason < kSkipReasons; ++reason) {
        const SkipWord& word = kSkipWords.at(size_t(reason));
        if (const int rows = file.skipped.at(size_t(reason)))
            skipped << QStringLiteral("%1 (%2)").arg(tr(word.source, word.comment)).arg(rows);
    }
    if (!skipped.isEmpty())
        lines << tr("Übersprungene Zeilen: %1").arg(skipped.join(QStringLiteral(", ")));
    if (file.placedInZone > 0)
        lines << tr("Zeitangaben ohne Zeitzone wurden in der Zeitzone %1 des Systems gelesen.")
                     .arg(QString::fromLatin1(file.zoneUsed));
    platform().message(parent, MessageType::Information, lines.join(QLatin1Char('\n')),
                       MessageButton::Ok);
}

} // namespace fendrimo
