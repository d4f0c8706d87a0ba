#pragma once

#include <QDateTime>
#include <QFlags>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace fendrimo {

// The services of the desktop that the program uses, behind one interface so
// that tests can answer every message box and dialog from a script.

enum class MessageType { Warnung, Fehler, Information, Bestaetigen };

enum class MessageButton { Ok = 0x1, Abbrechen = 0x2, Ja = 0x4, Nein = 0x8 };
Q_DECLARE_FLAGS(MessageButtons, MessageButton)

// How a message box ended. Closed: by the title bar's close button, which is
// neither a yes nor a no; handlers treat everything but Ja as a refusal.
enum class MessageResult { Ok, Abbrechen, Ja, Nein, Closed };

struct FileDialogRequest
{
    QString title;
    QString filter;        // "Basalraten-Dateien (*.bar)"
    QString defaultSuffix; // appended to a name typed without one
    QString startFolder;   // used only when it names an existing folder
    QString proposedFile;  // full path proposed in the name field
    bool confirmOverwrite = false;
    bool fileMustExist = false;
};

// A choice of one item from a list, as in "which profile of this file?".
struct ChoiceRequest
{
    QString title;
    QString label;
    QStringList items;
    int preselected = 0;
    QStringList toolTips; // per item, the whole name where the item is shortened
};

// The printer that prints: the one last chosen in the printer setup, else the
// system's default printer, else the first one installed, else a PDF printer
// that writes a file. The platform keeps it, with its settings, for the run.
struct ActivePrinter
{
    QPrinter* printer = nullptr; // nullptr: no output can be had at all
    QString name;                // its entry in the list of printers
    bool toFile = false;         // PDF output: the page needs a file name first
};

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal message box centred on the screen: the type gives caption and icon.
    virtual MessageResult message(QWidget* parent, MessageType type, const QString& text,
                                  MessageButtons buttons) = 0;
    // The box for a failure no handler caught: caption "Fendrimo", stop icon, "OK".
    virtual void failure(QWidget* parent, const QString& text) = 0;

    virtual void beep() = 0;        // the default sound of a plain message
    virtual void exclamation() = 0; // the warning sound

    virtual QSize screenSize() const = 0;
    // The part of the screen a window may cover: the screen less its panels
    // and task bars.
    virtual QRect availableArea() const = 0;
    virtual QDateTime now() const = 0;

    // Empty when the user cancels.
    virtual std::optional<QString> saveFileName(QWidget* parent,
                                                const FileDialogRequest& request) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent,
                                                const FileDialogRequest& request) = 0;

    // The index of the item chosen; empty when the user cancels.
    virtual std::optional<int> chooseItem(QWidget* parent, const ChoiceRequest& request) = 0;

    virtual ActivePrinter activePrinter() = 0;
    // The printer setup dialog, modal, on the active printer; it may choose
    // another printer or change its settings. True when confirmed.
    virtual bool printerSetup(QWidget* parent) = 0;
};

// The platform in force: the real one unless a test has put another in place.
Platform& platform();
// Takes no ownership; nullptr restores the real platform.
void setPlatform(Platform* replacement);

// Texts of the message box parts, as the user sees them.
QString messageCaption(MessageType type);
QString buttonText(MessageButton button);

} // namespace fendrimo

Q_DECLARE_OPERATORS_FOR_FLAGS(fendrimo::MessageButtons)
