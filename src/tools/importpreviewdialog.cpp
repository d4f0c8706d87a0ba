#include "tools/importpreviewdialog.h"

#include "platform/platform.h"
#include "profile/zehntel.h"
#include "tools/ratetooldialog.h"
#include "widgets/designscale.h"
#include "widgets/dialogbuttons.h"
#include "widgets/screenfit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace fendrimo {

namespace {

// The dialog's width in design pixels: a run with its mark fits on one line.
constexpr int kWidth = 520;
// The most lines each list shows before it scrolls: 24 changed hours and
// every notice still leave the dialog well under 500 pixels tall.
constexpr int kChangeLines = 12;
constexpr int kNoticeLines = 6;

QPlainTextEdit* makeList(QWidget* parent, const char* name, const QString& accessibleName,
                         const QStringList& lines, int mostLines)
{
    auto* list = new QPlainTextEdit(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setReadOnly(true);
    // Long lines wrap: a value out of sight would be a value unseen.
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setPlainText(lines.join(QLatin1Char('\n')));
    // One line spare for a wrapped one; more scroll.
    const int shown = std::clamp(int(lines.size()) + 1, 2, mostLines);
    const QMargins frame = list->contentsMargins();
    list->setFixedHeight(list->fontMetrics().lineSpacing() * shown +
                         2 * int(list->document()->documentMargin()) + frame.top() +
                         frame.bottom());
    return list;
}

} // namespace

ImportPreviewDialog::ImportPreviewDialog(QWidget* parent, const ImportPreview& preview,
                                         const QStringList& notices)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FormImport"));
    setWindowTitle(tr("Fendrimo - Import prüfen"));
    setMinimumWidth(DesignScale(designScreen(platform().screenSize()).width()).value(kWidth));
    TextAenderungen = makeList(
        this, "TextAenderungen", tr("Änderungen durch den Import"),
        preview.changes.isEmpty() ? QStringList{tr("Der Import ändert nichts.")} : preview.changes,
        kChangeLines);
    // The tools' words for the daily total.
    LabelSumme =
        new QLabel(RateToolDialog::tr("Tagessumme: %1 IE → %2 IE")
                       .arg(ZehntelText(preview.totalBefore), ZehntelText(preview.totalAfter)),
                   this);
    LabelSumme->setObjectName(QStringLiteral("LabelSumme"));
    LabelSumme->setAccessibleName(RateToolDialog::tr("Tagessumme vorher und nachher"));
    LabelSumme->setTextFormat(Qt::PlainText);
    TextHinweise =
        makeList(this, "TextHinweise", RateToolDialog::tr("Hinweise"), notices, kNoticeLines);
    TextHinweise->setVisible(!notices.isEmpty());
    auto* question = new QLabel(tr("Sollen die Werte so übernommen werden?"), this);
    question->setObjectName(QStringLiteral("LabelFrage"));

    Buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : {static_cast<QWidget*>(TextAenderungen),
                            static_cast<QWidget*>(LabelSumme), static_cast<QWidget*>(TextHinweise),
                            static_cast<QWidget*>(question), static_cast<QWidget*>(Buttons)})
        layout->addWidget(widget);
    fitToArea(this, sizeHint());
}

} // namespace fendrimo
