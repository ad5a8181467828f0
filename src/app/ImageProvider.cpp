#include "app/ImageProvider.h"

#include "images/ImageRotation.h"

#include <QUuid>

const QString ImageProvider::kStubId = QStringLiteral("slideStub");

ImageProvider* ImageProvider::instance()
{
    // Handed to the QML engine, which deletes it at exit.
    static ImageProvider* const provider = new ImageProvider;
    return provider;
}

ImageProvider::ImageProvider() : QQuickImageProvider(QQuickImageProvider::Image)
{
    images.insert(kStubId, QSharedPointer<QImage>::create(
                               QStringLiteral(":/assets/images/icon-big-image.png")));
}

QImage ImageProvider::requestImage(const QString& id, QSize* size, const QSize&)
{
    QMutexLocker lock(&mutex);
    const QSharedPointer<QImage> image = images.value(id);
    if (!image)
        qWarning("ImageProvider: no image \"%s\" (asked for after it was removed?)",
                 qPrintable(id));
    const QImage copy = image ? *image : QImage();
    if (size)
        *size = copy.size();
    return copy;
}

QString ImageProvider::addImage(const QSharedPointer<QImage>& image)
{
    const QString id = QUuid::createUuid().toString(QUuid::Id128);
    QMutexLocker lock(&mutex);
    images.insert(id, image);
    return id;
}

void ImageProvider::remove(const QString& id)
{
    if (id == kStubId)
        return;
    QMutexLocker lock(&mutex);
    images.remove(id);
}

QString ImageProvider::rotate(const QString& id, bool clockwise)
{
    QSharedPointer<QImage> turned;
    {
        QMutexLocker lock(&mutex);
        const QSharedPointer<QImage> image = images.value(id);
        if (!image || id == kStubId)
            return id;
        // A new picture: the old one may be shown by other rows of the same photo (they share
        // the thumbnail the generator made once), which must stay as they are.
        turned = QSharedPointer<QImage>::create(rotateImage(clockwise ? 90 : -90, *image));
        images.remove(id);
    }
    return addImage(turned);
}
