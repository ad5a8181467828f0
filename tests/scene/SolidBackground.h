#pragma once

#include "media/FramePool.h"
#include "media/IAsyncAVInput.h"

#include <QColor>
#include <QImage>
#include <QSharedPointer>

extern "C" {
#include <libavutil/frame.h>
}

// A background of `frames` solid frames from a real pool, handed out synchronously.
class SolidBackground : public IAsyncAVInput
{
public:
    SolidBackground(QSharedPointer<FramePool> pool, int frames, QColor color = Qt::black)
        : pool(std::move(pool)), left(frames), color(color)
    {
    }
    AVFrame* getFrame() override
    {
        if (left <= 0)
            return nullptr;
        --left;
        AVFrame* frame = pool->acquire(this);
        QImage(frame->data[0], frame->width, frame->height, frame->linesize[0],
               QImage::Format_RGB32)
            .fill(color);
        return frame;
    }

private:
    QSharedPointer<FramePool> pool;
    int left;
    QColor color;
};
