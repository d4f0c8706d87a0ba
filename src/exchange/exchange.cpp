// What all formats share once read: the notice on adjusted hours and the
// profile after an import.

#include "exchange/exchange.h"

#include "files/cp1252.h"
#include "files/profilsatz.h"
#include "profile/profiletools.h"

#include <QCoreApplication>

#include <algorithm>

namespace fendrimo {

QString adjustedHoursNotice(const QList<int>& hours)
{
    const QString runs = hourRunsText(hours);
    return runs.isEmpty()
               ? QString()
               : QCoreApplication::translate("Exchange", "Gerundet oder gemittelt: %1.").arg(runs);
}

ProfileContent importedContent(const ProfileContent& before, const ImportedProfile& imported)
{
    ProfileContent after = before;
    after.rates = imported.rates;
    if (imported.hasBolus)
        after.bolus = imported.bolus;
    if (!imported.datum.isEmpty())
        after.datum = imported.datum;
    if (imported.profileName.isEmpty())
        return after;
    const QString line =
        QCoreApplication::translate("Exchange", "Importiert aus Nightscout-Profil \"%1\"")
            .arg(imported.profileName);
    const bool controls = std::any_of(
        line.begin(), line.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; });
    const QString notes =
        before.notizen.isEmpty() ? line : before.notizen + QStringLiteral("\r\n") + line;
    // A name the file can't hold, or one that would make the notes too long,
    // is better left out than cut or garbled.
    if (!controls && notes.size() <= Profilsatz::TextCapacity && fitsCp1252(notes))
        after.notizen = notes;
    return after;
}

} // namespace fendrimo
