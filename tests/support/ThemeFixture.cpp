#include "ThemeFixture.h"

#include "MediaFixtures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTransform>

namespace ThemeFixture {

namespace {

// Corners given clockwise from the top-left, written row by row: top-left, top-right,
// bottom-left, bottom-right.
QString frameText(const QPolygonF& q)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8")
        .arg(q[0].x())
        .arg(q[0].y())
        .arg(q[1].x())
        .arg(q[1].y())
        .arg(q[3].x())
        .arg(q[3].y())
        .arg(q[2].x())
        .arg(q[2].y());
}

// The corners turned by `degrees` about their centre, in a 16:9 frame's proportions (so that
// the slot keeps its shape on screen).
QPolygonF turned(const QPolygonF& corners, double degrees)
{
    if (degrees == 0.0)
        return corners;
    const QPointF centre = corners.boundingRect().center();
    QTransform transform;
    transform.scale(9.0 / 16.0, 1.0);
    transform.rotate(degrees);
    transform.scale(16.0 / 9.0, 1.0);
    QPolygonF result;
    for (const QPointF& corner : corners)
        result << centre + transform.map(corner - centre);
    return result;
}

bool writeText(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0;
}

// Frames of one colour.
MediaFixtures::FramePainter solid(QColor color)
{
    return [color](int, int w, int h) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(color);
        return image;
    };
}

} // namespace

bool write(const QString& templatesDir, const ThemeSpec& theme)
{
    const QString folder = templatesDir + "/" + QString::number(theme.id) + "/";
    if (!QDir().mkpath(folder))
        return false;
    QString xml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<template fade-in=\"%1\" "
                       "fade-out=\"%2\" scene-overflow=\"%3\">\n")
            .arg(theme.fadeIn)
            .arg(theme.fadeOut)
            .arg(theme.sceneOverflow);
    for (const SceneSpec& scene : theme.scenes) {
        QString background;
        if (scene.video) {
            background = QStringLiteral("%1.mp4").arg(scene.id);
            MediaFixtures::VideoSpec video;
            video.width = scene.videoWidth;
            video.height = scene.videoHeight;
            video.frames = scene.videoFrames > 0 ? scene.videoFrames : scene.frames;
            video.painter = solid(scene.background);
            if (!scene.videoFile.isEmpty() ? !QFile::copy(scene.videoFile, folder + background)
                                           : !MediaFixtures::writeVideo(folder + background, video))
                return false;
            xml += QStringLiteral("<scene id=\"%1\" type=\"%2\" frames=\"%3\"")
                       .arg(scene.id)
                       .arg(scene.type)
                       .arg(scene.frames);
            if (scene.hdCopy.isValid()) {
                const QString copy = QStringLiteral("%1-hd.mp4").arg(scene.id);
                video.width = 1280;
                video.height = 720;
                video.painter = solid(scene.hdCopy);
                if (!MediaFixtures::writeVideo(folder + copy, video))
                    return false;
                xml += QStringLiteral(" bg-hd-file-name=\"%1\"").arg(copy);
            }
            xml += QLatin1Char(' ') + scene.attributes + QStringLiteral(">\n");
        } else {
            background = QStringLiteral("bg%1.png").arg(scene.id);
            QImage image(64, 36, QImage::Format_RGB32);
            image.fill(scene.background);
            if (!image.save(folder + background))
                return false;
            xml += QStringLiteral("<scene id=\"%1\" type=\"%2\" frames=\"%3\" bg-type=\"2\" "
                                  "bg-file-name=\"%4\" %5>\n")
                       .arg(scene.id)
                       .arg(scene.type)
                       .arg(scene.frames)
                       .arg(background, scene.attributes);
        }
        for (int object = 0; object < scene.objects; ++object) {
            xml += QStringLiteral("<object id=\"%1\" aspect=\"%2\" %4%3><transform>")
                       .arg(object)
                       .arg(double(scene.aspect))
                       .arg(scene.type == 2 ? QStringLiteral(" font=\"Sans,SansSerif,40,#ffffff\"")
                                            : QString())
                       .arg(scene.objectAttributes);
            const QPolygonF corners = object < scene.corners.size()
                                          ? scene.corners[object]
                                          : QPolygonF(QPolygonF(scene.slot).mid(0, 4));
            for (int f = 0; f < scene.frames; ++f)
                xml += QStringLiteral("<frame id=\"%1\">%2</frame>")
                           .arg(f)
                           .arg(frameText(
                               turned(corners, scene.turn * f).translated(scene.drift * f, 0)));
            xml += QStringLiteral("</transform></object>\n");
        }
        xml += QStringLiteral("</scene>\n");
    }
    xml += QStringLiteral("</template>\n");
    return writeText(folder + "template.xml", xml) &&
           writeText(folder + "info.xml", "<info><name>" + theme.name + "</name></info>");
}

ThemeSpec photoAndText(int id, const QString& name)
{
    ThemeSpec theme;
    theme.id = id;
    theme.name = name;
    SceneSpec photos;
    photos.frames = 30;
    SceneSpec texts;
    texts.id = 2;
    texts.type = 2;
    texts.frames = 30;
    theme.scenes = {photos, texts};
    return theme;
}

} // namespace ThemeFixture
