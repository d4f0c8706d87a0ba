#include "widgets/textfields.h"

#include "files/cp1252.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace fendrimo {

bool bolusKeyAllowed(QChar key)
{
    const char16_t ch = key.unicode();
    return ch == 8 || ch == u' ' || ch == u',' || ch == u'.' || (ch >= u'0' && ch <= u'9');
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    return fitsCp1252(input) ? Acceptable : Invalid;
}

int storedLength(const QString& text)
{
    return int(text.size() + text.count(QLatin1Char('\n')));
}

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

QString NotesEdit::text() const
{
    QString raw = document()->toRawText();
    for (QChar& ch : raw) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
            ch = QLatin1Char('\n');
    }
    return raw;
}

void NotesEdit::setTextIfChanged(const QString& text)
{
    if (this->text() != text)
        setPlainText(text);
}

int NotesEdit::roomForInsertion() const
{
    const QString selected = textCursor().selection().toPlainText();
    return MaxLength - storedLength(text()) + storedLength(selected);
}

QString NotesEdit::fitting(QString text) const
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    QString kept;
    int room = roomForInsertion();
    for (const QChar ch : std::as_const(text)) {
        if (ch != QLatin1Char('\n') && (!fitsCp1252(ch) || ch.category() == QChar::Other_Control))
            continue;
        const int cost = ch == QLatin1Char('\n') ? 2 : 1;
        if (cost > room)
            break;
        room -= cost;
        kept.append(ch);
    }
    return kept;
}

void NotesEdit::keyPressEvent(QKeyEvent* event)
{
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = QStringLiteral("\n");
    // Control characters (backspace, shortcuts) are Qt's to handle; anything
    // else would be inserted and must fit the file.
    const bool control = typed.size() == 1 && typed.at(0) != QLatin1Char('\n') &&
                         typed.at(0).category() == QChar::Other_Control;
    const bool inserts = !typed.isEmpty() && !control;
    if (inserts && !event->matches(QKeySequence::Paste)) {
        const QString accepted = fitting(typed);
        if (accepted.size() != typed.size()) {
            event->accept(); // refused: too long or not storable
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void NotesEdit::inputMethodEvent(QInputMethodEvent* event)
{
    const QString commit = event->commitString();
    if (!commit.isEmpty() && fitting(commit).size() != commit.size()) {
        QInputMethodEvent refused(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&refused);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

bool NotesEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText();
}

void NotesEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    const QString text = fitting(source->text());
    if (!text.isEmpty())
        insertPlainText(text);
}

} // namespace fendrimo
