#include "media/VideoOutputWorker.h"

#include "base/CommonError.h"
#include "media/AudioEncoder.h"
#include "media/AudioTrackWriter.h"
#include "media/VideoEncoder.h"

namespace {

constexpr int kAudioBitRate = 192000; // AAC, stereo

// An output step that failed: its message and the library's code.
struct OutputFailure
{
    const char* message;
    int code;
};

void check(int result, const char* message)
{
    if (result < 0)
        throw OutputFailure{message, result};
}

// The video encoder throws the library's code when a packet cannot be encoded or written.
template <typename Step> void encodeVideo(Step step)
{
    try {
        step();
    } catch (int code) {
        throw OutputFailure{"Video output av_write_frame failed", code};
    }
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
    } catch (const OutputFailure& failure) {
        CommonError::instance()->report(QString::fromLatin1(failure.message), failure.code);
    } catch (int) {
        // Music that failed to open or encode: its reader or encoder reported the message.
    }
    std::deque<OutputCommand> discarded;
    {
        QMutexLocker lock(&queueLock);
        ended = true;
        discarded.swap(queue);
        changed.wakeAll();
    }
    discarded.clear(); // the frames go back to their pool
    CommonError::instance()->report(QStringLiteral("Video output process thread failed"));
    emit error();
}

void VideoOutputWorker::encodeAll()
{
    AVFormatContext* raw = avformat_alloc_context();
    if (!raw)
        throw OutputFailure{"Video output set-up failed", AVERROR(ENOMEM)};
    libav::OutputContextPtr context(raw);
    const AVOutputFormat* format = av_guess_format("mp4", nullptr, nullptr);
    if (!format)
        throw OutputFailure{"Video output set-up failed", AVERROR_MUXER_NOT_FOUND};
    context->oformat = format;

    std::unique_ptr<VideoEncoder> video;
    std::unique_ptr<AudioEncoder> audio;
    try {
        video = std::make_unique<VideoEncoder>(raw, format, settings.height, settings.width,
                                               settings.num, settings.den, AV_PIX_FMT_YUV420P,
                                               settings.fastDecode);
        if (!settings.tracks.isEmpty())
            audio =
                std::make_unique<AudioEncoder>(format, raw, kAudioBitRate, 2, AV_SAMPLE_FMT_S16);
    } catch (int code) {
        throw OutputFailure{"Video output encoder set-up failed", code};
    }

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
            encodeVideo([&] { video->encode(command.frame.get(), command.num, command.den); });
            if (music)
                music->writeUntil(*audio, command.seconds); // reports its own failures
        } else {
            video->addPtsOffset(command.frames, command.num, command.den);
        }
        current.clear(); // gives the frame back to the pool
    }
    encodeVideo([&] { video->flush(); });
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
