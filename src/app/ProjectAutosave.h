#pragma once

#include "project/Project.h"

#include <QObject>
#include <QSharedPointer>
#include <QTimer>

// Keeps the current project on disk as the person edits it. Every change asks for a save; a burst
// of changes (a folder of photos, a drag across the grid) becomes one save, written at most a
// second after the first change of the burst. `flush()` writes what is pending at once: on
// leaving the editor, closing the window and quitting. A project is kept from its first slide or
// track on. GUI thread only.
class ProjectAutosave : public QObject
{
    Q_OBJECT
public:
    explicit ProjectAutosave(QSharedPointer<Project> project, QObject* parent = nullptr);

    // Something in the project changed: it is saved within `delayMs`.
    void changed();
    // Writes a pending change now; false when the save failed (the store has told the user).
    bool flush();
    bool isPending() const { return pending; }
    // Forgets a pending change (the project it belonged to is gone).
    void discard();

    static constexpr int delayMs = 1000;

private:
    bool save();

    QSharedPointer<Project> project;
    QTimer timer;
    bool pending = false;
};
