#include "preview/PreviewPlayer.h"

#include "engine/PlanPlayer.h"
#include "engine/PlayProblems.h"
#include "preview/DisplaySink.h"
#include "preview/PreviewAudio.h"
#include "preview/PreviewWorker.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"

#include <cmath>

namespace {
constexpr double kFramesPerSecond = FrameSink::kFramesPerSecond;
constexpr qint64 kSoundStartMs = 2000;
// A device that stops taking samples without an error (ALSA when it hangs) would hold the picture
// for ever: music that has not moved for this long counts as a failed device.
constexpr qint64 kSoundStallMs = 1000;
} // namespace

PreviewPlayer::PreviewPlayer(QObject* parent) : QObject(parent), audio(new PreviewAudio(this))
{
    // Often enough to show each frame within a few milliseconds of its time.
    ticker.setInterval(4);
    ticker.setTimerType(Qt::PreciseTimer);
    connect(&ticker, &QTimer::timeout, this, &PreviewPlayer::tick);
    connect(audio, &PreviewAudio::failed, this, &PreviewPlayer::onSoundFailed);
}

PreviewPlayer::~PreviewPlayer()
{
    close();
}

void PreviewPlayer::setAudioDevice(const QAudioDeviceInfo& device)
{
    audio->setDevice(device);
}

QSharedPointer<Project> PreviewPlayer::snapshot(const Project& project)
{
    auto copied = QSharedPointer<Project>::create(project);
    QVector<QSharedPointer<Slide>> slides;
    for (const QSharedPointer<Slide>& slide : project.slides()) {
        if (const auto image = slide.objectCast<ImgSlide>())
            slides.push_back(QSharedPointer<ImgSlide>::create(image->path(), image->rotation()));
        else if (const auto text = slide.objectCast<TextSlide>())
            slides.push_back(QSharedPointer<TextSlide>::create(text->text()));
    }
    copied->setSlides(slides); // and the plan over the copies
    return copied;
}

void PreviewPlayer::play(QSharedPointer<Project> project,
                         QSharedPointer<TemplateDescription> playedTheme, QSize playedSize,
                         int entry)
{
    copy = snapshot(*project);
    told = QSharedPointer<PlayProblems>::create(); // a new play tells its problems afresh
    theme = std::move(playedTheme);
    size = playedSize;
    starts = theme ? PlanPlayer::entryStarts(*copy, *theme) : QVector<int>();
    frameCount = theme ? PlanPlayer::videoFrames(*copy, *theme) : 0;
    seek(entry);
}

void PreviewPlayer::seek(int entry)
{
    if (!copy)
        return;
    stopEngine();
    entry = qBound(0, entry, qMax(0, int(starts.size()) - 1));
    startFrame = starts.isEmpty() ? 0 : starts[entry];
    startEntry = entry;
    sink = QSharedPointer<DisplaySink>::create();
    startPending = true;
    startEngine();
    ended = false;
    clockRunning = false;
    shown = 0;
    dropped = 0;
    late = 0;
    firstFrameLatency = -1;
    sincePlay.start();
    startSound();
    ticker.start();
    setState(Playing);
}

void PreviewPlayer::startEngine()
{
    // One engine at a time, so that memory holds one scene's pictures: a new one starts once
    // the one stopped before it has let go of its own (it may be in the middle of decoding a
    // large photo, which cannot be cut short).
    if (!startPending || leaving.isRunning())
        return;
    startPending = false;
    leaving = WorkerThread(); // ended: joined at once
    thread.start(new PreviewWorker(copy, theme, size, startEntry, sink, told));
}

void PreviewPlayer::stopEngine()
{
    ticker.stop();
    audio->stop();
    // Asked to stop, not waited for: the window never waits on the engine.
    thread.requestStop();
    if (thread.isStarted())
        leaving = std::move(thread);
    startPending = false;
    sink.reset();
}

void PreviewPlayer::close()
{
    stopEngine();
    copy.reset();
    theme.reset();
    shownImage = QImage();
    shownIndex = -1;
    ended = false;
    setState(Closed);
}

void PreviewPlayer::pause()
{
    if (current != Playing)
        return;
    if (clockRunning)
        heldSeconds += double(wall.nsecsElapsed()) / 1e9;
    audio->suspend();
    ticker.stop();
    setState(Paused);
}

void PreviewPlayer::resume()
{
    if (current != Paused)
        return;
    if (ended) {
        seek(0);
        return;
    }
    wall.start();
    heardMoved.start(); // a pause is no stall
    audio->resume();
    ticker.start();
    setState(Playing);
}

void PreviewPlayer::setState(State state)
{
    if (state == current)
        return;
    current = state;
    emit stateChanged();
}

void PreviewPlayer::startSound()
{
    // Started with the engine: the sound card's own start-up overlaps the opening of the scene.
    const double at = startFrame / kFramesPerSecond;
    withSound =
        !copy->audio().isEmpty() && audio->start(copy->audio(), frameCount / kFramesPerSecond, at);
    heardBefore = 0.0;
    heardMoved.start();
    const QString note = copy->audio().isEmpty() ? QString() : audio->problem();
    if (note != soundNote) {
        soundNote = note;
        emit soundProblemChanged();
    }
}

void PreviewPlayer::startClock()
{
    heldSeconds = 0.0;
    wall.start();
    clockRunning = true;
}

double PreviewPlayer::clock() const
{
    if (!clockRunning)
        return 0.0;
    return heldSeconds + (current == Playing ? double(wall.nsecsElapsed()) / 1e9 : 0.0);
}

void PreviewPlayer::followSound()
{
    // The sound card reports its position in steps of its buffer's periods: the wall clock keeps
    // the pictures even and is drawn towards the music, at once when they are far apart (the
    // music starting, or stalling).
    const double heard = audio->heard();
    if (heard != heardBefore) {
        heardBefore = heard;
        heardMoved.start();
    } else if (heardMoved.elapsed() > (heard <= 0.0 ? kSoundStartMs : kSoundStallMs)) {
        audio->giveUp();
        onSoundFailed();
        return;
    }
    if (heard <= 0.0) {
        // Not a sample heard yet: the first picture waits for the music, two seconds at most.
        if (sincePlay.elapsed() < kSoundStartMs) {
            heldSeconds = 0.0;
            wall.start();
        }
        return;
    }
    const double drift = heard - clock();
    const double far = qMax(0.2, 1.5 * audio->bufferSeconds());
    heldSeconds += std::abs(drift) > far ? drift : drift * 0.05;
}

void PreviewPlayer::onSoundFailed()
{
    // The wall clock goes on alone.
    withSound = false;
    audio->stop();
    soundNote = audio->problem();
    emit soundProblemChanged();
}

void PreviewPlayer::tick()
{
    if (!sink || current != Playing)
        return;
    startEngine();
    if (clockRunning && withSound)
        followSound();
    // The clock starts with the first frame on screen: opening the scene is not time lost.
    const int due =
        clockRunning ? startFrame + int(std::floor(clock() * kFramesPerSecond + 1e-6)) : startFrame;
    DisplaySink::Taken taken = sink->take(due);
    if (!taken.image.isNull()) {
        // Every frame between the last one shown and this one was dropped.
        if (shownIndex >= startFrame && taken.index > shownIndex + 1 && shown > 0)
            dropped += taken.index - shownIndex - 1;
        // Shown, but after the next one was due: the engine fell behind.
        if (clockRunning && taken.index < due - 1)
            ++late;
        shownImage = std::move(taken.image);
        shownIndex = taken.index;
        ++shown;
        if (!clockRunning) {
            firstFrameLatency = sincePlay.elapsed();
            startClock();
        }
        emit frameShown();
    }
    if (taken.ended)
        finish();
}

void PreviewPlayer::finish()
{
    stopEngine();
    ended = true;
    setState(Paused);
}
