// Wiring of the controls to the handlers, and the events the window filters:
// mouse releases on sliders, double clicks, the bolus key filter, the
// profile's undo keys in text fields, and dropped files.

#include "app/tform1.h"

#include "app/clockticker.h"
#include "app/fieldmenu.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace fendrimo {

namespace {

bool isUndoOrRedoKey(const QKeyEvent* key)
{
    const QKeyCombination pressed = key->keyCombination();
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

bool isDragEvent(QEvent::Type type)
{
    return type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
}

} // namespace

void TForm1::connectHandlers()
{
    for (int n = 1; n <= Hours; ++n) {
        QScrollBar* slider = ScrollBar(n);
        // The scroll handler runs for every user action, before the slider
        // takes its (already clamped) new position; also when it stays put.
        connect(slider, &QScrollBar::actionTriggered, this, [this, n, slider](int) {
            guarded([&] { ScrollBarScroll(n, slider->sliderPosition()); });
        });
        connect(slider, &QScrollBar::valueChanged, this,
                [this] { guarded([this] { ButtonSummeClick(); }); });
        // A drag of the thumb, from press to release, is one step of its own.
        connect(slider, &QScrollBar::sliderPressed, this, [this] { m_history.breakMerging(); });
        connect(slider, &QScrollBar::sliderReleased, this, [this] { m_history.breakMerging(); });
        slider->installEventFilter(this);
    }
    connect(ButtonSumme, &QPushButton::clicked, this,
            [this] { guarded([this] { ButtonSummeClick(); }); });
    CheckBox1->installEventFilter(this);
    connect(CheckBox1, &QCheckBox::toggled, this, [this](bool linked) {
        if (m_showingProfile)
            return;
        // Not a step of its own: an undo puts the box back with the step it undoes.
        m_history.breakMerging();
        m_profile.setLinkedDragging(linked);
    });
    connectFields();
    for (QLabel* picture : {Image1, Label32})
        picture->installEventFilter(this);
    connect(Timer, &ClockTicker::tick, this, [this] { guarded([this] { TimerTimer(); }); });

    const auto bind = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            // A menu command ends every run of merged steps.
            m_history.breakMerging();
            guarded([this, handler] { (this->*handler)(); });
        });
    };
    bind(Neu1, &TForm1::Neu1Click);
    bind(Basalrateladen1, &TForm1::Basalrateladen1Click);
    bind(Basalratespeichern1, &TForm1::Basalratespeichern1Click);
    bind(BasalrateDrucken1, &TForm1::DruckenClick);
    bind(Verlauf1, &TForm1::VerlaufClick);
    bind(Beenden1, &TForm1::Beenden1Click);
    bind(Rueckgaengig1, &TForm1::RueckgaengigClick);
    bind(Wiederholen1, &TForm1::WiederholenClick);
    bind(RatenProzent1, &TForm1::RatenProzentClick);
    bind(Verschieben1, &TForm1::VerschiebenClick);
    bind(Vergleichen1, &TForm1::VergleichenClick);
    bind(VergleichGespeichert1, &TForm1::VergleichGespeichertClick);
    bind(VergleichBeenden1, &TForm1::VergleichBeendenClick);
    bind(Einstellungen, &TForm1::EinstellungenClick);
    bind(HilfezurFendrimo1, &TForm1::HilfezurFendrimo1Click);
    bind(Programminfos1, &TForm1::Programminfos1Click);
    const QUndoStack* stack = &m_history.stack();
    connect(stack, &QUndoStack::canUndoChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::canRedoChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::undoTextChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::redoTextChanged, this, [this] { showHistory(); });
    connect(&m_profile, &BasalProfile::changed, this, [this] { showProfile(); });
}

void TForm1::connectFields()
{
    const std::array<QLineEdit*, 3> boluses{EditBolus1, EditBolus4, EditBolus7};
    for (int i = 0; i < int(boluses.size()); ++i) {
        connect(boluses.at(size_t(i)), &QLineEdit::textChanged, this,
                [this, i] { guarded([this, i] { EditBolusChange(i); }); });
    }
    connect(EditDatum, &QLineEdit::textChanged, this,
            [this] { guarded([this] { EditDatumChange(); }); });
    connect(MemoNotizen, &QPlainTextEdit::textChanged, this,
            [this] { guarded([this] { MemoNotizenChange(); }); });
    QList<QWidget*> fields{EditBolus1, EditBolus4, EditBolus7, EditDatum, MemoNotizen};
    for (QWidget* field : std::as_const(fields)) {
        field->installEventFilter(this);
        offerOnlyProfileUndo(field);
    }
    // A text field's drag events reach its viewport, not the field.
    MemoNotizen->viewport()->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn)
        m_history.breakMerging(); // another control: the next step is a step of its own
    if (filterFieldEvent(watched, event) || filterPointerEvent(watched, event))
        return true;
    if (isDragEvent(type) && watched != this) {
        // A file dragged over a text field is the window's to take or refuse,
        // never text for the field.
        const auto* drag = static_cast<QDropEvent*>(event);
        if (drag->mimeData()->hasUrls()) {
            if (type == QEvent::Drop)
                dropEvent(static_cast<QDropEvent*>(event));
            else
                dragMoveEvent(static_cast<QDragMoveEvent*>(event));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::filterFieldEvent(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride && isUndoOrRedoKey(static_cast<QKeyEvent*>(event))) {
        // The profile's history takes these keys, whichever field has the focus.
        event->ignore();
        return true;
    }
    if (type == QEvent::KeyPress &&
        (watched == EditBolus1 || watched == EditBolus4 || watched == EditBolus7)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Only typed characters are filtered. Tab moves on as in any dialog; Delete is an editing
        // key, though X11 sends it with the text DEL.
        const bool editingKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                                key->key() == Qt::Key_Delete;
        if (!text.isEmpty() && !editingKey) {
            bool passes = true;
            guarded([&] { passes = EditBolusKeyPress(text.at(0)); });
            if (!passes)
                return true;
        }
    }
    return false;
}

bool TForm1::filterPointerEvent(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int n = 1; n <= Hours; ++n) {
            // Every mouse action on a slider ends with an end-of-scroll action
            // at the position it has reached.
            if (watched == ScrollBar(n) &&
                (mouse->button() == Qt::LeftButton || mouse->button() == Qt::MiddleButton)) {
                guarded([&] { ScrollBarScroll(n, ScrollBar(n)->value()); });
            }
        }
        if (watched == CheckBox1)
            guarded([this] { CheckBox1MouseUp(); });
        if ((watched == Image1 || watched == Label32) && mouse->button() == Qt::LeftButton)
            guarded([this] { Programminfos1Click(); });
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == EditDatum) {
            guarded([this] { EditDatumDblClick(); });
            return true;
        }
        if (watched == Image1 || watched == Label32) {
            guarded([this] { Programminfos1Click(); });
            return true;
        }
    }
    return false;
}

} // namespace fendrimo
