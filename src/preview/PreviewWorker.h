#pragma once

#include "base/Worker.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QMutex>
#include <QSize>

class DisplaySink;
class PlanPlayer;
class PlayProblems;

// Plays a plan on the preview thread into the display's sink, from one plan entry to the end or
// until stopped. The sink is told when nothing more comes.
class PreviewWorker : public Worker
{
    Q_OBJECT
public:
    PreviewWorker(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                  QSize size, int firstEntry, QSharedPointer<DisplaySink> sink,
                  QSharedPointer<PlayProblems> problems = nullptr);

protected:
    void run() override;
    // From the GUI thread: a waiting engine wakes and the running one stops at once.
    void onStopRequested() override;

private:
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QSize size;
    int firstEntry;
    QSharedPointer<DisplaySink> sink;
    QSharedPointer<PlayProblems> problems; // what this play has told, across its seeks
    QMutex engineLock; // guards `engine` between a stop request and the end of run()
    PlanPlayer* engine = nullptr;
};
