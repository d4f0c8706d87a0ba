#include "profile/profilehistory.h"

#include <QUndoCommand>

namespace fendrimo {

namespace {

// One step: the profile's state before and after it.
class ProfileStep final : public QUndoCommand
{
public:
    ProfileStep(BasalProfile& profile, const QString& text, ProfileState before, ProfileState after,
                int kind, quint64 run)
        : m_profile(profile), m_before(std::move(before)), m_after(std::move(after)), m_kind(kind),
          m_run(run)
    {
        setText(text);
    }

    int id() const override { return m_kind; }
    void undo() override { m_profile.setState(m_before); }
    void redo() override { m_profile.setState(m_after); }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const ProfileStep*>(other);
        if (next->m_run != m_run)
            return false;
        m_after = next->m_after;
        const QString hours = changedHoursText(m_before.content, m_after.content);
        if (!hours.isEmpty())
            setText(hours);
        // A run that ends where it began is no step at all.
        setObsolete(m_before.content == m_after.content);
        return true;
    }

private:
    BasalProfile& m_profile;
    ProfileState m_before;
    ProfileState m_after;
    int m_kind;
    quint64 m_run;
};

} // namespace

ProfileHistory::ProfileHistory(BasalProfile& profile, QObject* parent)
    : QObject(parent), m_profile(profile), m_saved(profile.content())
{
    m_stack.setUndoLimit(Limit);
}

void ProfileHistory::record(const QString& text, const ProfileContent& after, int mergeKind)
{
    ProfileState next = m_profile.state();
    next.content = after;
    record(text, next, mergeKind);
}

void ProfileHistory::record(const QString& text, const ProfileState& after, int mergeKind)
{
    if (after.content == m_profile.content())
        return;
    m_stack.push(new ProfileStep(m_profile, text, m_profile.state(), after, mergeKind, m_run));
}

void ProfileHistory::restart()
{
    clear();
    m_saved = m_profile.content();
}

void ProfileHistory::clear()
{
    m_stack.clear();
    breakMerging();
}

void ProfileHistory::markSaved()
{
    m_saved = m_profile.content();
    breakMerging();
}

void ProfileHistory::undo()
{
    if (!m_stack.canUndo())
        return;
    breakMerging();
    m_stack.undo();
    emit restored();
}

void ProfileHistory::redo()
{
    if (!m_stack.canRedo())
        return;
    breakMerging();
    m_stack.redo();
    emit restored();
}

} // namespace fendrimo
