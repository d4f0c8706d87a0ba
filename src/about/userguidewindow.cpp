#include "about/userguidewindow.h"

#include "files/profilefile.h"
#include "platform/platform.h"
#include "widgets/screenfit.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace fendrimo {

namespace {

// Far above the guides (about 60 kB) and still quick to show.
constexpr qint64 kGuideLimit = qint64(4) << 20;
constexpr QSize kDesignSize(720, 560);

} // namespace

UserGuideWindow::UserGuideWindow(QWidget* owner, const QString& text) : QDialog(owner)
{
    setObjectName(QStringLiteral("FormHandbuch"));
    setWindowTitle(tr("Fendrimo - Benutzerhandbuch"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    describeControls();
    m_text->setPlainText(text);

    fitToArea(this, kDesignSize);

    connect(m_findNext, &QPushButton::clicked, this, [this] { findNext(); });
    connect(m_find, &QLineEdit::textChanged, m_notFound, &QLabel::hide);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    auto* focusFind = new QShortcut(QKeySequence::Find, this);
    connect(focusFind, &QShortcut::activated, this, [this] {
        m_find->setFocus(Qt::ShortcutFocusReason);
        m_find->selectAll();
    });
    m_find->setFocus();
}

void UserGuideWindow::buildControls()
{
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("TextHandbuch"));
    m_text->setReadOnly(true);
    // The guides are plain text laid out for a fixed-width font; a line
    // wider than a small screen wraps rather than needing a scroll bar.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    m_findLabel = new QLabel(tr("&Suchen:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("EditSuchen"));
    m_findLabel->setBuddy(m_find);
    // The default button: Enter in the find field finds the next hit.
    m_findNext = new QPushButton(tr("&Weitersuchen"), this);
    m_findNext->setObjectName(QStringLiteral("ButtonWeitersuchen"));
    m_findNext->setDefault(true);
    m_notFound = new QLabel(tr("Nicht gefunden"), this);
    m_notFound->setObjectName(QStringLiteral("LabelNichtGefunden"));
    m_notFound->hide();
    m_close = new QPushButton(tr("Schließen"), this);
    m_close->setObjectName(QStringLiteral("ButtonSchliessen"));
    m_close->setAutoDefault(false);

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(m_findLabel);
    findRow->addWidget(m_find, 1);
    findRow->addWidget(m_findNext);
    findRow->addWidget(m_notFound);
    findRow->addStretch();
    findRow->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(findRow);
}

void UserGuideWindow::describeControls()
{
    setAccessibleName(tr("Fendrimo - Benutzerhandbuch"));
    setAccessibleDescription(tr("Das Benutzerhandbuch zum Lesen und Durchsuchen"));
    m_text->setAccessibleName(tr("Benutzerhandbuch"));
    m_text->setAccessibleDescription(tr("Der Text des Benutzerhandbuchs"));
    m_find->setAccessibleName(tr("Suchen"));
    m_find->setAccessibleDescription(
        tr("Der gesuchte Text; Eingabe springt zur nächsten Fundstelle"));
    m_findNext->setAccessibleDescription(
        tr("Springt zur nächsten Fundstelle, nach der letzten wieder zur ersten"));
    m_notFound->setAccessibleDescription(tr("Der gesuchte Text kommt nicht vor"));
    m_close->setAccessibleDescription(tr("Schließt das Benutzerhandbuch"));
}

void UserGuideWindow::findNext()
{
    const QString wanted = m_find->text();
    if (wanted.isEmpty())
        return;
    const QTextCursor before = m_text->textCursor();
    bool found = m_text->find(wanted);
    if (!found) {
        QTextCursor top = before;
        top.movePosition(QTextCursor::Start);
        m_text->setTextCursor(top);
        found = m_text->find(wanted);
    }
    if (found)
        m_text->ensureCursorVisible();
    else
        m_text->setTextCursor(before);
    m_notFound->setVisible(!found);
}

void openUserGuide(QWidget* owner, const QString& path)
{
    // One window: a closed one may still await its deletion.
    if (auto* open = owner->findChild<UserGuideWindow*>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const FileStart read = readFileStart(path, kGuideLimit);
    const QByteArray& bytes = read.data;
    if (!read.ok() || bytes.isEmpty()) {
        const QString cause =
            read.ok() ? UserGuideWindow::tr("Die Datei ist leer") : fileErrorText(read.result.code);
        platform().message(owner, MessageType::Fehler,
                           UserGuideWindow::tr("Das Benutzerhandbuch %1 kann nicht gelesen "
                                               "werden: %2")
                               .arg(path, cause),
                           MessageButton::Ok);
        return;
    }
    auto* window = new UserGuideWindow(owner, QString::fromUtf8(bytes));
    window->show();
}

} // namespace fendrimo
