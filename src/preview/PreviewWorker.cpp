#include "preview/PreviewWorker.h"

#include "engine/PlanPlayer.h"
#include "preview/DisplaySink.h"

PreviewWorker::PreviewWorker(QSharedPointer<Project> project,
                             QSharedPointer<TemplateDescription> theme, QSize size, int firstEntry,
                             QSharedPointer<DisplaySink> sink,
                             QSharedPointer<PlayProblems> problems)
    : project(std::move(project)), theme(std::move(theme)), size(size), firstEntry(firstEntry),
      sink(std::move(sink)), problems(std::move(problems))
{
}

void PreviewWorker::run()
{
    PlanPlayer player(project, theme, size);
    if (problems)
        player.shareProblems(problems);
    {
        QMutexLocker lock(&engineLock);
        engine = &player;
    }
    // A stop that came before the engine existed still counts.
    if (!stopRequested() && player.check())
        player.play(*sink, firstEntry);
    {
        QMutexLocker lock(&engineLock);
        engine = nullptr;
    }
    sink->finish();
}

void PreviewWorker::onStopRequested()
{
    sink->close();
    QMutexLocker lock(&engineLock);
    if (engine)
        engine->stop();
}
