#include "app/fieldmenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace fendrimo {

namespace {

// A line edit's menu names none of its actions; the undo and redo entries are
// known by the keys they show after the tab.
bool isUndoOrRedo(const QAction* action)
{
    const QString name = action->objectName();
    if (name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo"))
        return true;
    const QString hint = action->text().section(QLatin1Char('\t'), 1);
    if (hint.isEmpty())
        return false;
    for (const auto which : {QKeySequence::Undo, QKeySequence::Redo}) {
        const QList<QKeySequence> keys = QKeySequence::keyBindings(which);
        for (const QKeySequence& key : keys) {
            if (key.toString(QKeySequence::NativeText) == hint)
                return true;
        }
    }
    return false;
}

} // namespace

QMenu* fieldContextMenu(QWidget* field)
{
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        menu = line->createStandardContextMenu();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        menu = text->createStandardContextMenu();
    if (!menu)
        return nullptr;
    bool removed = false;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (isUndoOrRedo(action)) {
            menu->removeAction(action);
            removed = true;
        }
    }
    // The separator that closed the undo group goes with it.
    const QList<QAction*> left = menu->actions();
    if (removed && !left.isEmpty() && left.first()->isSeparator())
        menu->removeAction(left.first());
    return menu;
}

void offerOnlyProfileUndo(QWidget* field)
{
    // A scroll area reports the menu's place in its viewport's coordinates.
    QWidget* origin = field;
    if (auto* text = qobject_cast<QPlainTextEdit*>(field)) {
        text->setUndoRedoEnabled(false);
        origin = text->viewport();
    }
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QWidget::customContextMenuRequested, field,
                     [field, origin](const QPoint& at) {
                         QMenu* menu = fieldContextMenu(field);
                         if (!menu)
                             return;
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(origin->mapToGlobal(at));
                     });
}

} // namespace fendrimo
