// "Speichern" and "Laden": the profile on screen to a profile file and back.

#include "app/tform1.h"
#include "files/profilefile.h"
#include "platform/error.h"
#include "platform/platform.h"
#include "profile/textfields.h"
#include "profile/zehntel.h"
#include "settings/inifile.h"
#include "settings/settingskeys.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <limits>

namespace fendrimo {

namespace {

// The largest maximum a loaded rate can be raised to: the largest multiple
// of ten that a signed 32-bit integer holds.
constexpr qint64 kLargestMaximum = (std::numeric_limits<qint32>::max() / 10) * 10;

FileDialogRequest profileDialog(const QString& title, const QString& proposed)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = QStringLiteral("Basalraten-Dateien (*.bar)");
    request.defaultSuffix = QStringLiteral("bar");
    request.startFolder = IniFile(settingsFilePath())
                              .readString(settingskeys::einstellungen(),
                                          settingskeys::verzeichnis(), QStringLiteral("ERROR"));
    request.proposedFile = proposed;
    return request;
}

// The folder of a path, with its trailing separator: /home/a/profil.bar gives /home/a/.
QString folderOf(const QString& path)
{
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void rememberFolder(const QString& path)
{
    IniFile(settingsFilePath())
        .writeString(settingskeys::einstellungen(), settingskeys::verzeichnis(), folderOf(path));
}

// On screen a line break is one character; in the file it is CR LF.
QString notesForFile(const QString& shown)
{
    QString stored = shown;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return stored;
}

QString notesForScreen(const QString& stored)
{
    QString shown = stored;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

qint32 highestRate(const Profilsatz& record)
{
    qint32 highest = record.rate(0);
    for (int h = 1; h < Profilsatz::Hours; ++h)
        highest = std::max(highest, record.rate(h));
    return highest;
}

} // namespace

void TForm1::Basalratespeichern1Click()
{
    for (int h = 0; h < Hours; ++h)
        Profilsatz.setRate(h, rate(h + 1));
    Profilsatz.setDatum(EditDatum->text());
    Profilsatz.setBolus(1, EditBolus1->text());
    Profilsatz.setBolus(4, EditBolus4->text());
    Profilsatz.setBolus(7, EditBolus7->text());
    Profilsatz.setNotizen(notesForFile(MemoNotizen->text()));

    FileDialogRequest request =
        profileDialog(QStringLiteral("Basalrate speichern"), SaveDialog1FileName);
    request.confirmOverwrite = true;
    const std::optional<QString> chosen = platform().saveFileName(this, request);
    if (!chosen)
        return;
    const QString path = *chosen;
    SaveDialog1FileName = path;

    const FileResult written = writeProfileFile(path, Profilsatz);
    if (!written.ok())
        throw Failure(fileErrorText(written.code));

    platform().message(this, MessageType::Information,
                       QStringLiteral("Basalrate erfolgreich gespeichert!"), MessageButton::Ok);
    DatenGespeichert = true;
    setWindowTitle(QStringLiteral("Fendrimo - ") + path);
    rememberFolder(path);
}

void TForm1::Basalrateladen1Click()
{
    if (!DatenGespeichert) {
        const MessageResult answer = platform().message(
            this, MessageType::Warnung,
            QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen und neue Werte "
                           "laden?"),
            MessageButton::Ja | MessageButton::Nein);
        // Only an explicit yes discards the profile on screen.
        if (answer != MessageResult::Ja)
            return;
    }

    FileDialogRequest request =
        profileDialog(QStringLiteral("Basalrate laden"), OpenDialog1FileName);
    request.fileMustExist = true;
    const std::optional<QString> chosen = platform().openFileName(this, request);
    if (!chosen)
        return;
    OpenDialog1FileName = *chosen;
    loadFile(*chosen);
}

void TForm1::loadFile(const QString& path)
{
    // Read into a copy first: a file that fails to load leaves the record as it was.
    fendrimo::Profilsatz loaded = Profilsatz;
    const FileResult read = readProfileFile(path, loaded);
    // A rate whose next multiple of ten no longer fits 32 bits can't become a maximum.
    if (!read.ok() || highestRate(loaded) > kLargestMaximum) {
        platform().exclamation();
        platform().message(this, MessageType::Fehler,
                           QStringLiteral("Fehler beim Laden der Datei ") + path +
                               QStringLiteral(" ! Möglicherweise ist die Datei beschädigt oder "
                                              "nicht vorhanden!"),
                           MessageButton::Ok);
        return;
    }
    Profilsatz = loaded;

    const qint32 highest = highestRate(Profilsatz);
    if (highest > Maximum) {
        const qint32 raised = qint32((qint64(highest) + 9) / 10 * 10);
        // Store first: if the settings can't be written, nothing has changed yet.
        IniFile(settingsFilePath())
            .writeInteger(settingskeys::einstellungen(), settingskeys::maximum(), raised);
        Maximum = raised;
        setMaximumLabel();
        for (int n = 1; n <= Hours; ++n)
            ScrollBar(n)->setMaximum(Maximum);
        platform().message(
            this, MessageType::Information,
            QStringLiteral("Max. Basalrateneingabe war kleiner als mind. eine der Stundenraten "
                           "der zu ladenden Basalrate. Das Maximum wurde automatisch auf den für "
                           "die Rate nötigen Wert ") +
                ZehntelText(Maximum) + QStringLiteral(" IE/h heraufgesetzt. ") +
                QStringLiteral("Die höchste vorkommende Rate ist ") + ZehntelText(highest) +
                QStringLiteral(" IE/h."),
            MessageButton::Ok);
    }

    for (int h = 0; h < Hours; ++h) {
        // A negative stored rate stands at the bottom: rate 0.
        const qint64 position = qint64(Maximum) - Profilsatz.rate(h);
        ScrollBar(h + 1)->setValue(int(std::clamp<qint64>(position, 0, Maximum)));
    }
    setFieldText(EditBolus1, Profilsatz.bolus(1));
    setFieldText(EditBolus4, Profilsatz.bolus(4));
    setFieldText(EditBolus7, Profilsatz.bolus(7));
    MemoNotizen->setTextIfChanged(notesForScreen(Profilsatz.notizen()));
    for (int n = 1; n <= Hours; ++n)
        setFieldText(Edit(n), ZehntelText(rate(n)));
    ButtonSummeClick();
    setWindowTitle(QStringLiteral("Fendrimo - ") + path);
    CheckBox1->setChecked(false);
    setFieldText(EditDatum, Profilsatz.datum());
    // Last: the field changes above have marked the profile unsaved.
    DatenGespeichert = true;
    rememberFolder(path);
}

} // namespace fendrimo
