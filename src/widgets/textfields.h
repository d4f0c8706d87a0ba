#pragma once

#include "files/profilsatz.h"

#include <QPlainTextEdit>
#include <QValidator>

namespace fendrimo {

// The characters a bolus field takes when typed: backspace, blank, "," "."
// and the digits. Everything else, control characters included, is dropped.
bool bolusKeyAllowed(QChar key);

// Refuses text that a profile file can't hold, so what is on screen is what
// will be saved.
class Cp1252Validator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Length of notes text as the profile file counts it: a line break is CR LF.
int storedLength(const QString& text);

// The notes field: several lines, at most 255 characters with a line break
// counting two, and only characters a profile file can hold. Typed text that
// would not fit is refused; pasted text is cut to what fits.
class NotesEdit final : public QPlainTextEdit
{
public:
    static constexpr int MaxLength = Profilsatz::TextCapacity;

    explicit NotesEdit(QWidget* parent = nullptr);

    // The text exactly as typed, line breaks as '\n'. Unlike toPlainText(),
    // a no-break space stays a no-break space, so what is saved is what is shown.
    QString text() const;

    // Replaces the text without a change notification when it is the same.
    void setTextIfChanged(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Room left for new text when the selection is replaced by it.
    int roomForInsertion() const;
    // Drops what the file can't hold and cuts to the room left.
    QString fitting(QString text) const;
};

} // namespace fendrimo
