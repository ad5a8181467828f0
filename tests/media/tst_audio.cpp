#include "MediaFixtures.h"
#include "TestDirs.h"
#include "base/Failure.h"
#include "media/AudioEncoder.h"
#include "media/AudioInput.h"
#include "media/AudioTrackWriter.h"
#include "media/AudioVolume.h"
#include "media/MediaFileInfo.h"
#include "media/PcmMusic.h"

#include <QtTest>

#include <cmath>

namespace {

// An MP4 with only the audio stream, set up as the video output sets up its file.
struct AudioOnlyOutput
{
    libav::OutputContextPtr context;
    std::unique_ptr<AudioEncoder> encoder;

    explicit AudioOnlyOutput(const QString& path)
    {
        AVFormatContext* raw = nullptr;
        avformat_alloc_output_context2(&raw, nullptr, "mp4", path.toUtf8().constData());
        context.reset(raw);
        encoder = std::make_unique<AudioEncoder>(raw->oformat, raw, 192000, 2, AV_SAMPLE_FMT_S16);
        avio_open(&raw->pb, path.toUtf8().constData(), AVIO_FLAG_WRITE);
        if (avformat_write_header(raw, nullptr) < 0)
            qFatal("cannot start the test output");
    }
    void feed(const QString& musicPath, int volume = 256)
    {
        AudioInput input(musicPath);
        libav::FramePtr frame = libav::makeFrame();
        while (input.readFrame(frame.get()))
            encoder->writeFrame(frame.get(), frame->sample_rate, volume);
    }
    void finish()
    {
        encoder->flush();
        av_write_trailer(context.get());
    }
};

double decodedSeconds(const QString& path)
{
    return double(MediaFileInfo::fromFile(path)->duration());
}

libav::FramePtr samplesFrame(AVSampleFormat format, int channels, int count)
{
    libav::FramePtr frame = libav::makeFrame();
    frame->format = format;
    frame->nb_samples = count;
    frame->sample_rate = 44100;
    av_channel_layout_default(&frame->ch_layout, channels);
    av_frame_get_buffer(frame.get(), 0);
    return frame;
}

} // namespace

class TestAudio : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QString monoTagged;
    QString stereo;

private slots:
    void initTestCase()
    {
        monoTagged = dirs.file("mono.m4a");
        MediaFixtures::AudioSpec mono;
        mono.sampleRate = 22050;
        mono.channels = 1;
        mono.seconds = 2.0;
        mono.title = QStringLiteral("Morning Tune");
        mono.artist = QStringLiteral("Über Band");
        QVERIFY(MediaFixtures::writeAudio(monoTagged, mono));
        stereo = dirs.file("stereo.m4a");
        MediaFixtures::AudioSpec wide;
        wide.sampleRate = 48000;
        wide.seconds = 1.5;
        QVERIFY(MediaFixtures::writeAudio(stereo, wide));
    }

    void everyInputFormatBecomesTheOutputFormat()
    {
        const QString out = dirs.file("mixed.mp4");
        {
            AudioOnlyOutput output(out);
            output.feed(monoTagged);
            QCOMPARE(output.encoder->resamplerCount(), 1);
            output.feed(monoTagged); // same format: the resampler is reused
            QCOMPARE(output.encoder->resamplerCount(), 1);
            output.feed(stereo);
            QCOMPARE(output.encoder->resamplerCount(), 2);
            output.finish();
        }
        // 2 + 2 + 1.5 s at 44100 Hz, less the partial frame left in the FIFO.
        QVERIFY(qAbs(decodedSeconds(out) - 5.5) < 0.1);
        AudioInput check(out);
        QCOMPARE(check.codecContext()->sample_rate, 44100);
        QCOMPARE(check.codecContext()->ch_layout.nb_channels, 2);
        QCOMPARE(AudioEncoder::resamplerKey(4, 22050, 1), QStringLiteral("chl4sr22050sf1"));
    }

    void volumeScalesEveryFormat()
    {
        libav::FramePtr s16 = samplesFrame(AV_SAMPLE_FMT_S16, 2, 2);
        auto* shorts = reinterpret_cast<int16_t*>(s16->data[0]);
        shorts[0] = 1000;
        shorts[1] = -32768;
        shorts[2] = 32767;
        shorts[3] = -1;
        applyVolume(s16.get(), 256);
        QCOMPARE(shorts[0], int16_t(1000));
        applyVolume(s16.get(), 128);
        QCOMPARE(shorts[0], int16_t(500));
        QCOMPARE(shorts[1], int16_t(-16384));
        QCOMPARE(shorts[2], int16_t(16384));
        applyVolume(s16.get(), 1024); // gains above unity clip
        QCOMPARE(shorts[1], int16_t(-32768));

        libav::FramePtr fltp = samplesFrame(AV_SAMPLE_FMT_FLTP, 2, 3);
        for (int c = 0; c < 2; ++c)
            for (int i = 0; i < 3; ++i)
                reinterpret_cast<float*>(fltp->data[c])[i] = 0.5f;
        applyVolume(fltp.get(), 128);
        QCOMPARE(reinterpret_cast<float*>(fltp->data[1])[2], 0.25f);
        applyVolume(fltp.get(), 0);
        QCOMPARE(reinterpret_cast<float*>(fltp->data[0])[0], 0.0f);

        libav::FramePtr u8 = samplesFrame(AV_SAMPLE_FMT_U8, 1, 2);
        u8->data[0][0] = 228;
        u8->data[0][1] = 128;
        applyVolume(u8.get(), 128);
        QCOMPARE(int(u8->data[0][0]), 178);
        QCOMPARE(int(u8->data[0][1]), 128);
    }

    void trackInfoReadsTagsAndDuration()
    {
        const auto info = MediaFileInfo::fromFile(monoTagged);
        QVERIFY(qAbs(info->duration() - 2.0f) < 1024.0f / 22050);
        QCOMPARE(info->title(), QStringLiteral("Morning Tune"));
        QCOMPARE(info->artist(), QStringLiteral("Über Band"));
        const QVariantMap map = info->toVariantMap();
        QCOMPARE(map.keys(), QStringList({"artistName", "duration", "songName"}));
        QCOMPARE(map.value("songName").toString(), QStringLiteral("Morning Tune"));
        QCOMPARE(map.value("artistName").toString(), QStringLiteral("Über Band"));
        QCOMPARE(map.value("duration").toString(), QStringLiteral("0:02"));

        const QString ten = dirs.file("ten seconds.m4a");
        MediaFixtures::AudioSpec spec;
        spec.seconds = 10.0;
        QVERIFY(MediaFixtures::writeAudio(ten, spec));
        const auto tenInfo = MediaFileInfo::fromFile(ten);
        QVERIFY2(qAbs(tenInfo->duration() - 10.0f) <= 1024.0f / 44100,
                 qPrintable(QString::number(tenInfo->duration())));
        QCOMPARE(tenInfo->songName(), QStringLiteral("ten seconds.m4a"));

        // Matroska keeps any tag, "filename" among them.
        const QString named = dirs.file("named.mka");
        spec.seconds = 0.5;
        spec.fileNameTag = QStringLiteral("named-by-tag");
        QVERIFY(MediaFixtures::writeAudio(named, spec));
        QCOMPARE(MediaFileInfo::fromFile(named)->songName(), QStringLiteral("named-by-tag"));
        QCOMPARE(MediaFileInfo::fromFile(stereo)->songName(), QStringLiteral("stereo.m4a"));
    }

    void durationText_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("59.9") << 59.9f << "0:59";
        QTest::newRow("3599.5") << 3599.5f << "59:59";
        QTest::newRow("3600") << 3600.0f << "1:00:00";
        QTest::newRow("3725") << 3725.0f << "1:02:05";
        QTest::newRow("0") << 0.0f << "0:00";
    }
    void durationText()
    {
        QFETCH(float, seconds);
        QFETCH(QString, text);
        QCOMPARE(MediaFileInfo::durationText(seconds), text);
    }

    // The preview's PCM: the tracks in order with their fades, from any point, silence after the
    // music and nothing after the video. Told apart by pitch (zero crossings) and loudness.
    void pcmMusicPlaysFromAnyPoint()
    {
        MediaFixtures::AudioSpec spec;
        spec.seconds = 3.0;
        const QString low = dirs.file("low.m4a");
        QVERIFY(MediaFixtures::writeAudio(low, spec));
        spec.frequency = 660.0;
        spec.sampleRate = 48000; // resampled like any other rate
        const QString high = dirs.file("high.m4a");
        QVERIFY(MediaFixtures::writeAudio(high, spec));
        const QList<QSharedPointer<MediaFileInfo>> tracks = {MediaFileInfo::fromFile(low),
                                                             MediaFileInfo::fromFile(high)};
        const double firstTrack = double(tracks[0]->duration());

        // A tenth of a second of the left channel: crossings of zero and the largest sample.
        auto measure = [](const QByteArray& pcm) {
            const auto* samples = reinterpret_cast<const int16_t*>(pcm.constData());
            const int count = int(pcm.size() / PcmMusic::kBytesPerSample);
            int crossings = 0;
            int peak = 0;
            for (int i = 0; i < count; ++i) {
                const int left = samples[i * 2];
                peak = qMax(peak, std::abs(left));
                if (i > 0 && (samples[(i - 1) * 2] < 0) != (left < 0))
                    ++crossings;
            }
            return std::pair{crossings, peak};
        };
        const qint64 tenth = PcmMusic::kRate / 10 * PcmMusic::kBytesPerSample;

        PcmMusic music(tracks, 8.0);
        const auto [start, startPeak] = measure(music.read(tenth));
        QVERIFY2(startPeak < 16384 * 0.15, "the first track fades in");
        QVERIFY(qAbs(start - 88) <= 3);

        music.seek(firstTrack + 1.5); // in the second track, after its fade-in
        QVERIFY(qAbs(music.position() - (firstTrack + 1.5)) < 1.0 / PcmMusic::kRate);
        const auto [second, secondPeak] = measure(music.read(tenth));
        QVERIFY2(qAbs(second - 132) <= 3, qPrintable(QString::number(second)));
        QVERIFY(secondPeak > 16384 * 0.9);

        music.seek(1.5); // back into the first
        const auto [first, firstPeak] = measure(music.read(tenth));
        QVERIFY(qAbs(first - 88) <= 3);
        QVERIFY(firstPeak > 16384 * 0.9);

        // After both tracks: silence up to the video's end, then nothing.
        music.seek(7.0);
        const QByteArray rest = music.read(10 * tenth);
        QCOMPARE(rest.size(), qint64(PcmMusic::kRate) * PcmMusic::kBytesPerSample);
        QCOMPARE(measure(rest).second, 0);
        QVERIFY(music.read(tenth).isEmpty());
    }

    // After a seek the music must sound exactly where it would have sounded when played from the
    // start: the lag between the two is found by cross-correlating noise, and is under 1 ms for
    // every codec (a codec's frame starts before the wanted point: up to 100 ms for FLAC).
    void musicAfterASeekIsInStepWithTheStart_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char* suffix : {".wav", ".flac", ".mp3", ".m4a"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }
    void musicAfterASeekIsInStepWithTheStart()
    {
        QFETCH(QString, suffix);
        MediaFixtures::AudioSpec spec;
        spec.seconds = 4.0;
        spec.noise = true;
        const QString path = dirs.file("noise" + suffix);
        QVERIFY(MediaFixtures::writeAudio(path, spec));
        const QList<QSharedPointer<MediaFileInfo>> tracks = {MediaFileInfo::fromFile(path)};
        PcmMusic music(tracks, 4.0);
        const QByteArray whole =
            music.read(qint64(3.5 * PcmMusic::kRate) * PcmMusic::kBytesPerSample);
        const auto* reference = reinterpret_cast<const int16_t*>(whole.constData());
        const int window = PcmMusic::kRate / 5;
        const int search = PcmMusic::kRate / 8;
        for (const double at : {1.37, 2.0, 2.71}) {
            music.seek(at);
            const QByteArray part = music.read(qint64(window) * PcmMusic::kBytesPerSample);
            const auto* heard = reinterpret_cast<const int16_t*>(part.constData());
            const int start = int(std::lround(at * PcmMusic::kRate));
            int best = 0;
            double bestScore = -1e300;
            for (int lag = -search; lag <= search; ++lag) {
                double score = 0;
                for (int i = 0; i < window; ++i)
                    score += double(heard[i * 2]) * reference[(start + lag + i) * 2];
                if (score > bestScore) {
                    bestScore = score;
                    best = lag;
                }
            }
            // A negative lag: after the seek the music plays what was due earlier, it is late.
            QVERIFY2(std::abs(best) < PcmMusic::kRate / 1000,
                     qPrintable(QStringLiteral("at %1 s late by %2 ms")
                                    .arg(at)
                                    .arg(-1000.0 * best / PcmMusic::kRate)));
        }
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

QTEST_GUILESS_MAIN(TestAudio)
#include "tst_audio.moc"
