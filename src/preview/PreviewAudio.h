#pragma once

#include "media/MediaFileInfo.h"

#include <QAudioDeviceInfo>
#include <QObject>
#include <QSharedPointer>

#include <memory>

class PcmDevice;
class QAudioOutput;

// The preview's music on the sound card, and the clock the video follows while it plays.
// GUI thread only.
class PreviewAudio : public QObject
{
    Q_OBJECT
public:
    explicit PreviewAudio(QObject* parent = nullptr);
    ~PreviewAudio() override;

    // The device to play on instead of the system's default one; a null device means none.
    void setDevice(const QAudioDeviceInfo& device);
    // Plays the music from `seconds` into the video. False when no sound can come out (no
    // device, or it refused the format); problem() then says why.
    bool start(const QList<QSharedPointer<MediaFileInfo>>& tracks, double totalDuration,
               double seconds);
    void suspend();
    void resume();
    void stop();
    // The device took no music for too long without saying why: stops, and problem() says so.
    void giveUp();
    bool isPlaying() const { return output != nullptr; }
    // Seconds of music heard since start(), pauses left out; never goes back.
    double heard() const;
    // How much music the device holds ahead: heard() moves in steps of about this or less.
    double bufferSeconds() const;
    QString problem() const { return why; }

signals:
    // The sound card stopped with an error while playing; the caller keeps time without it.
    // Always queued: the failing output is never stopped inside its own signal.
    void failed();

private:
    void onStateChanged();

    QAudioDeviceInfo device;
    bool deviceChosen = false;
    std::unique_ptr<PcmDevice> source;
    std::unique_ptr<QAudioOutput> output;
    mutable double lastHeard = 0.0;
    int played = 0; // counts stops: tells a late failure of an earlier output from the current
    QString why;
};
