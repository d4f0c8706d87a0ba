#pragma once

#include "profile/basalprofile.h"

#include <QObject>
#include <QUndoStack>

namespace fendrimo {

// The undo history of the profile's content. Every user step goes through
// record(); undo and redo restore the content and the linked-dragging switch
// as they were. Steps of one kind (the same slider, a typing run in one field)
// merge until breakMerging() says that something else happened in between.
class ProfileHistory final : public QObject
{
    Q_OBJECT

public:
    static constexpr int Limit = 500;
    // Merge kinds: one per slider (hour 0..23), one per text field.
    enum MergeKind {
        NoMerge = -1,
        SliderBase = 1,
        BolusBase = 100, // + bolus index 0..2
        Datum = 110,
        Notizen = 111
    };

    explicit ProfileHistory(BasalProfile& profile, QObject* parent = nullptr);

    QUndoStack& stack() { return m_stack; }
    const QUndoStack& stack() const { return m_stack; }

    // Takes the profile to `after` as one step named `text`, or merges it into
    // the last step when that is of the same kind and nothing came between.
    // A step that changes nothing is not recorded.
    void record(const QString& text, const ProfileContent& after, int mergeKind = NoMerge);
    // The same with the linked-dragging switch set as well: undo puts it back.
    void record(const QString& text, const ProfileState& after, int mergeKind = NoMerge);
    // The next step starts a step of its own.
    void breakMerging() { ++m_run; }
    // A new document: no history, and this content is the one last saved.
    void restart();
    // Forgets every step; what was saved stays known.
    void clear();
    // The content now in the profile is the one last saved.
    void markSaved();
    // Whether the content equals the one last saved, loaded or made new.
    bool matchesSaved() const { return m_profile.content() == m_saved; }
    const ProfileContent& savedContent() const { return m_saved; }

    void undo();
    void redo();

signals:
    // After an undo or redo has changed the profile.
    void restored();

private:
    BasalProfile& m_profile;
    QUndoStack m_stack;
    ProfileContent m_saved;
    quint64 m_run = 0;
};

} // namespace fendrimo
