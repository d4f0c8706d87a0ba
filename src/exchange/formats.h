#pragma once

// Every format the program reads a basal rate from, one row each in one
// table (formats.cpp): its names in the menus and file dialogs, how it is
// recognised, read and written, and what the user is asked and told on the
// way. An import and a comparison read a source by one flow, importSource():
// the file read under the size limit (reading.h), its format given or
// recognised by its content, a profile chosen when it holds several, rates
// no pump gives refused; the caller then shows sourceNotices() and uses the
// profile. A new format is a new row and its reader; the window takes it
// from the table.

#include "exchange/exchange.h"

#include <QJsonDocument>

#include <array>
#include <functional>

namespace fendrimo {

enum class ExchangeFormat { Nightscout, OpenAps, Csv, Tidepool };

// What a source is read for: the chooser's question and the notices differ.
enum class SourcePurpose { Import, Comparison };

// Asked when a file holds several profiles: the chosen index, none to cancel.
using ProfileChooser = std::function<std::optional<int>(const QStringList& names, int preselected)>;

// Data as every row's recogniser sees it, parsed as JSON once for all.
struct SourceData
{
    const QByteArray& bytes;
    QJsonDocument json;
    QString jsonError; // why the bytes are no JSON; empty when they are
};

// What an export wrote, and what the receiving system must know of it.
struct ExportBytes
{
    QByteArray bytes;
    bool carbRatiosLeftOut = false; // Nightscout: not every bolus field a number above 0
    bool zeroRate = false;          // OpenAPS takes no basal rate of 0
    bool timeZoneLeftOut = false;   // Nightscout: no IANA name for the zone, it uses UTC
};

// A chooser's title and question, untranslated. They are the window's words
// and keep its translation context, "fendrimo::TForm1".
struct ChoiceTexts
{
    const char* title;
    const char* label;
};

// One row of the table. Its texts are untranslated; the functions below
// give them in the language of the interface.
struct ExchangeFormatInfo
{
    ExchangeFormat format;
    const char* objectName;   // of its menu items: "Import<name>", "Export<name>"
    const char* item;         // the menu items' text
    const char* filter;       // the file dialogs' filter
    const char* suffix;       // default suffix of a written file
    const char* proposedName; // of an exported file
    const char* step;         // the undo step of an import
    ChoiceTexts importChoice; // asked when the file holds several profiles
    ChoiceTexts comparisonChoice;
    // Recognisers are tried by rank, lowest first: a shape that may also
    // have another's comes before it.
    int recognitionRank;
    bool (*recognises)(const SourceData& source);
    // Taken for any data no other row recognises: when its reader refuses
    // the data, the error names every format it is not.
    bool byElimination;
    std::optional<ImportOutcome> (*read)(const QByteArray& data, const ProfileChooser& choose,
                                         const RegionalFormats& formats);
    // None for a format that is only read.
    ExportBytes (*write)(const ProfileContent& content, const ExportContext& context);
    QStringList (*exportNotice)(const ExportBytes& written); // its sentences, translated

    bool exportable() const { return write != nullptr; }
    QString itemText() const;
    QString filterText() const;
    QString stepText() const;
};

const std::array<ExchangeFormatInfo, 4>& exchangeFormats();
const ExchangeFormatInfo& formatInfo(ExchangeFormat format);

// The data, parsed as JSON where it is JSON: what recognising looks at.
SourceData parsedSource(const QByteArray& bytes);

// The format of data by its content, not its name: JSON by its shape (a
// Nightscout document or API answer, an OpenAPS basal profile or autotune
// result, Tidepool pump settings or data holding them), any other text a
// table; none for JSON of no such shape, for what looks like JSON but isn't,
// and for data that is neither JSON nor text.
std::optional<ExchangeFormat> recogniseFormat(const SourceData& source);
std::optional<ExchangeFormat> recogniseFormat(const QByteArray& data);

// What the flow asks when a file holds several profiles.
struct ProfileChoice
{
    ExchangeFormat format;
    SourcePurpose purpose;
    QStringList names;
    int preselected = 0;

    // The row's texts for the purpose, in the language of the interface.
    QString title() const;
    QString label() const;
};

using SourceChooser = std::function<std::optional<int>(const ProfileChoice& choice)>;

struct SourceRequest
{
    SourcePurpose purpose;
    std::optional<ExchangeFormat> format; // none: recognised by its content
};

// The profile the file at path holds; none when the user chose none. A file
// that can't be read or is too large is refused unread. In a given format
// that format's reader reads it. Recognised, a file its reader refuses gets
// that reader's error; one that none takes, an error naming all it is not.
// Only data that is no text is read as a profile file (its first 656 bytes,
// as opening reads them), taken only when they are a basal profile. No
// profile has a rate above kLargestRate.
std::optional<ImportOutcome> importSource(const QString& path, const SourceRequest& request,
                                          const SourceChooser& choose,
                                          const RegionalFormats& formats);

// The same for data recognised by its content, and for the file at path.
std::optional<ImportOutcome> importAny(const QByteArray& data, const ProfileChooser& choose,
                                       const RegionalFormats& formats);
std::optional<ImportOutcome> importAnyFile(const QString& path, const ProfileChooser& choose,
                                           const RegionalFormats& formats);

// What the user reads before the profile is used, the hours rounded or
// averaged first: every notice for an import, those on the rates alone for a
// comparison, where bolus and date never matter.
QStringList sourceNotices(const ImportedProfile& imported, SourcePurpose purpose);

// The file an export writes; nothing for a format that is only read.
ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context);
// What the user is told after the export wrote it, sentences one after another.
QString exportNotice(ExchangeFormat format, const ExportBytes& written);

} // namespace fendrimo
