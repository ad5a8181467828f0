#include "preview/PreviewAudio.h"

#include "media/PcmMusic.h"
#include "preview/PcmDevice.h"

#include <QAudioOutput>

namespace {

QAudioFormat pcmFormat()
{
    QAudioFormat format;
    format.setSampleRate(PcmMusic::kRate);
    format.setChannelCount(PcmMusic::kChannels);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}

} // namespace

PreviewAudio::PreviewAudio(QObject* parent) : QObject(parent) {}

PreviewAudio::~PreviewAudio()
{
    stop();
}

void PreviewAudio::setDevice(const QAudioDeviceInfo& chosen)
{
    device = chosen;
    deviceChosen = true;
}

bool PreviewAudio::start(const QList<QSharedPointer<MediaFileInfo>>& tracks, double totalDuration,
                         double seconds)
{
    stop();
    const QAudioDeviceInfo target = deviceChosen ? device : QAudioDeviceInfo::defaultOutputDevice();
    const QAudioFormat format = pcmFormat();
    if (target.isNull()) {
        why = tr("No sound device was found: the preview plays without music.");
        return false;
    }
    if (!target.isFormatSupported(format)) {
        why = tr("The sound device cannot play the music: the preview plays without it.");
        return false;
    }
    source = std::make_unique<PcmDevice>(tracks, totalDuration, seconds);
    source->open(QIODevice::ReadOnly);
    output = std::make_unique<QAudioOutput>(target, format);
    // A tenth of a second ahead: a seek or a pause is heard at once.
    output->setBufferSize(PcmMusic::kRate * PcmMusic::kBytesPerSample / 10);
    connect(output.get(), &QAudioOutput::stateChanged, this, &PreviewAudio::onStateChanged);
    lastHeard = 0.0;
    // Some back ends fail inside start() and say so through stateChanged() before it returns.
    output->start(source.get());
    if (output->error() != QAudio::NoError && output->error() != QAudio::UnderrunError) {
        stop();
        why = tr("The sound device cannot be opened: the preview plays without music.");
        return false;
    }
    why.clear();
    return true;
}

void PreviewAudio::onStateChanged()
{
    if (!output || output->error() == QAudio::NoError || output->error() == QAudio::UnderrunError)
        return;
    why = tr("The sound device stopped: the preview plays on without music.");
    // Said once the back end has finished its own emission: it goes on using its members after
    // it, so the output must not be stopped and deleted from in here. A failure of an output
    // stopped in the meantime is no longer news.
    const int failedPlay = played;
    QMetaObject::invokeMethod(
        this,
        [this, failedPlay] {
            if (failedPlay == played && output)
                emit failed();
        },
        Qt::QueuedConnection);
}

void PreviewAudio::giveUp()
{
    why = tr("The sound device stopped taking the music: the preview plays on without it.");
    stop();
}

void PreviewAudio::suspend()
{
    if (output)
        output->suspend();
}

void PreviewAudio::resume()
{
    if (output)
        output->resume();
}

void PreviewAudio::stop()
{
    ++played;
    if (output) {
        output->disconnect(this);
        output->stop();
    }
    output.reset();
    source.reset();
}

double PreviewAudio::bufferSeconds() const
{
    return output ? double(output->bufferSize()) / (PcmMusic::kRate * PcmMusic::kBytesPerSample)
                  : 0.0;
}

double PreviewAudio::heard() const
{
    if (!output)
        return lastHeard;
    // What went to the device, less what still waits in its buffer.
    const qint64 buffered = qMax(0, output->bufferSize() - output->bytesFree());
    const double seconds = double(output->processedUSecs()) / 1e6 -
                           double(buffered) / (PcmMusic::kRate * PcmMusic::kBytesPerSample);
    lastHeard = qMax(lastHeard, seconds);
    return lastHeard;
}
