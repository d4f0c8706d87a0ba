// What all formats share once read: the notice on adjusted hours and the
// profile after an import.

#include "exchange/exchange.h"

#include "files/cp1252.h"
#include "profile/profiletools.h"

#include <algorithm>

namespace fendrimo {

namespace {

constexpr int kNotesCapacity = 255; // as a profile file keeps them, CR LF counting two

} // namespace

QString adjustedHoursNotice(const QList<int>& hours)
{
    QList<int> sorted = hours;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    QStringList runs;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const int first = sorted[i];
        while (i + 1 < sorted.size() && sorted[i + 1] == sorted[i] + 1)
            ++i;
        runs << hourSpanText(first, sorted[i]);
    }
    return runs.isEmpty() ? QString()
                          : QStringLiteral("Gerundet oder gemittelt: %1.")
                                .arg(runs.join(QStringLiteral(", ")));
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
        QStringLiteral("Importiert aus Nightscout-Profil \"%1\"").arg(imported.profileName);
    const bool controls = std::any_of(
        line.begin(), line.end(), [](QChar ch) { return ch.category() == QChar::Other_Control; });
    const QString notes =
        before.notizen.isEmpty() ? line : before.notizen + QStringLiteral("\r\n") + line;
    // A name the file can't hold, or one that would make the notes too long,
    // is better left out than cut or garbled.
    if (!controls && notes.size() <= kNotesCapacity && fitsCp1252(notes))
        after.notizen = notes;
    return after;
}

} // namespace fendrimo
