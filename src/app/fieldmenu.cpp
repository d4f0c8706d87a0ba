#include "app/fieldmenu.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace fendrimo {

QMenu* fieldContextMenu(QWidget* field)
{
    QMenu* menu = nullptr;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        menu = line->createStandardContextMenu();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(field))
        menu = text->createStandardContextMenu();
    if (!menu)
        return nullptr;
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < int(actions.size()); ++i) {
        QAction* action = actions.at(i);
        const QString name = action->objectName();
        if (name != QLatin1String("edit-undo") && name != QLatin1String("edit-redo"))
            continue;
        menu->removeAction(action);
        // The separator that closed the undo group goes with it.
        const bool separatorNext = i + 1 < int(actions.size()) && actions.at(i + 1)->isSeparator();
        if (name == QLatin1String("edit-redo") && separatorNext)
            menu->removeAction(actions.at(i + 1));
    }
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
