// Wiring of the controls to the handlers, and the events the window filters:
// mouse releases on sliders, double clicks, the bolus key filter, the
// profile's undo keys in text fields, and dropped profile and glucose files.

#include "app/tform1.h"

#include "app/clockticker.h"
#include "app/fieldmenu.h"
#include "widgets/textfields.h"

#include <QAction>
#include <QCheckBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

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

void TForm1::connectControls()
{
    for (int n = 1; n <= Hours; ++n) {
        QScrollBar* slider = m_ui.sliders.at(size_t(n - 1));
        // The scroll handler runs for every user action, before the slider
        // takes its (already clamped) new position; also when it stays put.
        connect(slider, &QScrollBar::actionTriggered, this, [this, n, slider](int) {
            guarded([&] { ScrollBarScroll(n, slider->sliderPosition()); });
        });
        connect(slider, &QScrollBar::valueChanged, this,
                [this] { guarded([this] { ButtonSummeClick(); }); });
        // A drag of the thumb, from press to release, is one step of its own.
        connect(slider, &QScrollBar::sliderPressed, this, [this] { m_document.breakMerging(); });
        connect(slider, &QScrollBar::sliderReleased, this, [this] { m_document.breakMerging(); });
        slider->installEventFilter(this);
    }
    connect(m_ui.ButtonSumme, &QPushButton::clicked, this,
            [this] { m_commands.run([this] { ButtonSummeClick(); }); });
    m_ui.CheckBox1->installEventFilter(this);
    connect(m_ui.CheckBox1, &QCheckBox::toggled, this, [this](bool linked) {
        if (!m_showingProfile)
            m_document.setLinkedDragging(linked);
    });
    for (int i = 0; i < Form1Ui::Boluses; ++i) {
        connect(m_ui.boluses.at(size_t(i)), &QLineEdit::textChanged, this,
                [this, i] { guarded([this, i] { EditBolusChange(i); }); });
    }
    connect(m_ui.EditDatum, &QLineEdit::textChanged, this,
            [this] { guarded([this] { EditDatumChange(); }); });
    connect(m_ui.MemoNotizen, &QPlainTextEdit::textChanged, this,
            [this] { guarded([this] { MemoNotizenChange(); }); });
    for (QWidget* field : m_ui.textFields()) {
        field->installEventFilter(this);
        offerOnlyProfileUndo(field);
    }
    // A text field's drag events reach its viewport, not the field.
    m_ui.MemoNotizen->viewport()->installEventFilter(this);
    for (QLabel* picture : m_ui.pictures)
        picture->installEventFilter(this);
    connect(m_ui.Timer, &ClockTicker::tick, this, [this] { guarded([this] { TimerTimer(); }); });
}

void TForm1::connectDocument()
{
    connect(&m_document, &ProfileDocument::contentChanged, this, [this] {
        showProfile();
        updateActions();
    });
    connect(&m_document, &ProfileDocument::savedChanged, this,
            [this](bool saved) { showSaved(saved); });
    connect(&m_document, &ProfileDocument::referenceChanged, this, [this] {
        showReference();
        updateActions();
    });
    connect(&m_document, &ProfileDocument::currentFileChanged, this, [this] { updateActions(); });
    const QUndoStack* stack = &history();
    connect(stack, &QUndoStack::canUndoChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::canRedoChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::undoTextChanged, this, [this] { showHistory(); });
    connect(stack, &QUndoStack::redoTextChanged, this, [this] { showHistory(); });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn)
        m_document.breakMerging(); // another control: the next step is a step of its own
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
        std::find(m_ui.boluses.begin(), m_ui.boluses.end(), watched) != m_ui.boluses.end()) {
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
    const auto isPicture = [this](QObject* object) {
        return object == m_ui.pictures[0] || object == m_ui.pictures[1];
    };
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (int n = 1; n <= Hours; ++n) {
            // Every mouse action on a slider ends with an end-of-scroll action
            // at the position it has reached.
            QScrollBar* slider = m_ui.sliders.at(size_t(n - 1));
            if (watched == slider &&
                (mouse->button() == Qt::LeftButton || mouse->button() == Qt::MiddleButton)) {
                guarded([&] { ScrollBarScroll(n, slider->value()); });
            }
        }
        if (watched == m_ui.CheckBox1)
            guarded([this] { CheckBox1MouseUp(); });
        if (isPicture(watched) && mouse->button() == Qt::LeftButton)
            guarded([this] { Programminfos1Click(); });
    } else if (type == QEvent::MouseButtonDblClick) {
        if (watched == m_ui.EditDatum) {
            guarded([this] { EditDatumDblClick(); });
            return true;
        }
        if (isPicture(watched)) {
            guarded([this] { Programminfos1Click(); });
            return true;
        }
    }
    return false;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (!FilesPart::droppedProfile(data).isEmpty() || !GlucosePart::droppedGlucose(data).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString profile = FilesPart::droppedProfile(event->mimeData());
    const QString glucose = GlucosePart::droppedGlucose(event->mimeData());
    if (profile.isEmpty() && glucose.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The question and the loading come after the drop has completed, so the
    // drag never waits on a modal box.
    QTimer::singleShot(0, this, [this, profile, glucose] {
        m_commands.run([this, profile, glucose] {
            if (!profile.isEmpty())
                m_files.openDropped(profile);
            else
                m_glucose.loadFile(glucose);
        });
    });
}

void TForm1::focusHour(int hour)
{
    RateSlider* slider = m_ui.sliders.at(size_t(hour));
    if (auto* area = qobject_cast<QScrollArea*>(centralWidget()))
        area->ensureWidgetVisible(slider);
    raise();
    activateWindow();
    slider->setFocus(Qt::OtherFocusReason);
}

} // namespace fendrimo
