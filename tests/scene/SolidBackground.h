#pragma once

#include "media/FramePool.h"
#include "media/IAsyncAVInput.h"

#include <QColor>
#include <QImage>
#include <QSharedPointer>

// A background of `frames` solid frames from a real pool, handed out synchronously.
class SolidBackground : public IAsyncAVInput
{
public:
    SolidBackground(QSharedPointer<FramePool> pool, int frames, QColor color = Qt::black)
        : pool(std::move(pool)), left(frames), color(color)
    {
    }
    PoolFrame getFrame() override
    {
        if (left <= 0)
            return {};
        --left;
        PoolFrame frame = PoolFrame::acquire(pool, this);
        frame.image().fill(color);
        return frame;
    }

private:
    QSharedPointer<FramePool> pool;
    int left;
    QColor color;
};
