#pragma once

#include "images/ThumbGeneratorTask.h"
#include "shell/SharedTypes.h"

#include <QObject>

// One thumbnail made on a thread of its own: process() generates, reports done(task, image),
// then finished().
class ThumbWorkerBase : public QObject
{
    Q_OBJECT
public:
    explicit ThumbWorkerBase(const ThumbGeneratorTask& task);
    ~ThumbWorkerBase() override;
    virtual QSharedPointer<QImage> generate(const ThumbGeneratorTask& task) = 0;

signals:
    void finished();
    void done(ThumbGeneratorTask task, QSharedPointer<QImage> img);

public slots:
    void process();

private:
    ThumbGeneratorTask task;
};
