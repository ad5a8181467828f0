#pragma once

#include "media/LibavPointers.h"

#include <QFile>
#include <QString>

#include <memory>

// Reads one media file sequentially: the first stream of the wanted type, decoded one frame per
// readFrame() call; seek() moves to a point in time (the preview starting mid-way). Opens by name
// through FFmpeg's file protocol, else through Qt's file API (Qt resource paths, unusual names).
// Construction failures throw a Failure that names the file and says what to do; nothing half-open
// survives them. Used by one thread at a time.
class AVInput
{
public:
    AVInput(const QString& path, AVMediaType mediaType);
    virtual ~AVInput();
    AVInput(const AVInput&) = delete;
    AVInput& operator=(const AVInput&) = delete;

    virtual AVRational timeBase() const;
    virtual int64_t duration() const;    // in timeBase() units, as the container states it
    virtual int64_t framesCount() const; // 0 when the container does not say
    virtual AVCodecContext* codecContext() const;
    // The next decoded frame; false once the file is exhausted. Never throws: packets that fail
    // to decode are skipped and a read error counts as the end.
    virtual bool readFrame(AVFrame* out) = 0;

    AVDictionary* metadata() const;

    // Moves to the last point the file can start from at or before `seconds` into the stream;
    // the decoder starts afresh. False when the file cannot seek: it then reads on from where
    // it was.
    bool seek(double seconds);
    // A decoded frame's time in seconds from the stream's start; -1 when it has none.
    double secondsOf(const AVFrame* frame) const;

protected:
    // Decodes the next frame of the stream into `frame` (delayed frames drained at the end).
    bool decodeNext(AVFrame* frame);

private:
    void openByName(const QString& path);
    void openThroughQt(const QString& path, AVMediaType mediaType);
    [[noreturn]] static void fail(const QString& path, AVMediaType mediaType,
                                  const QString& reason);

    libav::CodecContextPtr decoder;
    const AVCodec* codec = nullptr;
    std::unique_ptr<QFile> file; // only on the Qt path; outlives the I/O context
    libav::IoContextPtr io;      // only on the Qt path; outlives the format context
    libav::InputContextPtr format;
    AVStream* stream = nullptr;
    int streamIndex = -1;
    libav::PacketPtr packet = libav::makePacket();
    bool draining = false;
    bool drained = false;
};
