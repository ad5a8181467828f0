#include "app/ProjectAutosave.h"

#include "app/SavedProjectsPres.h"

ProjectAutosave::ProjectAutosave(QSharedPointer<Project> project, QObject* parent)
    : QObject(parent), project(std::move(project))
{
    timer.setSingleShot(true);
    timer.setInterval(delayMs);
    connect(&timer, &QTimer::timeout, this, &ProjectAutosave::flush);
}

void ProjectAutosave::changed()
{
    pending = true;
    // Not restarted by later changes: a long burst still reaches the disk every second.
    if (!timer.isActive())
        timer.start();
}

bool ProjectAutosave::flush()
{
    timer.stop();
    if (!pending)
        return true;
    pending = false;
    return save();
}

void ProjectAutosave::discard()
{
    timer.stop();
    pending = false;
}

bool ProjectAutosave::save()
{
    // A project starts to be kept with its first slide or track: a theme picked and nothing added
    // is not worth a place in the list. One emptied after that is saved empty, as it was left.
    if (project->id().isEmpty() && project->slides().isEmpty() && project->audio().isEmpty())
        return true;
    return !SavedProjectsPres::instance()->saveProject(project).isEmpty();
}
