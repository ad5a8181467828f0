#pragma once

#include "app/ProjectState.h"

#include <QUndoCommand>
#include <functional>

// One step of the edit history: the project before and after it. Undo restores the state before,
// redo the state after, through `restore` (the project presenter's). Pushed once the step is
// done, so the first redo, which QUndoStack::push calls, changes nothing.
class ProjectEdit : public QUndoCommand
{
public:
    using Restore = std::function<void(const ProjectState&)>;

    ProjectEdit(const QString& text, ProjectState before, ProjectState after, Restore restore);

    void undo() override;
    void redo() override;

private:
    ProjectState before;
    ProjectState after;
    Restore restore;
    bool done = true;
};
