// A seeded monkey on the real main window: random user actions of every kind
// (slider keys, clicks, drags and the wheel, the check box, typing and pasting
// into every field, "Neu", "Speichern", "Laden", "Einstellungen", closing),
// and after each one the checks a user relies on.
//
// Replay or lengthen a run: FENDRIMO_MONKEY_SEED (first seed),
// FENDRIMO_MONKEY_SEEDS (how many seeds), FENDRIMO_MONKEY_STEPS (per seed).

#include "files/cp1252.h"
#include "files/profilsatz.h"
#include "options/optionsdialog.h"
#include "support/mainwindowfixture.h"
#include "support/modalrun.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <QtTest>
#include <QWheelEvent>

#include <array>
#include <optional>
#include <random>

using namespace fendrimo;
using namespace fendrimo::testing;

namespace {

int envNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// What a user sees of the profile.
struct Screen
{
    QList<int> positions;
    QStringList fields;
    QString total;
    QString maxLabel;
    qint32 maximum = 0;
    QString datum;
    QString notes;
    QStringList bolus;

    bool operator==(const Screen& o) const
    {
        return positions == o.positions && fields == o.fields && total == o.total &&
               maxLabel == o.maxLabel && maximum == o.maximum && datum == o.datum &&
               notes == o.notes && bolus == o.bolus;
    }
    bool operator!=(const Screen& o) const { return !(*this == o); }
};

Screen screenOf(const Form1UnderTest& w)
{
    Screen s;
    for (int n = 1; n <= 24; ++n) {
        s.positions << w.ScrollBar(n)->value();
        s.fields << w.Edit(n)->text();
    }
    s.total = w.LabelSumme->text();
    s.maxLabel = w.LabelMax->text();
    s.maximum = w.Maximum();
    s.datum = w.EditDatum->text();
    s.notes = w.MemoNotizen->text();
    s.bolus = QStringList{w.EditBolus1->text(), w.EditBolus4->text(), w.EditBolus7->text()};
    return s;
}

QString describe(const Screen& s)
{
    QStringList positions;
    for (int p : s.positions)
        positions << QString::number(p);
    return QStringLiteral("max %1 positions [%2] total %3 datum \"%4\" bolus [%5] notes %6 chars")
        .arg(s.maximum)
        .arg(positions.join(u' '), s.total, s.datum, s.bolus.join(u'|'))
        .arg(s.notes.size());
}

// Characters offered to the keyboard: storable ones and ones a profile file
// can't hold (those must always be refused).
const QString storableChars = QStringLiteral("0123456789,. abcxyzABCXYZ-+/:;äöüßÄ€µ§\"'\u00A0");
const QStringList unstorableTexts{QStringLiteral("日"), QStringLiteral("Ω"), QStringLiteral("☃"),
                                  QStringLiteral("🙂"), QStringLiteral("ł")};

// Where two texts part, as code points: for failure reports.
QString firstDifference(const QString& shown, const QString& expected)
{
    qsizetype i = 0;
    while (i < shown.size() && i < expected.size() && shown.at(i) == expected.at(i))
        ++i;
    const auto code = [](const QString& text, qsizetype at) {
        return at < text.size()
                   ? QStringLiteral("U+%1").arg(text.at(at).unicode(), 4, 16, QLatin1Char('0'))
                   : QStringLiteral("end");
    };
    return QStringLiteral("at %1 of %2/%3: shown %4, expected %5")
        .arg(i)
        .arg(shown.size())
        .arg(expected.size())
        .arg(code(shown, i), code(expected, i));
}

// Clicks a radio item where it takes clicks: on its circle and caption.
void clickRadio(QRadioButton* item)
{
    QStyleOptionButton option;
    option.initFrom(item);
    option.text = item->text();
    const QRect area =
        item->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, item);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, area.center());
}

#define MONKEY_CHECK(condition, detail)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            return QStringLiteral("%1: %2").arg(QLatin1String(#condition), detail);                \
    } while (false)

class Monkey
{
public:
    Monkey(MainWindowFixture& fixture, quint32 seed, const QString& folder)
        : f(fixture), w(fixture.w()), m_random(seed), m_folder(folder)
    {
        m_saved = w.DatenGespeichert();
    }

    // One random action with its own checks, then the common ones. Empty
    // when everything held.
    QString step();
    QStringList recent; // the last actions, for a failure report

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    void note(const QString& action)
    {
        recent << action;
        if (recent.size() > 25)
            recent.removeFirst();
    }
    QString randomText(int maxLength, bool storableOnly, bool lineBreaks);
    QString nextPath(const QString& stem)
    {
        return m_folder + QStringLiteral("/%1%2.bar").arg(stem).arg(++m_files);
    }

    QString sliderKey();
    QString sliderClick();
    QString thumbDrag();
    QString wheel();
    QString checkBox();
    QString typeBolus();
    QString typeDatum();
    QString typeNotes();
    QString neu();
    QString save();
    QString load();
    QString options();
    QString closeRefused();

    QString checkSliderAction(const Screen& before, int n, bool linked, std::optional<int> position,
                              std::optional<bool> handlerRan);
    QString checkTyping(const Screen& before, bool savedBefore, bool changed, bool refused);
    QString checkReloadsSame(const QString& path);
    QString checkLoaded(const QByteArray& bytes, qint32 maximumBefore, int boxesBefore,
                        const QString& path);
    QString checkCommon();
    void answerIfAsked(MessageResult answer)
    {
        if (!w.DatenGespeichert())
            f.fake.answer(answer);
    }
    QString newBoxes(int since) const;

    MainWindowFixture& f;
    Form1UnderTest& w;
    std::mt19937 m_random;
    QString m_folder;
    QStringList m_savedFiles;
    int m_files = 0;
    bool m_saved = true;      // what DatenGespeichert must be, as far as the actions tell
    bool m_savedKnown = true; // false after an action that may or may not have changed things
};

QString Monkey::randomText(int maxLength, bool storableOnly, bool lineBreaks)
{
    QString text;
    const int length = pick(0, maxLength);
    for (int i = 0; i < length; ++i) {
        const int kind = pick(0, 9);
        if (kind == 0 && lineBreaks)
            text += chance(0.5) ? QStringLiteral("\n") : QStringLiteral("\r\n");
        else if (kind == 1 && !storableOnly)
            text += unstorableTexts.at(pick(0, int(unstorableTexts.size()) - 1));
        else
            text += storableChars.at(pick(0, int(storableChars.size()) - 1));
    }
    return text;
}

QString Monkey::newBoxes(int since) const
{
    QStringList texts;
    for (qsizetype i = since; i < f.fake.boxes.size(); ++i)
        texts << f.fake.boxes.at(i).caption + u':' + f.fake.boxes.at(i).text;
    return texts.join(QStringLiteral(" / "));
}

QString Monkey::step()
{
    struct Action
    {
        int weight;
        QString (Monkey::*run)();
        bool checksBoxes; // otherwise no message box may appear
    };
    static const std::array<Action, 13> actions{{
        {24, &Monkey::sliderKey, false},
        {14, &Monkey::sliderClick, false},
        {4, &Monkey::thumbDrag, false},
        {5, &Monkey::wheel, false},
        {4, &Monkey::checkBox, false},
        {12, &Monkey::typeBolus, false},
        {10, &Monkey::typeDatum, false},
        {10, &Monkey::typeNotes, false},
        {2, &Monkey::neu, true},
        {3, &Monkey::save, true},
        {3, &Monkey::load, true},
        {1, &Monkey::options, true},
        {1, &Monkey::closeRefused, true},
    }};
    int total = 0;
    for (const Action& action : actions)
        total += action.weight;
    int roll = pick(0, total - 1);
    for (const Action& action : actions) {
        roll -= action.weight;
        if (roll < 0) {
            const int boxesBefore = int(f.fake.boxes.size());
            QString failure = (this->*action.run)();
            if (failure.isEmpty() && !action.checksBoxes && f.fake.boxes.size() != boxesBefore)
                failure = QStringLiteral("an unexpected message: ") + newBoxes(boxesBefore);
            if (failure.isEmpty())
                failure = checkCommon();
            if (failure.isEmpty() && f.fake.pendingAnswers() != 0)
                failure = QStringLiteral("a scripted answer was not asked for");
            if (failure.isEmpty() && f.fake.unscriptedQuestions != 0)
                failure = QStringLiteral("an unexpected question: ") + newBoxes(boxesBefore);
            return failure;
        }
    }
    return QString();
}

// What must hold after every action.
QString Monkey::checkCommon()
{
    qint64 sum = 0;
    for (int n = 1; n <= 24; ++n) {
        const QScrollBar* slider = w.ScrollBar(n);
        MONKEY_CHECK(slider->minimum() == 0 && slider->maximum() == w.Maximum(),
                     QStringLiteral("slider %1 runs to %2").arg(n).arg(slider->maximum()));
        const qint64 rate = qint64(w.Maximum()) - slider->value();
        MONKEY_CHECK(w.Edit(n)->text() == ZehntelText(rate),
                     QStringLiteral("field %1 shows \"%2\" for rate %3")
                         .arg(n)
                         .arg(w.Edit(n)->text())
                         .arg(rate));
        sum += rate;
    }
    MONKEY_CHECK(w.LabelSumme->text() == ZehntelText(sum),
                 QStringLiteral("total \"%1\" for %2").arg(w.LabelSumme->text()).arg(sum));
    MONKEY_CHECK(w.LabelMax->text() == ZehntelText(w.Maximum()) + QStringLiteral(" IE/h"),
                 w.LabelMax->text());

    w.TimerTimer();
    const QString status = w.DatenGespeichert() ? QStringLiteral("Daten gespeichert: ja")
                                                : QStringLiteral("Daten gespeichert: nein");
    MONKEY_CHECK(w.LabelSaved->text() == status, w.LabelSaved->text());
    if (m_savedKnown)
        MONKEY_CHECK(w.DatenGespeichert() == m_saved,
                     QStringLiteral("DatenGespeichert is %1").arg(w.DatenGespeichert()));
    m_saved = w.DatenGespeichert();
    m_savedKnown = true;

    // Only what a profile file can hold is ever on screen.
    for (const QLineEdit* bolus : {w.EditBolus1, w.EditBolus4, w.EditBolus7})
        MONKEY_CHECK(bolus->text().size() <= 4 && fitsCp1252(bolus->text()), bolus->text());
    MONKEY_CHECK(w.EditDatum->text().size() <= 255 && fitsCp1252(w.EditDatum->text()),
                 w.EditDatum->text());
    const QString notes = w.MemoNotizen->text();
    MONKEY_CHECK(storedLength(notes) <= NotesEdit::MaxLength, QString::number(notes.size()));
    MONKEY_CHECK(fitsCp1252(notes), notes);
    return QString();
}

// After a user action on slider n: the hours before it never move; with
// linked dragging the hours after it stand where it stands once its handler
// has run, otherwise they stay.
QString Monkey::checkSliderAction(const Screen& before, int n, bool linked,
                                  std::optional<int> position, std::optional<bool> handlerRan)
{
    const int now = w.ScrollBar(n)->value();
    if (position)
        MONKEY_CHECK(now == *position,
                     QStringLiteral("slider %1 at %2, not %3").arg(n).arg(now).arg(*position));
    for (int k = 1; k < n; ++k)
        MONKEY_CHECK(w.ScrollBar(k)->value() == before.positions[k - 1],
                     QStringLiteral("slider %1 moved with slider %2").arg(k).arg(n));
    bool allFollow = true;
    bool allStay = true;
    for (int k = n + 1; k <= 24; ++k) {
        allFollow = allFollow && w.ScrollBar(k)->value() == now;
        allStay = allStay && w.ScrollBar(k)->value() == before.positions[k - 1];
    }
    if (!linked) {
        MONKEY_CHECK(allStay, QStringLiteral("unlinked followers of %1 moved").arg(n));
    } else if (handlerRan) {
        MONKEY_CHECK(*handlerRan ? allFollow : allStay,
                     QStringLiteral("followers of %1 don't match").arg(n));
    } else {
        MONKEY_CHECK(allFollow || allStay, QStringLiteral("followers of %1 split").arg(n));
    }
    if (handlerRan.value_or(now != before.positions[n - 1]))
        m_saved = false;
    else if (!handlerRan)
        m_savedKnown = false;
    return QString();
}

QString Monkey::sliderKey()
{
    static const std::array<Qt::Key, 6> keys{Qt::Key_Up,       Qt::Key_Down, Qt::Key_PageUp,
                                             Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
    const int n = pick(1, 24);
    const Qt::Key key = keys.at(size_t(pick(0, int(keys.size()) - 1)));
    const Screen before = screenOf(w);
    const bool linked = w.CheckBox1->isChecked();
    const int p = before.positions[n - 1];
    int expected = p;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        expected = qMax(0, p - 1);
        break;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        expected = qMin(w.Maximum(), p + 1);
        break;
    case Qt::Key_Home:
        expected = 0;
        break;
    default:
        expected = w.Maximum();
        break;
    }
    note(QStringLiteral("key %1 on slider %2").arg(QKeySequence(key).toString()).arg(n));
    w.ScrollBar(n)->setFocus();
    QTest::keyClick(w.ScrollBar(n), key);
    // Even a key at the end of the range is a scroll action.
    return checkSliderAction(before, n, linked, expected, true);
}

QString Monkey::sliderClick()
{
    static const std::array<QStyle::SubControl, 5> parts{
        QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubPage,
        QStyle::SC_ScrollBarAddPage, QStyle::SC_ScrollBarSlider};
    const int n = pick(1, 24);
    QScrollBar* slider = w.ScrollBar(n);
    const QStyle::SubControl part = parts.at(size_t(pick(0, int(parts.size()) - 1)));
    const QRect area = sliderPart(slider, part);
    if (area.width() < 1 || area.height() < 1)
        return sliderKey(); // that part has no room at this position
    const bool middle = chance(0.2);
    const Screen before = screenOf(w);
    const bool linked = w.CheckBox1->isChecked();
    const int p = before.positions[n - 1];
    std::optional<int> expected;
    if (!middle) {
        if (part == QStyle::SC_ScrollBarSubLine || part == QStyle::SC_ScrollBarSubPage)
            expected = qMax(0, p - 1);
        else if (part == QStyle::SC_ScrollBarAddLine || part == QStyle::SC_ScrollBarAddPage)
            expected = qMin(w.Maximum(), p + 1);
        else
            expected = p;
    }
    // A middle click jumps to the point clicked: anywhere in the part.
    const QPoint at = middle
                          ? QPoint(pick(area.left(), area.right()), pick(area.top(), area.bottom()))
                          : area.center();
    const Qt::MouseButton button = middle ? Qt::MiddleButton : Qt::LeftButton;
    note(QStringLiteral("%1 click on part %2 of slider %3 at %4,%5")
             .arg(middle ? "middle" : "left")
             .arg(int(part))
             .arg(n)
             .arg(at.x())
             .arg(at.y()));
    QTest::mousePress(slider, button, Qt::NoModifier, at);
    QTest::mouseRelease(slider, button, Qt::NoModifier, at);
    // Every left or middle click ends with an end-of-scroll action.
    return checkSliderAction(before, n, linked, expected, true);
}

QString Monkey::thumbDrag()
{
    const int n = pick(1, 24);
    QScrollBar* slider = w.ScrollBar(n);
    const QRect thumb = sliderPart(slider, QStyle::SC_ScrollBarSlider);
    const QRect groove = sliderPart(slider, QStyle::SC_ScrollBarGroove);
    const Screen before = screenOf(w);
    const bool linked = w.CheckBox1->isChecked();
    const QPoint start = thumb.center();
    note(QStringLiteral("drag slider %1 from %2").arg(n).arg(start.y()));
    sendMouse(slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    QPoint at = start;
    bool stepped = false;
    const int moves = pick(1, 6);
    for (int i = 0; i < moves; ++i) {
        at = QPoint(start.x(), start.y() + pick(-groove.height(), groove.height()));
        note(QStringLiteral("  move to %1").arg(at.y()));
        sendMouse(slider, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        stepped = stepped || slider->value() != before.positions[n - 1];
        // While the thumb is held, every step has already moved the followers.
        QString failure = checkSliderAction(before, n, linked, std::nullopt, stepped);
        if (failure.isEmpty())
            failure = checkCommon();
        if (!failure.isEmpty()) {
            sendMouse(slider, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
            return QStringLiteral("during the drag: ") + failure;
        }
    }
    sendMouse(slider, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    return checkSliderAction(before, n, linked, std::nullopt, true);
}

QString Monkey::wheel()
{
    const int n = pick(1, 24);
    QScrollBar* slider = w.ScrollBar(n);
    const Screen before = screenOf(w);
    const bool linked = w.CheckBox1->isChecked();
    static const std::array<int, 6> deltas{-240, -120, -40, 40, 120, 360};
    const int delta = deltas.at(size_t(pick(0, int(deltas.size()) - 1)));
    const QPoint at = slider->rect().center();
    note(QStringLiteral("wheel %1 on slider %2").arg(delta).arg(n));
    QWheelEvent event(QPointF(at), QPointF(slider->mapToGlobal(at)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &event);
    return checkSliderAction(before, n, linked, std::nullopt, std::nullopt);
}

QString Monkey::checkBox()
{
    const bool ticked = w.CheckBox1->isChecked();
    const int beeps = f.fake.beeps;
    const Screen before = screenOf(w);
    const int how = pick(0, 2);
    const QPoint at(8, w.CheckBox1->height() / 2);
    if (how == 0) {
        note(QStringLiteral("left click on the check box"));
        QTest::mouseClick(w.CheckBox1, Qt::LeftButton, Qt::NoModifier, at);
    } else if (how == 1) {
        note(QStringLiteral("right click on the check box"));
        QTest::mouseClick(w.CheckBox1, Qt::RightButton, Qt::NoModifier, at);
    } else {
        note(QStringLiteral("space on the check box"));
        w.CheckBox1->setFocus();
        QTest::keyClick(w.CheckBox1, Qt::Key_Space);
    }
    MONKEY_CHECK(w.CheckBox1->isChecked() == (how == 1 ? ticked : !ticked), QString());
    // Mouse clicks beep, the keyboard doesn't.
    MONKEY_CHECK(f.fake.beeps == beeps + (how == 2 ? 0 : 1), QString::number(f.fake.beeps));
    MONKEY_CHECK(screenOf(w) == before, describe(screenOf(w)));
    return QString();
}

// Typing: a refused key leaves the field and the saved state alone; a real
// change marks the profile unsaved.
QString Monkey::checkTyping(const Screen& before, bool savedBefore, bool changed, bool refused)
{
    if (refused) {
        MONKEY_CHECK(!changed, QStringLiteral("a refused key changed the field"));
        MONKEY_CHECK(w.DatenGespeichert() == savedBefore, QString());
    }
    if (changed)
        m_saved = false;
    else if (!refused)
        m_savedKnown = false; // an edit that ends with the same text may still count
    const Screen now = screenOf(w);
    MONKEY_CHECK(now.positions == before.positions && now.fields == before.fields,
                 QStringLiteral("typing moved a slider"));
    return QString();
}

QString Monkey::typeBolus()
{
    QLineEdit* fields[] = {w.EditBolus1, w.EditBolus4, w.EditBolus7};
    QLineEdit* field = fields[pick(0, 2)];
    const Screen before = screenOf(w);
    const bool savedBefore = w.DatenGespeichert();
    const QString old = field->text();
    field->setFocus();
    bool refused = false;
    const int kind = pick(0, 9);
    if (kind <= 3) {
        static const QString allowed = QStringLiteral("0123456789,. ");
        const QChar ch = allowed.at(pick(0, int(allowed.size()) - 1));
        note(QStringLiteral("type '%1' into %2").arg(ch).arg(field->objectName()));
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(ch.unicode()), QString(ch),
                            Qt::NoModifier);
    } else if (kind <= 5) {
        // Letters, signs and characters no profile file can hold: all refused.
        static const QString letters = QStringLiteral("aZx-+;ä€");
        const QString text = chance(0.5)
                                 ? QString(letters.at(pick(0, int(letters.size()) - 1)))
                                 : unstorableTexts.at(pick(0, int(unstorableTexts.size()) - 1));
        note(QStringLiteral("type refused '%1' into %2").arg(text, field->objectName()));
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
        refused = true;
    } else if (kind == 6) {
        note(QStringLiteral("backspace in %1").arg(field->objectName()));
        QTest::keyClick(field, Qt::Key_Backspace);
    } else if (kind == 7) {
        static const std::array<Qt::Key, 4> moves{Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                                                  Qt::Key_End};
        const Qt::Key key = moves.at(size_t(pick(0, 3)));
        note(QStringLiteral("cursor key %1 in %2")
                 .arg(QKeySequence(key).toString(), field->objectName()));
        QTest::keyClick(field, key);
        refused = true; // moves the cursor, changes nothing
    } else if (kind == 8) {
        // Ctrl+V goes through the key filter like any typed key: refused.
        QApplication::clipboard()->setText(QStringLiteral("12"));
        note(QStringLiteral("ctrl+v in %1").arg(field->objectName()));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        refused = true;
    } else {
        // "Einfügen" from the field's context menu passes no key filter; the
        // field takes what fits its length and refuses it whole if the file
        // can't hold it.
        const QString text = randomText(6, chance(0.5), false);
        const qsizetype room = field->maxLength() - old.size() + field->selectedText().size();
        QApplication::clipboard()->setText(text);
        note(QStringLiteral("paste \"%1\" into %2 from the context menu")
                 .arg(text, field->objectName()));
        field->paste();
        refused = !fitsCp1252(text.left(room));
    }
    return checkTyping(before, savedBefore, field->text() != old, refused);
}

QString Monkey::typeDatum()
{
    QLineEdit* field = w.EditDatum;
    const Screen before = screenOf(w);
    const bool savedBefore = w.DatenGespeichert();
    const QString old = field->text();
    field->setFocus();
    const bool selection = field->hasSelectedText();
    bool refused = false;
    const int kind = pick(0, 11);
    if (kind <= 3) {
        const QChar ch = storableChars.at(pick(0, int(storableChars.size()) - 1));
        note(QStringLiteral("type '%1' into the date").arg(ch));
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        refused = old.size() >= 255 && !selection;
    } else if (kind <= 5) {
        const QString text = unstorableTexts.at(pick(0, int(unstorableTexts.size()) - 1));
        note(QStringLiteral("type unstorable '%1' into the date").arg(text));
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, text, Qt::NoModifier);
        refused = true;
    } else if (kind == 6) {
        const QString burst = randomText(80, true, false);
        note(QStringLiteral("type \"%1\" into the date").arg(burst));
        for (const QChar ch : burst)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    } else if (kind == 7) {
        note(QStringLiteral("backspace in the date"));
        QTest::keyClick(field, Qt::Key_Backspace);
    } else if (kind == 8) {
        note(QStringLiteral("ctrl+a, backspace in the date"));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
    } else if (kind == 9) {
        const QString text = randomText(40, chance(0.6), true);
        // The field takes what fits its length, then refuses it whole if
        // the file can't hold it.
        const qsizetype room = field->maxLength() - old.size() + field->selectedText().size();
        QApplication::clipboard()->setText(text);
        note(QStringLiteral("ctrl+v \"%1\" into the date").arg(text));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        refused = !fitsCp1252(text.left(room));
    } else if (kind == 10) {
        note(QStringLiteral("double click on the date"));
        QTest::mouseDClick(field, Qt::LeftButton);
    } else {
        note(QStringLiteral("delete in the date"));
        QTest::keyClick(field, Qt::Key_Delete);
    }
    return checkTyping(before, savedBefore, field->text() != old, refused);
}

QString Monkey::typeNotes()
{
    NotesEdit* notes = w.MemoNotizen;
    const Screen before = screenOf(w);
    const bool savedBefore = w.DatenGespeichert();
    const QString old = notes->text();
    const bool full = storedLength(old) >= NotesEdit::MaxLength;
    notes->setFocus();
    const bool selection = notes->textCursor().hasSelection();
    bool refused = false;
    const int kind = pick(0, 11);
    if (kind <= 3) {
        const QChar ch = storableChars.at(pick(0, int(storableChars.size()) - 1));
        note(QStringLiteral("type '%1' into the notes").arg(ch));
        QTest::sendKeyEvent(QTest::Click, notes, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        refused = full && !selection;
    } else if (kind <= 5) {
        const QString text = unstorableTexts.at(pick(0, int(unstorableTexts.size()) - 1));
        note(QStringLiteral("type unstorable '%1' into the notes").arg(text));
        QTest::sendKeyEvent(QTest::Click, notes, Qt::Key_unknown, text, Qt::NoModifier);
        refused = true;
    } else if (kind == 6) {
        note(QStringLiteral("return in the notes"));
        QTest::keyClick(notes, Qt::Key_Return);
        refused = storedLength(old) + 2 > NotesEdit::MaxLength && !selection;
    } else if (kind == 7) {
        const QString burst = randomText(60, true, false);
        note(QStringLiteral("type \"%1\" into the notes").arg(burst));
        for (const QChar ch : burst)
            QTest::sendKeyEvent(QTest::Click, notes, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    } else if (kind == 8) {
        note(QStringLiteral("backspace in the notes"));
        QTest::keyClick(notes, Qt::Key_Backspace);
    } else if (kind == 9) {
        note(QStringLiteral("ctrl+a, backspace in the notes"));
        QTest::keyClick(notes, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(notes, Qt::Key_Backspace);
    } else {
        const QString text = randomText(120, chance(0.5), true);
        QApplication::clipboard()->setText(text);
        note(QStringLiteral("ctrl+v %1 characters into the notes").arg(text.size()));
        QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
    }
    return checkTyping(before, savedBefore, notes->text() != old, refused);
}

QString Monkey::neu()
{
    const Screen before = screenOf(w);
    const bool asked = !w.DatenGespeichert();
    const int boxes = int(f.fake.boxes.size());
    static const std::array<MessageResult, 3> answers{MessageResult::Ja, MessageResult::Nein,
                                                      MessageResult::Closed};
    const MessageResult answer = answers.at(size_t(pick(0, 2)));
    answerIfAsked(answer);
    note(QStringLiteral("Neu, answer %1").arg(asked ? int(answer) : -1));
    w.Neu1->trigger();
    MONKEY_CHECK(f.fake.boxes.size() == boxes + (asked ? 1 : 0), newBoxes(boxes));
    if (asked && answer != MessageResult::Ja) {
        MONKEY_CHECK(screenOf(w) == before, describe(screenOf(w)));
        return QString();
    }
    for (int n = 1; n <= 24; ++n)
        MONKEY_CHECK(w.ScrollBar(n)->value() == w.Maximum(), QString::number(n));
    MONKEY_CHECK(w.EditDatum->text().isEmpty() && w.MemoNotizen->text().isEmpty() &&
                     w.EditBolus1->text().isEmpty() && w.EditBolus4->text().isEmpty() &&
                     w.EditBolus7->text().isEmpty(),
                 describe(screenOf(w)));
    MONKEY_CHECK(w.CheckBox1->isChecked(), QString());
    MONKEY_CHECK(w.Maximum() == before.maximum, QString());
    m_saved = true;
    return QString();
}

QString Monkey::save()
{
    const Screen before = screenOf(w);
    const bool savedBefore = w.DatenGespeichert();
    const int boxes = int(f.fake.boxes.size());
    const int kind = pick(0, 9);
    std::optional<QString> path;
    QString failure; // the failure box expected, if any
    if (kind == 0) {
        path = std::nullopt;
    } else if (kind <= 4 || m_savedFiles.isEmpty()) {
        path = nextPath(QStringLiteral("profil"));
    } else if (kind <= 6) {
        path = m_savedFiles.at(pick(0, int(m_savedFiles.size()) - 1)); // overwrite
    } else if (kind == 7) {
        path = m_folder + QStringLiteral("/fehlt/profil.bar");
        failure = QStringLiteral("Datei nicht gefunden.");
    } else if (kind == 8) {
        path = nextPath(QStringLiteral("ordner"));
        QDir().mkpath(*path);
        failure = QStringLiteral("Dateizugriff verweigert.");
    } else {
        path = nextPath(QStringLiteral("geschuetzt"));
        QFile protectedFile(*path);
        if (!protectedFile.open(QIODevice::WriteOnly) || protectedFile.write("alt") != 3)
            return QStringLiteral("can't prepare ") + *path;
        protectedFile.close();
        QFile::setPermissions(*path, QFile::ReadOwner | QFile::ReadGroup);
        failure = QStringLiteral("Dateizugriff verweigert.");
    }
    const QByteArray oldBytes = [&] {
        QFile file(path.value_or(QString()));
        return path && QFileInfo(*path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                                   : QByteArray();
    }();
    note(QStringLiteral("Speichern to %1").arg(path.value_or(QStringLiteral("(cancel)"))));
    f.fake.chooseFile(path);
    w.Basalratespeichern1->trigger();

    MONKEY_CHECK(screenOf(w) == before, describe(screenOf(w)));
    if (!path) {
        MONKEY_CHECK(f.fake.boxes.size() == boxes, newBoxes(boxes));
        MONKEY_CHECK(w.DatenGespeichert() == savedBefore, QString());
        return QString();
    }
    MONKEY_CHECK(f.fake.boxes.size() == boxes + 1, newBoxes(boxes));
    const FakePlatform::Box& box = f.fake.boxes.last();
    if (!failure.isEmpty()) {
        MONKEY_CHECK(box.failure && box.text == failure, newBoxes(boxes));
        MONKEY_CHECK(w.DatenGespeichert() == savedBefore, QString());
        QFile file(*path);
        // A refused save leaves what was there.
        MONKEY_CHECK(!QFileInfo(*path).isFile() ||
                         (file.open(QIODevice::ReadOnly) && file.readAll() == oldBytes),
                     *path);
        return QString();
    }
    MONKEY_CHECK(box.caption == QStringLiteral("Information") &&
                     box.text == QStringLiteral("Basalrate erfolgreich gespeichert!"),
                 newBoxes(boxes));
    MONKEY_CHECK(w.DatenGespeichert(), QString());
    MONKEY_CHECK(w.windowTitle() == QStringLiteral("Fendrimo - ") + *path, w.windowTitle());
    MONKEY_CHECK(QFileInfo(*path).size() == Profilsatz::Size, *path);
    if (!m_savedFiles.contains(*path))
        m_savedFiles << *path;
    m_saved = true;
    return checkReloadsSame(*path);
}

// A saved file loads back to the same screen; only linked dragging is off.
QString Monkey::checkReloadsSame(const QString& path)
{
    const Screen saved = screenOf(w);
    const int boxes = int(f.fake.boxes.size());
    f.fake.chooseFile(path);
    w.Basalrateladen1->trigger();
    MONKEY_CHECK(f.fake.boxes.size() == boxes, newBoxes(boxes));
    const Screen loaded = screenOf(w);
    MONKEY_CHECK(loaded == saved,
                 QStringLiteral("saved %1, loaded %2").arg(describe(saved), describe(loaded)));
    MONKEY_CHECK(!w.CheckBox1->isChecked() && w.DatenGespeichert(), QString());
    return QString();
}

QString Monkey::load()
{
    const Screen before = screenOf(w);
    const ProfileContent contentBefore = w.profile().content();
    const qint32 maximumBefore = w.Maximum();
    const bool asked = !w.DatenGespeichert();
    const int boxes = int(f.fake.boxes.size());
    const int dialogs = int(f.fake.fileDialogs.size());
    const MessageResult answer = chance(0.7)   ? MessageResult::Ja
                                 : chance(0.5) ? MessageResult::Nein
                                               : MessageResult::Closed;
    answerIfAsked(answer);

    // What the dialog answers: a file saved before, a file made here, a
    // broken one, or a cancel.
    const int kind = pick(0, 9);
    std::optional<QString> path;
    QByteArray bytes;
    bool broken = false;
    if (kind == 0) {
        path = std::nullopt;
    } else if (kind <= 3 && !m_savedFiles.isEmpty()) {
        path = m_savedFiles.at(pick(0, int(m_savedFiles.size()) - 1));
    } else if (kind <= 7) {
        // Rates up to 10 IE/h (a higher one raises the maximum), any bytes
        // in the texts with lengths up to each capacity; a line break only
        // as CR LF, as the program writes it (see loadedNotesFitTheField).
        Profilsatz record;
        const int top = chance(0.8) ? w.Maximum() : 100;
        for (int h = 0; h < 24; ++h) {
            record.setRate(h, pick(chance(0.05) ? -5 : 0, top));
            // A negative rate makes it no basal profile: the load error.
            broken = broken || record.rate(h) < 0;
        }
        QByteArray raw = record.toBytes();
        const auto fill = [&](int offset, int capacity, bool notes) {
            const int length = pick(0, capacity);
            raw[offset] = char(length);
            for (int i = 0; i < length; ++i) {
                char byte = char(pick(notes ? 0x20 : 0x00, 0xFF));
                if (notes && chance(0.05) && i + 1 < length) {
                    raw[offset + 1 + i++] = '\r';
                    byte = '\n';
                }
                raw[offset + 1 + i] = byte;
            }
        };
        fill(96, 255, false);
        fill(352, 255, true);
        for (int slot = 0; slot < 9; ++slot)
            fill(608 + 5 * slot, 4, false);
        path = nextPath(QStringLiteral("gemacht"));
        QFile file(*path);
        if (!file.open(QIODevice::WriteOnly) || file.write(raw) != raw.size())
            return QStringLiteral("can't write ") + *path;
    } else if (kind == 8) {
        path = nextPath(QStringLiteral("kurz"));
        QFile file(*path);
        if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(pick(0, 655), 'x')) < 0)
            return QStringLiteral("can't write ") + *path;
        broken = true;
    } else {
        path = chance(0.5) ? m_folder + QStringLiteral("/fehlt.bar") : m_folder;
        broken = true;
    }
    if (path && QFileInfo(*path).isFile()) {
        QFile file(*path);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    const bool proceeds = !asked || answer == MessageResult::Ja;
    if (proceeds)
        f.fake.chooseFile(path);
    note(QStringLiteral("Laden %1, answer %2")
             .arg(path.value_or(QStringLiteral("(cancel)")))
             .arg(asked ? int(answer) : -1));
    w.Basalrateladen1->trigger();

    if (!proceeds) {
        MONKEY_CHECK(f.fake.fileDialogs.size() == dialogs, QStringLiteral("a dialog opened"));
        MONKEY_CHECK(f.fake.boxes.size() == boxes + 1, newBoxes(boxes));
        MONKEY_CHECK(screenOf(w) == before, describe(screenOf(w)));
        return QString();
    }
    const int questionBoxes = asked ? 1 : 0;
    if (!path || broken) {
        MONKEY_CHECK(screenOf(w) == before, describe(screenOf(w)));
        MONKEY_CHECK(w.profile().content() == contentBefore, QStringLiteral("profile changed"));
        if (!path) {
            MONKEY_CHECK(f.fake.boxes.size() == boxes + questionBoxes, newBoxes(boxes));
            return QString();
        }
        MONKEY_CHECK(f.fake.boxes.size() == boxes + questionBoxes + 1, newBoxes(boxes));
        MONKEY_CHECK(f.fake.boxes.last().caption == QStringLiteral("Fehler") &&
                         f.fake.boxes.last().text.startsWith(
                             QStringLiteral("Fehler beim Laden der Datei ") + *path),
                     newBoxes(boxes));
        return QString();
    }
    return checkLoaded(bytes, maximumBefore, boxes + questionBoxes, *path);
}

// The screen shows the file: its rates (raising the maximum when one is
// higher), its texts, linked dragging off, the profile saved.
QString Monkey::checkLoaded(const QByteArray& bytes, qint32 maximumBefore, int boxesBefore,
                            const QString& path)
{
    Profilsatz record;
    MONKEY_CHECK(record.assignBytes(bytes), path);
    qint32 highest = record.rate(0);
    for (int h = 1; h < 24; ++h)
        highest = qMax(highest, record.rate(h));
    const qint32 maximum = highest > maximumBefore ? (highest + 9) / 10 * 10 : maximumBefore;
    MONKEY_CHECK(w.Maximum() == maximum,
                 QStringLiteral("maximum %1, not %2").arg(w.Maximum()).arg(maximum));
    MONKEY_CHECK(f.fake.boxes.size() == boxesBefore + (maximum != maximumBefore ? 1 : 0),
                 newBoxes(boxesBefore));
    for (int n = 1; n <= 24; ++n)
        MONKEY_CHECK(w.rate(n) == qBound(0, record.rate(n - 1), maximum), QString::number(n));
    MONKEY_CHECK(w.EditDatum->text() == record.datum(), w.EditDatum->text());
    QString notes = record.notizen();
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MONKEY_CHECK(w.MemoNotizen->text() == notes, firstDifference(w.MemoNotizen->text(), notes));
    MONKEY_CHECK(w.EditBolus1->text() == record.bolus(1) &&
                     w.EditBolus4->text() == record.bolus(4) &&
                     w.EditBolus7->text() == record.bolus(7),
                 describe(screenOf(w)));
    MONKEY_CHECK(!w.CheckBox1->isChecked() && w.DatenGespeichert(), QString());
    MONKEY_CHECK(w.windowTitle() == QStringLiteral("Fendrimo - ") + path, w.windowTitle());
    m_saved = true;
    return QString();
}

QString Monkey::options()
{
    const Screen before = screenOf(w);
    const bool savedBefore = w.DatenGespeichert();
    const int boxes = int(f.fake.boxes.size());
    qint32 highest = 0;
    for (int n = 1; n <= 24; ++n)
        highest = qMax(highest, w.rate(n));
    const int item = pick(-1, 4); // -1: leave the choice as the dialog shows it
    const bool ok = chance(0.7);
    qint32 wanted = before.maximum; // no item chosen: the maximum stays
    note(QStringLiteral("Einstellungen, item %1, %2").arg(item).arg(ok ? "OK" : "Abbrechen"));
    // Dies with this call, so the timer can't fire in a later action.
    QObject context;
    const auto run = withModal<TFormOptionen>(
        &context, [this] { w.Einstellungen->trigger(); },
        [&](TFormOptionen* dialog) {
            if (item >= 0)
                clickRadio(dialog->RadioGroupMax->item(item));
            // Each item names its maximum: "2,0 IE/h" is 20 tenths.
            if (const int index = dialog->RadioGroupMax->itemIndex(); index >= 0)
                wanted = dialog->RadioGroupMax->item(index)
                             ->text()
                             .section(u' ', 0, 0)
                             .remove(u',')
                             .toInt();
            clickRadio(dialog->RadioGroupPrint->item(pick(0, 1)));
            QTest::mouseClick(ok ? dialog->BitBtnOK : dialog->BitBtnAbbr, Qt::LeftButton);
        });
    MONKEY_CHECK(run->found, QStringLiteral("no options dialog"));

    const bool refused = ok && wanted < highest;
    const qint32 expected = ok && !refused ? wanted : before.maximum;
    MONKEY_CHECK(w.Maximum() == expected,
                 QStringLiteral("maximum %1, not %2").arg(w.Maximum()).arg(expected));
    MONKEY_CHECK(f.fake.boxes.size() == boxes + (refused ? 1 : 0), newBoxes(boxes));
    // The rates never change; the saved state neither.
    for (int n = 1; n <= 24; ++n)
        MONKEY_CHECK(w.rate(n) == before.maximum - before.positions[n - 1], QString::number(n));
    MONKEY_CHECK(w.DatenGespeichert() == savedBefore, QString());
    return QString();
}

QString Monkey::closeRefused()
{
    if (w.DatenGespeichert())
        return sliderKey(); // closing a saved profile would end the run
    const Screen before = screenOf(w);
    const int boxes = int(f.fake.boxes.size());
    f.fake.answer(chance(0.5) ? MessageResult::Nein : MessageResult::Closed);
    note(QStringLiteral("close the window, answer no"));
    w.close();
    MONKEY_CHECK(w.isVisible(), QStringLiteral("the window closed"));
    MONKEY_CHECK(f.fake.boxes.size() == boxes + 1 &&
                     f.fake.boxes.last().caption == QStringLiteral("Warnung"),
                 newBoxes(boxes));
    MONKEY_CHECK(screenOf(w) == before && !w.DatenGespeichert(), describe(screenOf(w)));
    return QString();
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestMonkey::run_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("maximum");
    const int first = envNumber("FENDRIMO_MONKEY_SEED", 1);
    const int seeds = envNumber("FENDRIMO_MONKEY_SEEDS", 6);
    const int steps = envNumber("FENDRIMO_MONKEY_STEPS", 5000);
    static const int maxima[] = {20, 30, 40, 60};
    for (int i = 0; i < seeds; ++i) {
        const quint32 seed = quint32(first + i);
        QTest::addRow("seed %u", seed) << seed << steps << maxima[seed % 4];
    }
}

void TestMonkey::run()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QFETCH(int, maximum);
    qInfo("monkey: seed %u, %d steps, maximum %d (replay: FENDRIMO_MONKEY_SEED=%u "
          "FENDRIMO_MONKEY_SEEDS=1 FENDRIMO_MONKEY_STEPS=%d)",
          seed, steps, maximum, seed, steps);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    MainWindowFixture f(maximum);
    Monkey monkey(f, seed, folder.path());
    for (int i = 1; i <= steps; ++i) {
        const QString failure = monkey.step();
        if (!failure.isEmpty()) {
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(failure, monkey.recent.join(QStringLiteral("\n  ")))));
        }
    }
    qInfo("monkey: seed %u passed %d steps", seed, steps);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
