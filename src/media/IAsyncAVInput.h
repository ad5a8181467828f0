#pragma once

#include "media/PoolFrame.h"

#include <QString>

// A background frame source that produces frames ahead on a thread of its own.
class IAsyncAVInput
{
public:
    virtual ~IAsyncAVInput() = default;
    // Blocks until the next frame is ready. An empty frame marks the end of the stream, for
    // ever after.
    virtual PoolFrame getFrame() = 0;
    // True once the source could not be read: its stream ended early for that reason. Known by
    // the time getFrame() returns the end marker.
    virtual bool failed() const { return false; }
    // Then, the library's reason (empty when there is none to give).
    virtual QString failure() const { return QString(); }
};
