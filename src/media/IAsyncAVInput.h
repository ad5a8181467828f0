#pragma once

#include <QMetaType>

struct AVFrame;
// Frames travel between a source's worker and its queue through signals with direct connections.
Q_DECLARE_OPAQUE_POINTER(AVFrame*)

// A background frame source that produces frames ahead on a thread of its own.
class IAsyncAVInput
{
public:
    virtual ~IAsyncAVInput() = default;
    // Blocks until the next frame is ready. Null marks the end of the stream, for ever after.
    // The caller owns a returned frame until it goes back to the frame pool.
    virtual AVFrame* getFrame() = 0;
    // True once the source could not be read: its stream ended early for that reason. Known by
    // the time getFrame() returns the end marker.
    virtual bool failed() const { return false; }
};
