#include "FullDisk.h"
#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "base/CommonError.h"
#include "media/AsyncVideoOutput.h"
#include "media/AudioTrackWriter.h"
#include "media/FramePool.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace {

OutputSettings settingsFor(const QString& path, bool fullHd = false)
{
    OutputSettings settings;
    settings.path = path;
    settings.height = fullHd ? 1080 : 720;
    settings.width = fullHd ? 1920 : 1280;
    return settings;
}

// Queues `count` frames numbered 0.. (as one scene reader stamps them), the n-th output frame
// at n / 30 s, `first` being the number of frames written before.
void queueFrames(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool, int count,
                 int first, QColor color = Qt::darkCyan)
{
    for (int i = 0; i < count; ++i) {
        PoolFrame frame = PoolFrame::acquire(pool, &output);
        frame.image().fill(color);
        frame.setIndex(i);
        output.writeVideoFrame(std::move(frame), 1, 30, (first + i + 1) / 30.0);
    }
}

double meanRms(const QList<double>& rms, double from, double to)
{
    double sum = 0;
    int count = 0;
    for (int i = int(from * 10); i < int(to * 10) && i < rms.size(); ++i, ++count)
        sum += rms[i];
    return count ? sum / count : 0;
}

} // namespace

class TestVideoOutput : public QObject
{
    Q_OBJECT

    TestDirs dirs;

private slots:
    void timeStampsRunOnAcrossOffsets()
    {
        const QString path = dirs.file("offsets.mp4");
        auto pool = QSharedPointer<FramePool>::create(false);
        {
            AsyncVideoOutput output;
            output.start(settingsFor(path));
            queueFrames(output, pool, 74, 0);
            output.addPtsOffset(74, 1, 30);
            queueFrames(output, pool, 90, 74);
            output.finish();
        }
        QCOMPARE(pool->framesOut(), 0);
        const OutputProbe probe = OutputProbe::read(path, QRect(0, 0, 64, 64));
        QCOMPARE(probe.frames.size(), 164);
        QCOMPARE(probe.width, 1280);
        QVERIFY(!probe.hasAudio);
        const qint64 step = probe.frames[1].pts - probe.frames[0].pts;
        QCOMPARE(probe.frames[0].pts, qint64(0));
        for (int i = 1; i < probe.frames.size(); ++i)
            QCOMPARE(probe.frames[i].pts - probe.frames[i - 1].pts, step);
        bool aac = true;
        const int counted = OutputProbe::ffprobeFrames(path, &aac);
        QVERIFY(counted == 164 || counted == -1);
        QVERIFY(!aac);
    }

    void musicPlaysOnceWithFades()
    {
        QList<QSharedPointer<MediaFileInfo>> tracks;
        for (int i = 0; i < 2; ++i) {
            const QString track = dirs.file(QStringLiteral("track%1.m4a").arg(i));
            MediaFixtures::AudioSpec spec;
            spec.seconds = 3.0;
            spec.sampleRate = i == 0 ? 44100 : 48000;
            QVERIFY(MediaFixtures::writeAudio(track, spec));
            tracks << MediaFileInfo::fromFile(track);
        }
        const QString path = dirs.file("music.mp4");
        auto pool = QSharedPointer<FramePool>::create(false);
        OutputSettings settings = settingsFor(path);
        settings.tracks = tracks;
        settings.totalDuration = 10.0;
        {
            AsyncVideoOutput output;
            output.start(settings);
            queueFrames(output, pool, 300, 0);
            output.finish();
        }
        const OutputProbe probe = OutputProbe::read(path, QRect(0, 0, 64, 64));
        QCOMPARE(probe.frames.size(), 300);
        QVERIFY(probe.hasAudio);
        QVERIFY2(qAbs(probe.audioSeconds - 6.0) < 0.15,
                 qPrintable(QString::number(probe.audioSeconds)));
        // Each track rises over its first second and falls over its last.
        const double full = meanRms(probe.audioRms, 1.3, 1.7);
        QVERIFY(full > 0.2);
        QVERIFY(meanRms(probe.audioRms, 0.0, 0.2) < full / 3);
        QVERIFY(meanRms(probe.audioRms, 2.8, 3.0) < full / 3);
        QVERIFY(meanRms(probe.audioRms, 3.0, 3.2) < full / 3);
        QVERIFY(qAbs(meanRms(probe.audioRms, 4.3, 4.7) - full) < full * 0.2);
        QVERIFY(meanRms(probe.audioRms, 5.8, 6.0) < full / 3);
        bool aac = false;
        OutputProbe::ffprobeFrames(path, &aac);
        QVERIFY(aac || OutputProbe::ffprobeFrames(path) == -1);
    }

    void longMusicFadesOutBeforeTheEnd()
    {
        const QString track = dirs.file("long.m4a");
        MediaFixtures::AudioSpec spec;
        spec.seconds = 60.0;
        QVERIFY(MediaFixtures::writeAudio(track, spec));
        const QString path = dirs.file("long-music.mp4");
        auto pool = QSharedPointer<FramePool>::create(false);
        OutputSettings settings = settingsFor(path);
        settings.tracks << MediaFileInfo::fromFile(track);
        settings.totalDuration = 20.0;
        {
            AsyncVideoOutput output;
            output.start(settings);
            queueFrames(output, pool, 600, 0);
            output.finish();
        }
        const OutputProbe probe = OutputProbe::read(path, QRect(0, 0, 8, 8));
        QVERIFY(probe.audioSeconds <= 20.1);
        const double full = meanRms(probe.audioRms, 10.0, 11.0);
        QVERIFY(full > 0.2);
        QVERIFY(meanRms(probe.audioRms, 19.0, 19.5) < full * 0.85);
        QVERIFY(meanRms(probe.audioRms, 19.7, 20.0) < full * 0.3);
    }

    void volumeEnvelope()
    {
        QCOMPARE(AudioTrackWriter::volumeAt(0.5, 30, 30), 128);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, 30), 256);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 0.25, 30), 64);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, 0.5), 128);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, -0.1), 0);  // after the video's end
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, -0.05, 30), 0); // decoded past its length
    }

    void fullHdFrames()
    {
        const QString path = dirs.file("full-hd.mp4");
        auto pool = QSharedPointer<FramePool>::create(true);
        {
            AsyncVideoOutput output;
            output.start(settingsFor(path, true));
            queueFrames(output, pool, 10, 0);
            output.finish();
        }
        const OutputProbe probe = OutputProbe::read(path, QRect(0, 0, 8, 8));
        QCOMPARE(probe.width, 1920);
        QCOMPARE(probe.height, 1080);
        QCOMPARE(probe.frames.size(), 10);
    }

    void unwritablePathFailsCleanly()
    {
        const QString path = unwritablePath(dirs) + "/out.mp4";
        QSignalSpy reports(CommonError::instance(), &CommonError::error);
        auto pool = QSharedPointer<FramePool>::create(false);
        AsyncVideoOutput output;
        QSignalSpy failed(&output, &AsyncVideoOutput::error);
        output.start(settingsFor(path));
        queueFrames(output, pool, 5, 0);
        output.finish();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(pool->framesOut(), 0);
        // One sentence naming the file, what to do and the system's reason; no numbers.
        QCOMPARE(reports.count(), 1);
        const QString said = reports.at(0).at(0).toString();
        QVERIFY2(said.startsWith("The video could not be written to " + path) &&
                     said.endsWith("The system said: Not a directory.") &&
                     !said.contains("Error: -"),
                 qPrintable(said));
        QVERIFY(!QFileInfo::exists(path));
    }

    void fullDiskFailsTheRun()
    {
        auto full = std::make_unique<FullDisk>(64 * 1024);
        QVERIFY(full->active());
        const QString path = dirs.file("full.mp4");
        auto pool = QSharedPointer<FramePool>::create(false);
        QSignalSpy reports(CommonError::instance(), &CommonError::error);
        AsyncVideoOutput output;
        QSignalSpy failed(&output, &AsyncVideoOutput::error);
        output.start(settingsFor(path));
        for (int i = 0; i < 60; ++i) {
            PoolFrame handle = PoolFrame::acquire(pool, &output);
            AVFrame* frame = handle.get();
            // Noise: frames that do not compress.
            auto* pixels = reinterpret_cast<quint32*>(frame->data[0]);
            quint32 state = 2463534242u + quint32(i);
            for (int p = 0; p < frame->linesize[0] / 4 * frame->height; ++p) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                pixels[p] = state;
            }
            handle.setIndex(i);
            output.writeVideoFrame(std::move(handle), 1, 30, (i + 1) / 30.0);
        }
        output.finish();
        full.reset();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(reports.count(), 1);
        QVERIFY2(reports.at(0).at(0).toString().contains("The system said: File too large."),
                 qPrintable(reports.at(0).at(0).toString()));
        QCOMPARE(pool->framesOut(), 0);
    }
};

QTEST_GUILESS_MAIN(TestVideoOutput)
#include "tst_video_output.moc"
