#include "media/MediaFileInfo.h"

#include "base/Failure.h"
#include "media/AudioInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QTime>

namespace {

QString tag(AVDictionary* metadata, const char* key)
{
    const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
    return entry ? QString::fromUtf8(entry->value) : QString();
}

} // namespace

QSharedPointer<MediaFileInfo> MediaFileInfo::fromFile(const QString& path)
{
    AudioInput input(path);
    libav::FramePtr frame = libav::makeFrame();
    float total = 0.0f;
    while (input.readFrame(frame.get())) {
        const int rate =
            frame->sample_rate ? frame->sample_rate : input.codecContext()->sample_rate;
        if (rate > 0)
            total += float(double(frame->nb_samples) / double(rate));
    }
    // A file that opens but yields no sound (damaged, or a tag without music) would be listed
    // as 0:00 and silently shorten the video: it is no track.
    if (total <= 0.0f)
        throw Failure(QCoreApplication::translate("MediaFileInfo",
                                                  "The file %1 holds no music that can be played. "
                                                  "Choose another track.")
                          .arg(QDir::toNativeSeparators(path)),
                      path);
    return QSharedPointer<MediaFileInfo>::create(total, tag(input.metadata(), "artist"),
                                                 tag(input.metadata(), "title"),
                                                 tag(input.metadata(), "filename"), path);
}

MediaFileInfo::MediaFileInfo(float duration, const QString& artist, const QString& title,
                             const QString& fileNameTag, const QString& path)
    : durationSeconds(duration), artistTag(artist), titleTag(title), fileNameTag(fileNameTag),
      filePath(path)
{
}

QString MediaFileInfo::songName() const
{
    if (!titleTag.isEmpty())
        return titleTag;
    if (!fileNameTag.isEmpty())
        return fileNameTag;
    return QDir::toNativeSeparators(filePath).split(QDir::separator()).last();
}

QString MediaFileInfo::durationText(float seconds)
{
    const QTime time = QTime(0, 0, 0, 0).addSecs(int(seconds));
    return time.toString(seconds >= 3600.0f ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
}

QVariantMap MediaFileInfo::toVariantMap() const
{
    QVariantMap map;
    map.insert(QStringLiteral("songName"), songName());
    map.insert(QStringLiteral("artistName"), artistTag);
    map.insert(QStringLiteral("duration"), durationText(durationSeconds));
    return map;
}
