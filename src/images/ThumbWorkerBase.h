#pragma once

#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"

#include "base/Worker.h"

// One thumbnail made on a thread of its own: the run generates and reports done(task, image).
class ThumbWorkerBase : public Worker
{
    Q_OBJECT
public:
    explicit ThumbWorkerBase(const ThumbGeneratorTask& task);
    ~ThumbWorkerBase() override;
    virtual QSharedPointer<QImage> generate(const ThumbGeneratorTask& task) = 0;

signals:
    void done(ThumbGeneratorTask task, QSharedPointer<QImage> img);

protected:
    void run() override;

private:
    ThumbGeneratorTask task;
};
