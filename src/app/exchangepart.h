#pragma once

#include "app/commandpath.h"
#include "exchange/formats.h"

#include <QCoreApplication>
#include <QString>

class QMenu;

namespace fendrimo {

struct ImportedProfile;

// "Importieren" and "Exportieren", and the comparison with another profile:
// a file, the saved content or any source the import reads, and taking
// hours from it.
class ExchangePart
{
    Q_DECLARE_TR_FUNCTIONS(fendrimo::TForm1)

public:
    explicit ExchangePart(const WindowContext& context) : m_context(context) {}

    void addCommands(CommandPath& commands);
    // An item per format under "Importieren", one per writable format under "Exportieren".
    void addFormatItems(QMenu* imports, QMenu* exports);

private:
    void ImportierenClick(ExchangeFormat format);
    void ExportierenClick(ExchangeFormat format);
    void VergleichenClick();
    void VergleichGespeichertClick();
    void VergleichBeendenClick();
    // "Aus Vergleich übernehmen…": chosen hours from the comparison as one step.
    void AusVergleichUebernehmenClick();

    bool hasReference() const;
    bool referenceDiffers() const;
    // Shows what the import will change, with its notices; true for OK.
    bool confirmImport(const ImportedProfile& imported);
    // The comparison with a file that isn't a profile file: any readable source.
    void compareWithSource(const QString& path);

    WindowContext m_context;
    // The comparison's file dialog remembers the path last chosen in it for the run.
    QString m_compareDialogFileName;
};

} // namespace fendrimo
