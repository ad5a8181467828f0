// Background decoding: a 1080p H.264 clip decoded through AsyncVideoInput into pool frames
// (decode + BGRA conversion, the consumer releasing each frame at once), and in the same run the
// same file through the ffmpeg command-line tool (decode + convert only) as the baseline.
#include "MediaFixtures.h"
#include "media/AsyncVideoInput.h"
#include "media/FramePool.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

namespace {

// Soft moving gradients and particles: content that compresses like a real background.
QImage backgroundFrame(int index, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    const double t = index / 30.0;
    gradient.setColorAt(0, QColor::fromHsvF(std::fmod(0.55 + 0.02 * t, 1.0), 0.6, 0.5));
    gradient.setColorAt(1, QColor::fromHsvF(std::fmod(0.08 + 0.03 * t, 1.0), 0.7, 0.9));
    painter.fillRect(image.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 60; ++i) {
        const double x = std::fmod(i * 173.0 + index * (2 + i % 5), double(width));
        const double y = std::fmod(i * 97.0 + index * (1 + i % 3), double(height));
        painter.setBrush(QColor(255, 255, 255, 40 + i % 60));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(x, y), 10 + i % 40, 10 + i % 40);
    }
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString clip = dir.filePath("background.mp4");
    MediaFixtures::VideoSpec spec;
    spec.width = 1920;
    spec.height = 1080;
    spec.frames = 240;
    spec.painter = backgroundFrame;
    if (!MediaFixtures::writeVideo(clip, spec)) {
        out << "cannot write the test clip\n";
        return 1;
    }

    const int runs = 3;
    double best = 1e9;
    int frames = 0;
    for (int run = 0; run < runs; ++run) {
        auto pool = QSharedPointer<FramePool>::create(true);
        QElapsedTimer timer;
        timer.start();
        AsyncVideoInput source(pool, clip);
        frames = 0;
        while (source.getFrame())
            ++frames;
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    const double ours = frames / best;

    double baselineBest = 1e9;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const int code = QProcess::execute("ffmpeg", {"-v", "error", "-i", clip, "-f", "rawvideo",
                                                      "-pix_fmt", "bgra", "-y", "/dev/null"});
        if (code != 0) {
            out << "ffmpeg not available: baseline skipped\n";
            baselineBest = 0;
            break;
        }
        baselineBest = std::min(baselineBest, timer.nsecsElapsed() / 1e9);
    }
    out << "clip: " << frames << " frames of 1920x1080 H.264\n";
    out << "AsyncVideoInput: " << QString::number(ours, 'f', 1) << " frames/s\n";
    if (baselineBest > 0) {
        const double baseline = frames / baselineBest;
        out << "ffmpeg decode+convert: " << QString::number(baseline, 'f', 1) << " frames/s\n";
        out << "ratio: " << QString::number(ours / baseline, 'f', 2) << " (goal: 0.9 or more)\n";
    }
    return 0;
}
