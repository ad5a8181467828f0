#include "app/ProjectEdit.h"

ProjectEdit::ProjectEdit(const QString& text, ProjectState before, ProjectState after,
                         Restore restore)
    : QUndoCommand(text), before(std::move(before)), after(std::move(after)),
      restore(std::move(restore))
{
}

void ProjectEdit::undo()
{
    restore(before);
    done = false;
}

void ProjectEdit::redo()
{
    if (done)
        return; // pushed after the step was made
    restore(after);
    done = true;
}
