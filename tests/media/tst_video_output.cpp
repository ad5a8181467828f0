#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "media/AsyncVideoOutput.h"
#include "media/AudioTrackWriter.h"
#include "media/FramePool.h"

#include <QImage>
#include <QtTest>

namespace {

// Queues `count` frames numbered 0.. (as one scene reader stamps them), the n-th at n / 30 s.
void queueFrames(AsyncVideoOutput& output, const QSharedPointer<FramePool>& pool, int count)
{
    for (int i = 0; i < count; ++i) {
        PoolFrame frame = PoolFrame::acquire(pool, &output);
        frame.image().fill(Qt::darkCyan);
        frame.setIndex(i);
        output.writeVideoFrame(std::move(frame), 1, 30, (i + 1) / 30.0);
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
        OutputSettings settings;
        settings.path = path;
        settings.width = 1280;
        settings.height = 720;
        settings.tracks = tracks;
        settings.totalDuration = 10.0;
        {
            AsyncVideoOutput output;
            output.start(settings);
            queueFrames(output, pool, 300);
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

    void volumeEnvelope()
    {
        QCOMPARE(AudioTrackWriter::volumeAt(0.5, 30, 30), 128);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, 30), 256);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 0.25, 30), 64);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, 0.5), 128);
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, 30, -0.1), 0);  // after the video's end
        QCOMPARE(AudioTrackWriter::volumeAt(2.0, -0.05, 30), 0); // decoded past its length
    }
};

QTEST_GUILESS_MAIN(TestVideoOutput)
#include "tst_video_output.moc"
