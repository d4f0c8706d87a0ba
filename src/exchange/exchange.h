#pragma once

// Exchange of the basal rate with other diabetes software: Nightscout profile
// documents, OpenAPS basal profiles and autotune results, Tidepool pump
// settings and spreadsheet tables (CSV). Readers return a result or an error
// text naming the problem, in the language of the interface; writers return
// the file's bytes. Widget-free: the window asks, shows and saves.

#include "exchange/reading.h"
#include "platform/regional.h"
#include "profile/basalprofile.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace fendrimo {

// What an import brings, ready to go into the profile being edited.
struct ImportedProfile
{
    HourlyRates rates{};
    // Hours whose rate was averaged over several values, rounded to a tenth
    // or raised from below 0,05 to 0,1 IE/h.
    QList<int> adjustedHours;
    // Nightscout with "carbratio", Tidepool and autotune with carb ratios in
    // grams: the three texts replace the bolus fields
    // (morgens, mittags, abends); an empty text leaves that field empty.
    bool hasBolus = false;
    std::array<QString, ProfileContent::Boluses> bolus;
    // Nightscout: the date field's new text (system short date); empty keeps it.
    QString datum;
    // Nightscout: the name of the profile read from the document's store.
    QString profileName;
    // Further notices for the user, whole sentences (rounded or empty
    // bolus factors and why, hours taken from the day's last entry, a date
    // the file doesn't give).
    QStringList notices;
    // Notices on the rates alone (hours taken from the day's last entry, the
    // schedule read), which a comparison shows too; bolus and date never matter there.
    QStringList rateNotices;
    // How a comparison names the source: "Nightscout-Profil \"Default\"",
    // "OpenAPS-Basalprofil", "Autotune", "Tidepool \"Standard\"", or empty
    // for the file's name.
    QString sourceName;
    // Autotune: per hour, the days on which it could not tune that hour.
    std::array<int, ProfileContent::Hours> untunedDays{};
};

struct ImportOutcome
{
    std::optional<ImportedProfile> profile;
    QString error; // translated, set exactly when there is no profile
};

// What a file offers to choose from, in the file's order: the named profiles
// of a Nightscout document (or of the newest document of an array) with
// "defaultProfile" preselected, or the basal schedules of Tidepool pump
// settings with "activeSchedule" preselected.
struct NamedProfiles
{
    QStringList names;
    int preselected = 0;
    QString error; // set when the file can't be read as such at all
};

NamedProfiles nightscoutProfiles(const QByteArray& data);
// The preselected profile, or the one of that name ("" is a name like any other).
ImportOutcome readNightscout(const QByteArray& data, const RegionalFormats& formats);
ImportOutcome readNightscout(const QByteArray& data, const QString& profileName,
                             const RegionalFormats& formats);
// A basal_profile.json list, or autotune's profile.json object.
ImportOutcome readOpenAps(const QByteArray& data, const RegionalFormats& formats);
// Whether a JSON value is a datum of Tidepool's pump settings
// ("type": "pumpSettings").
bool isPumpSettings(const QJsonValue& value);
// One "pumpSettings" datum, or the newest of an array of Tidepool data; its
// schedules without entries are not offered.
NamedProfiles tidepoolSchedules(const QByteArray& data);
ImportOutcome readTidepool(const QByteArray& data, const RegionalFormats& formats);
ImportOutcome readTidepool(const QByteArray& data, const QString& scheduleName,
                           const RegionalFormats& formats);
ImportOutcome readCsv(const QByteArray& data);

// What an export needs besides the profile.
// How a table is written: its header line, the separator between the fields
// and the decimal separator of the rates.
struct CsvLayout
{
    QString header;
    QChar fieldSeparator;
    QChar decimalSeparator;
};

// "Uhrzeit;Basalrate (IE/h)", ";" and ",": as German spreadsheets expect it.
CsvLayout germanCsvLayout();
// An English header in the regional number format: a decimal comma keeps ";"
// between the fields, any other decimal separator gives "," and ".".
CsvLayout englishCsvLayout(QChar regionalDecimalSeparator);

struct ExportContext
{
    QDateTime now;           // "created_at", and "startDate" when the date field is no date
    QString timeZone;        // IANA name of the system's zone, e.g. "Europe/Berlin"; may be empty
    RegionalFormats formats; // to read the date field
    CsvLayout csv = germanCsvLayout();
};

// The IANA name of the system's time zone, as Nightscout needs it: empty when
// none is found (a POSIX rule such as "CET-1CEST,M3.5.0,M10.5.0/3" in TZ is
// none, but /etc/localtime may still name the zone).
QString systemTimeZoneName();
// The same from the id Qt reports for the zone and the target of /etc/localtime.
QString ianaTimeZoneName(const QByteArray& zoneId, const QString& localtimeTarget);

QByteArray writeNightscout(const ProfileContent& content, const ExportContext& context);
QByteArray writeOpenAps(const HourlyRates& rates);
QByteArray writeCsv(const HourlyRates& rates, const CsvLayout& layout = germanCsvLayout());

// "Gerundet oder gemittelt: 0 bis 1 Uhr, 22 bis 24 Uhr." (runs of hours by
// their whole span); empty for no hours.
QString adjustedHoursNotice(const QList<int>& hours);

// The profile after an import: its rates replaced; bolus texts and date
// replaced when the import brings them; the notes keep their text and get the
// line "Importiert aus Nightscout-Profil "Name"" appended (CR LF) when a
// profile name is given and the result still fits the 255 characters a
// profile file keeps.
ProfileContent importedContent(const ProfileContent& before, const ImportedProfile& imported);

} // namespace fendrimo
