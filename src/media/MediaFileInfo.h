#pragma once

#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QVariantMap>

// One music track: its playing time measured by decoding the whole file (so it matches what the
// audio writer will decode), its "artist", "title" and "filename" tags, and its path.
// Immutable after creation; read from the render threads through shared pointers.
class MediaFileInfo : public QObject
{
    Q_OBJECT
public:
    // Throws the reader's int when the file cannot be opened as audio (already reported through
    // CommonError). Decoding errors inside the file only shorten the measured duration.
    static QSharedPointer<MediaFileInfo> fromFile(const QString& path);

    MediaFileInfo(float duration, const QString& artist, const QString& title,
                  const QString& fileNameTag, const QString& path);

    float duration() const { return durationSeconds; }
    QString artist() const { return artistTag; }
    QString title() const { return titleTag; }
    QString fileNameTagValue() const { return fileNameTag; }
    QString path() const { return filePath; }

    // The title, else the "filename" tag, else the file's name with its extension.
    QString songName() const;
    // "songName", "artistName" and "duration" ("m:ss", or "h:mm:ss" from one hour on).
    QVariantMap toVariantMap() const;
    static QString durationText(float seconds);

private:
    float durationSeconds;
    QString artistTag;
    QString titleTag;
    QString fileNameTag;
    QString filePath;
};
