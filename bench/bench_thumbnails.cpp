// Thumbnails for a batch of 100 camera-sized photos (12 megapixels, 4000x3000, each with an
// embedded 160x120 EXIF preview): time until every preview has arrived and until every full
// decode has arrived, through the real generator with its six workers.
#include "ExifBuilder.h"
#include "images/ThumbGenerator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    constexpr int kPhotos = 100;
    QTextStream out(stdout);

    // One realistic photo (gradients and detail compress like a real one), written 100 times.
    const QByteArray bytes = ExifBuilder::cameraPhoto();

    QTemporaryDir dir;
    for (int i = 0; i < kPhotos; ++i) {
        QFile file(dir.filePath(QStringLiteral("photo-%1.jpg").arg(i)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
    out << "photos: " << kPhotos << " x 4000x3000 JPEG, " << bytes.size() / 1024 << " KiB each\n";

    ThumbGenerator* generator = ThumbGenerator::instance();
    QSet<QString> previews;
    QSet<QString> full;
    qint64 previewsMs = -1;
    qint64 fullMs = -1;
    QElapsedTimer timer;
    QObject::connect(generator, &ThumbGenerator::generated, &app,
                     [&](ThumbGeneratorTask task, QSharedPointer<QImage>) {
                         if (!previews.contains(task.path)) {
                             previews.insert(task.path);
                             if (previews.size() == kPhotos)
                                 previewsMs = timer.elapsed();
                         } else {
                             full.insert(task.path);
                             if (full.size() == kPhotos) {
                                 fullMs = timer.elapsed();
                                 app.quit();
                             }
                         }
                     });
    timer.start();
    generator->pause(); // as the project presenter does while adding a batch
    for (int i = 0; i < kPhotos; ++i)
        generator->addTask({dir.filePath(QStringLiteral("photo-%1.jpg").arg(i)), 150, 150});
    generator->resume();
    app.exec();

    out << "all previews: " << previewsMs << " ms (goal: within 1000 ms)\n";
    out << "all full decodes: " << fullMs << " ms, "
        << QString::number(kPhotos * 1000.0 / double(fullMs), 'f', 1)
        << " photos/s (goal: 20 or more)\n";
    return 0;
}
