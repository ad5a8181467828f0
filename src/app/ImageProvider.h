#pragma once

#include "base/SharedTypes.h"

#include <QMap>
#include <QMutex>
#include <QQuickImageProvider>

// The in-memory picture store behind "image://ImageProvider/<id>": slide thumbnails and render
// previews. Ids are 32 hexadecimal digits; "slideStub" is the placeholder and never removed.
// QML's image threads read while the GUI and render control write; every access is locked.
class ImageProvider : public QQuickImageProvider
{
public:
    static ImageProvider* instance();

    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

    QString addImage(const QSharedPointer<QImage>& image);
    void remove(const QString& id);
    // Turns the stored picture a quarter turn and files it under a new id (the old id is gone);
    // every holder of the shared image sees the turned pixels. An unknown id is returned as is.
    QString rotate(const QString& id, bool clockwise);

    static const QString kStubId;

private:
    ImageProvider();

    QMap<QString, QSharedPointer<QImage>> images;
    QMutex mutex;
};
