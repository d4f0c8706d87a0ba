#include "printing/shownlines.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace fendrimo {

namespace {

// A soft line break ends its row on screen but is no character on paper.
QString withoutBreaks(QString text)
{
    text.remove(QChar::LineSeparator);
    text.remove(QChar::ParagraphSeparator);
    return text;
}

} // namespace

QStringList shownLines(const QPlainTextEdit& edit)
{
    QStringList lines;
    const QTextDocument* document = edit.document();
    const auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        // The field lays out only what it has had to show so far.
        if (layout)
            layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* rows = block.layout();
        if (!rows || rows->lineCount() == 0) {
            lines.append(withoutBreaks(text));
            continue;
        }
        for (int i = 0; i < rows->lineCount(); ++i) {
            const QTextLine row = rows->lineAt(i);
            lines.append(withoutBreaks(text.mid(row.textStart(), row.textLength())));
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace fendrimo
