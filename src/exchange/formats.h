#pragma once

// The exchange formats as the program offers them, and the one way from a
// format to its reader and to its writer.

#include "exchange/exchange.h"

#include <functional>

namespace fendrimo {

enum class ExchangeFormat { Nightscout, OpenAps, Csv, Tidepool };

struct ExchangeFormatInfo
{
    ExchangeFormat format;
    const char* objectName;   // of its menu items: "Import<name>", "Export<name>"
    const char* item;         // the menu items' text, untranslated
    const char* filter;       // the file dialogs' filter, untranslated
    const char* suffix;       // default suffix of a written file
    const char* proposedName; // of an exported file
    const char* step;         // the undo step of an import, untranslated
    bool exportable;          // Tidepool is only read

    // The texts as shown, in the language of the interface.
    QString itemText() const;
    QString filterText() const;
    QString stepText() const;
};

const std::array<ExchangeFormatInfo, 4>& exchangeFormats();
const ExchangeFormatInfo& formatInfo(ExchangeFormat format);

// Asked when a file holds several profiles: the chosen index, none to cancel.
using ProfileChooser = std::function<std::optional<int>(const QStringList& names, int preselected)>;

// The profile the file at path holds in that format; none when the user
// chose none. A file that can't be read or is too large is refused unread.
std::optional<ImportOutcome> importFile(ExchangeFormat format, const QString& path,
                                        const ProfileChooser& choose,
                                        const RegionalFormats& formats);

// The format of data by its content, not its name: JSON by its shape (a
// Nightscout document or API answer, an OpenAPS basal profile or autotune
// result, Tidepool pump settings or data holding them), any other text a
// table; none for JSON of no such shape, for what looks like JSON but isn't,
// and for data that is neither JSON nor text.
std::optional<ExchangeFormat> recogniseFormat(const QByteArray& data);

// The profile data holds in the format it is recognised as; none when the
// user chose none. A recognised file its reader refuses gets that reader's
// error; one that none takes, an error naming all it is not. Only data that
// is no text is read as a profile file (its first 656 bytes, as opening
// reads them), taken only when they are a basal profile. No reader's profile
// has a rate above kLargestRate.
std::optional<ImportOutcome> importAny(const QByteArray& data, const ProfileChooser& choose,
                                       const RegionalFormats& formats);
// The same for the file at path, read as importFile reads it.
std::optional<ImportOutcome> importAnyFile(const QString& path, const ProfileChooser& choose,
                                           const RegionalFormats& formats);

// What an export wrote, and what the receiving system must know of it.
struct ExportBytes
{
    QByteArray bytes;
    bool carbRatiosLeftOut = false; // Nightscout: not every bolus field a number above 0
    bool zeroRate = false;          // OpenAPS takes no basal rate of 0
    bool timeZoneLeftOut = false;   // Nightscout: no IANA name for the zone, it uses UTC
};

ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context);

} // namespace fendrimo
