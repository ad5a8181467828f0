// A sound back end for the tests, loaded through QT_PLUGIN_PATH, that fails the way real ones
// do. Each device name is a way of failing:
//   standin-plays          takes the music in real time, as a sound card does;
//   standin-fails-to-open  fails inside start() and says so through stateChanged() before start()
//                          returns (ALSA when the device is busy);
//   standin-unplugged      plays for a moment, then stops with an error and goes on using its
//                          members after the signal (ALSA when a USB headset is pulled out);
//   standin-stalls         plays for a moment, then takes no more samples without a word (ALSA
//                          when the device hangs).
// An output deleted inside its own stateChanged() aborts the test: the real ones would go on
// using freed memory.
#include <QAudioSystemPlugin>
#include <QElapsedTimer>
#include <QIODevice>
#include <QTimer>
#include <QtMultimedia/qaudiosystem.h>

namespace {

const QList<QByteArray> kDevices = {"standin-plays", "standin-fails-to-open", "standin-unplugged",
                                    "standin-stalls"};
constexpr qint64 kFailAfterMs = 300;

QAudioFormat pcm()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

class StandinInfo : public QAbstractAudioDeviceInfo
{
public:
    explicit StandinInfo(QByteArray name) : name(std::move(name)) {}
    QAudioFormat preferredFormat() const override { return pcm(); }
    bool isFormatSupported(const QAudioFormat&) const override { return true; }
    QString deviceName() const override { return QString::fromLatin1(name); }
    QStringList supportedCodecs() override { return {QStringLiteral("audio/pcm")}; }
    QList<int> supportedSampleRates() override { return {44100}; }
    QList<int> supportedChannelCounts() override { return {2}; }
    QList<int> supportedSampleSizes() override { return {16}; }
    QList<QAudioFormat::Endian> supportedByteOrders() override
    {
        return {QAudioFormat::LittleEndian};
    }
    QList<QAudioFormat::SampleType> supportedSampleTypes() override
    {
        return {QAudioFormat::SignedInt};
    }

private:
    QByteArray name;
};

class StandinOutput : public QAbstractAudioOutput
{
public:
    explicit StandinOutput(QByteArray name) : name(std::move(name))
    {
        ticker.setInterval(5);
        QObject::connect(&ticker, &QTimer::timeout, this, [this] { tick(); });
    }
    ~StandinOutput() override
    {
        if (emitting)
            qFatal("the stand-in sound output was deleted inside its own stateChanged()");
    }

    void start(QIODevice* device) override
    {
        if (name == "standin-fails-to-open") {
            stopWith(QAudio::OpenError);
            return;
        }
        source = device;
        written = 0;
        playedMs = 0;
        clock.start();
        setState(QAudio::ActiveState);
        ticker.start();
    }
    QIODevice* start() override { return nullptr; }
    void stop() override
    {
        ticker.stop();
        source = nullptr;
        setState(QAudio::StoppedState);
    }
    void reset() override { stop(); }
    void suspend() override
    {
        advance();
        ticker.stop();
        setState(QAudio::SuspendedState);
    }
    void resume() override
    {
        clock.start();
        ticker.start();
        setState(QAudio::ActiveState);
    }
    int bytesFree() const override { return stalled() ? 0 : int(bufferBytes - buffered()); }
    int periodSize() const override { return bufferBytes / 4; }
    void setBufferSize(int value) override { bufferBytes = qMax(4096, value); }
    int bufferSize() const override { return bufferBytes; }
    void setNotifyInterval(int ms) override { notifyMs = ms; }
    int notifyInterval() const override { return notifyMs; }
    qint64 processedUSecs() const override { return written * 1000000 / (44100 * 4); }
    qint64 elapsedUSecs() const override { return playedMs * 1000; }
    QAudio::Error error() const override { return failure; }
    QAudio::State state() const override { return current; }
    void setFormat(const QAudioFormat& format) override { chosen = format; }
    QAudioFormat format() const override { return chosen; }

private:
    bool stalled() const { return name == "standin-stalls" && playedMs >= kFailAfterMs; }
    qint64 buffered() const { return qMax<qint64>(0, written - playedMs * 44100 * 4 / 1000); }

    void advance()
    {
        if (current == QAudio::ActiveState && !stalled())
            playedMs += clock.restart();
    }

    void tick()
    {
        advance();
        if (name == "standin-unplugged" && playedMs >= kFailAfterMs) {
            stopWith(QAudio::IOError);
            // As the real back end does: members used after the signal.
            ticker.stop();
            source = nullptr;
            return;
        }
        if (stalled() || !source)
            return;
        const qint64 room = (bufferBytes - buffered()) / 4 * 4;
        if (room > 0) {
            const QByteArray taken = source->read(room);
            written += taken.size();
        }
    }

    // Said even when the output never got going, as ALSA does.
    void stopWith(QAudio::Error error)
    {
        failure = error;
        emit errorChanged(error);
        current = QAudio::ActiveState;
        setState(QAudio::StoppedState);
    }

    void setState(QAudio::State state)
    {
        if (state == current)
            return;
        current = state;
        emitting = true;
        emit stateChanged(state);
        emitting = false;
    }

    QByteArray name;
    QIODevice* source = nullptr;
    QTimer ticker;
    QElapsedTimer clock;
    qint64 written = 0;
    qint64 playedMs = 0;
    int bufferBytes = 44100 * 4 / 5;
    int notifyMs = 1000;
    QAudio::Error failure = QAudio::NoError;
    QAudio::State current = QAudio::StoppedState;
    QAudioFormat chosen = pcm();
    bool emitting = false;
};

} // namespace

class StandinAudioPlugin : public QAudioSystemPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.audiosystemfactory/5.0" FILE "standin.json")
public:
    QList<QByteArray> availableDevices(QAudio::Mode mode) const override
    {
        return mode == QAudio::AudioOutput ? kDevices : QList<QByteArray>();
    }
    QAbstractAudioInput* createInput(const QByteArray&) override { return nullptr; }
    QAbstractAudioOutput* createOutput(const QByteArray& device) override
    {
        return new StandinOutput(device);
    }
    QAbstractAudioDeviceInfo* createDeviceInfo(const QByteArray& device, QAudio::Mode) override
    {
        return new StandinInfo(device);
    }
};

#include "StandinAudio.moc"
