// The user's edits of the profile: sliders with linked dragging, bolus
// factors, date, notes, and "Neu". Each edit is one step of the history.

#include "app/tform1.h"

#include "platform/platform.h"
#include "platform/regional.h"
#include "widgets/textfields.h"

#include <QLineEdit>

namespace fendrimo {

namespace {

QString bolusStepText(int index)
{
    static const std::array<const char*, 3> times{"morgens", "mittags", "abends"};
    return QStringLiteral("Bolus %1").arg(QLatin1String(times.at(size_t(index))));
}

// On screen a line break is one character; in the file it is CR LF.
QString notesForFile(const QString& shown)
{
    QString stored = shown;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return stored;
}

} // namespace

void TForm1::ScrollBarScroll(int n, int position)
{
    // Every user action counts as a change, even one that moves nothing.
    setDatenGespeichert(false);
    // The slider is inverted: its top, position 0, is the highest rate.
    const qint32 newRate = Maximum() - position;
    // Linked dragging: every following hour takes this hour's rate, also when
    // the action leaves this hour where it was.
    const ProfileContent after = m_profile.withRate(n - 1, newRate);
    m_history.record(changedHoursText(m_profile.content(), after), after,
                     ProfileHistory::SliderBase + n - 1);
}

void TForm1::CheckBox1MouseUp()
{
    platform().beep();
}

bool TForm1::EditBolusKeyPress(QChar key)
{
    return bolusKeyAllowed(key);
}

void TForm1::EditBolusChange(int index)
{
    if (m_showingProfile)
        return;
    setDatenGespeichert(false);
    const std::array<QLineEdit*, 3> fields{EditBolus1, EditBolus4, EditBolus7};
    ProfileContent after = m_profile.content();
    after.bolus.at(size_t(index)) = fields.at(size_t(index))->text();
    m_history.record(bolusStepText(index), after, ProfileHistory::BolusBase + index);
}

void TForm1::EditDatumChange()
{
    if (m_showingProfile)
        return;
    setDatenGespeichert(false);
    ProfileContent after = m_profile.content();
    after.datum = EditDatum->text();
    m_history.record(QStringLiteral("Datum"), after, ProfileHistory::Datum);
}

void TForm1::MemoNotizenChange()
{
    if (m_showingProfile)
        return;
    setDatenGespeichert(false);
    ProfileContent after = m_profile.content();
    after.notizen = notesForFile(MemoNotizen->text());
    m_history.record(QStringLiteral("Notizen"), after, ProfileHistory::Notizen);
}

void TForm1::EditDatumDblClick()
{
    const QString today = RegionalFormats::current().shortDate(platform().now().date());
    if (EditDatum->text() == today)
        return;
    // A step of its own, not part of a typing run; marks the profile unsaved
    // only when the text really changes.
    m_history.breakMerging();
    setDatenGespeichert(false);
    ProfileContent after = m_profile.content();
    after.datum = today;
    m_history.record(QStringLiteral("Datum"), after);
    m_history.breakMerging();
}

bool TForm1::mayDiscard(const QString& question)
{
    if (DatenGespeichert())
        return true;
    // Only an explicit yes discards the profile; a box closed by its title
    // bar keeps it.
    return platform().message(this, MessageType::Warnung, question,
                              MessageButton::Ja | MessageButton::Nein) == MessageResult::Ja;
}

void TForm1::startDocument(const ProfileState& state, const QString& title)
{
    // Another profile on screen ends the comparison with the one before.
    setReference(std::nullopt);
    m_profile.setState(state);
    setWindowTitle(title);
    m_history.restart();
    setDatenGespeichert(true);
}

void TForm1::Neu1Click()
{
    if (!mayDiscard(QStringLiteral("Aktuelle Werte nicht gespeichert. Werte verwerfen?")))
        return;
    startDocument(ProfileState{ProfileContent{}, true}, QStringLiteral("Fendrimo"));
    setCurrentFile(QString());
}

} // namespace fendrimo
