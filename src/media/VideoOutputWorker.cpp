#include "media/VideoOutputWorker.h"

#include "base/CommonError.h"
#include "base/Failure.h"
#include "media/AudioEncoder.h"
#include "media/AudioTrackWriter.h"
#include "media/LibavFailure.h"
#include "media/VideoEncoder.h"

#include <QDir>

namespace {

constexpr int kAudioBitRate = 192000; // AAC, stereo

void check(int result, const char* step)
{
    if (result < 0)
        throwLibav(step, result);
}

} // namespace

VideoOutputWorker::VideoOutputWorker(OutputSettings settings) : settings(std::move(settings)) {}

VideoOutputWorker::~VideoOutputWorker() = default;

void VideoOutputWorker::enqueue(OutputCommand command)
{
    QMutexLocker lock(&queueLock);
    // After an abort nothing is served any more: the command (and its frame) goes back at once,
    // so the frame sources never wait for room that would not come.
    if (!ended) {
        queue.push_back(std::move(command));
        changed.wakeAll();
    }
}

void VideoOutputWorker::requestFinish()
{
    QMutexLocker lock(&queueLock);
    finishRequested = true;
    changed.wakeAll();
    while (!ended && !queue.empty())
        changed.wait(&queueLock);
}

bool VideoOutputWorker::takeNext(std::deque<OutputCommand>& into)
{
    QMutexLocker lock(&queueLock);
    while (queue.empty() && !finishRequested)
        changed.wait(&queueLock);
    if (queue.empty())
        return false; // finishing, and everything is served
    into.push_back(std::move(queue.front()));
    queue.pop_front();
    if (queue.empty())
        changed.wakeAll(); // a finish request may be waiting for this
    return true;
}

void VideoOutputWorker::run()
{
    try {
        encodeAll();
        return;
    } catch (const Failure& failure) {
        // A track that can no longer be read says so itself; a step of the output knows only
        // its cause, and the file it was writing is this one.
        CommonError::instance()->report(
            failure.message().isEmpty()
                ? failure.withMessage(
                      tr("The video could not be written to %1. Check that the disk has free "
                         "space and that the folder can be written to, then make the video again.")
                          .arg(QDir::toNativeSeparators(settings.path)),
                      settings.path)
                : failure);
    }
    std::deque<OutputCommand> discarded;
    {
        QMutexLocker lock(&queueLock);
        ended = true;
        discarded.swap(queue);
        changed.wakeAll();
    }
    discarded.clear(); // the frames go back to their pool
    emit error();
}

void VideoOutputWorker::encodeAll()
{
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw)
        throwLibav("avformat_alloc_context", AVERROR(ENOMEM));
    libav::OutputContextPtr context(raw);
    const AVOutputFormat* format = av_guess_format("mp4", nullptr, nullptr);
    if (!format)
        throwLibav("av_guess_format", AVERROR_MUXER_NOT_FOUND);
    context->oformat = format;

    std::unique_ptr<VideoEncoder> video;
    std::unique_ptr<AudioEncoder> audio;
    video =
        std::make_unique<VideoEncoder>(raw, format, settings.height, settings.width, settings.num,
                                       settings.den, AV_PIX_FMT_YUV420P, settings.fastDecode);
    if (!settings.tracks.isEmpty())
        audio = std::make_unique<AudioEncoder>(format, raw, kAudioBitRate, 2, AV_SAMPLE_FMT_S16);

    if (!(format->flags & AVFMT_NOFILE))
        check(avio_open2(&context->pb, settings.path.toUtf8().constData(), AVIO_FLAG_WRITE, nullptr,
                         nullptr),
              "Video output avio_open2 failed");
    check(avformat_write_header(raw, nullptr), "Video output avformat_write_header failed");

    std::unique_ptr<AudioTrackWriter> music;
    if (audio)
        music = std::make_unique<AudioTrackWriter>(settings.tracks, settings.totalDuration);

    std::deque<OutputCommand> current;
    while (takeNext(current)) {
        OutputCommand& command = current.front();
        if (command.kind == OutputCommand::VideoFrame) {
            video->encode(command.frame.get(), command.num, command.den);
            if (music)
                music->writeUntil(*audio, command.seconds); // a lost track throws its own words
        } else {
            video->addPtsOffset(command.frames, command.num, command.den);
        }
        current.clear(); // gives the frame back to the pool
    }
    video->flush();
    if (audio)
        audio->flush();
    check(av_write_trailer(raw), "Video output av_write_trailer failed");
    if (context->pb && context->pb->error < 0)
        check(context->pb->error, "Video output av_write_trailer failed");
    video.reset();
    audio.reset();
    // Closing the file flushes what the I/O context still buffers: a full disk shows here.
    if (context->pb && !(format->flags & AVFMT_NOFILE))
        check(avio_closep(&context->pb), "Video output avio_close failed");
}
