#pragma once

#include "media/IAsyncAVInput.h"

#include <QObject>

#include <atomic>

// What runs a frame source's production on its own thread: process() fills pool frames and hands
// each over with frameRead() (null marks the end), then emits finished().
class AsyncSourceWorker : public QObject
{
    Q_OBJECT
public:
    std::atomic<bool> stopRequested{false};

signals:
    void finished();
    void frameRead(AVFrame* frame);

public slots:
    virtual void process() = 0;
};
