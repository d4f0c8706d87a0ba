#pragma once

// The exchange formats as the program offers them, and the one way from a
// format to its reader and to its writer.

#include "exchange/exchange.h"

#include <functional>

namespace fendrimo {

enum class ExchangeFormat { Nightscout, OpenAps, Csv };

struct ExchangeFormatInfo
{
    ExchangeFormat format;
    const char* objectName;   // of its menu items: "Import<name>", "Export<name>"
    const char* item;         // the menu items' text
    const char* filter;       // the file dialogs' filter
    const char* suffix;       // default suffix of a written file
    const char* proposedName; // of an exported file
    const char* step;         // the undo step of an import
};

const std::array<ExchangeFormatInfo, 3>& exchangeFormats();
const ExchangeFormatInfo& formatInfo(ExchangeFormat format);

// Asked when a file holds several profiles: the chosen index, none to cancel.
using ProfileChooser = std::function<std::optional<int>(const QStringList& names, int preselected)>;

// The profile the file at path holds in that format; none when the user
// chose none. A file that can't be read or is too large is refused unread.
std::optional<ImportOutcome> importFile(ExchangeFormat format, const QString& path,
                                        const ProfileChooser& choose,
                                        const RegionalFormats& formats);

// What an export wrote, and what the receiving system must know of it.
struct ExportBytes
{
    QByteArray bytes;
    bool carbRatiosLeftOut = false; // Nightscout: not every bolus field a number above 0
    bool zeroRate = false;          // OpenAPS takes no basal rate of 0
};

ExportBytes exportBytes(ExchangeFormat format, const ProfileContent& content,
                        const ExportContext& context);

} // namespace fendrimo
