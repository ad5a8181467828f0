#pragma once

#include <QColor>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

// Writes small themes in the installed format for the tests: "template.xml", "info.xml" and the
// backgrounds (solid still pictures, or H.264 videos written with the FFmpeg API).
namespace ThemeFixture {

struct SceneSpec
{
    int id = 1;
    int type = 1; // 1 photos, 2 texts
    int frames = 90;
    bool video = false;  // a video background of `videoFrames` frames instead of a still
    int videoFrames = 0; // 0: as many as `frames`
    int videoWidth = 320;
    int videoHeight = 180;
    QColor background = QColor(200, 200, 200);
    // With a colour, a video background gets an HD copy ("<id>-hd.mp4", 1280x720) in it.
    QColor hdCopy;
    int objects = 1;
    // Where each object stands (fractions of the frame), on every frame of the scene.
    QRectF slot = QRectF(0.4, 0.4, 0.2, 0.2);
    // Or, for tilted slots, object i stands at corners[i] (top-left, top-right, bottom-right,
    // bottom-left).
    QList<QPolygonF> corners;
    float aspect = 1.0f;
    // The slots move right by this share of the frame's width on every frame, and turn by this
    // many degrees about their centre (in the frame's proportions).
    double drift = 0.0;
    double turn = 0.0;
    // A video background made elsewhere, copied in instead of written (with `video`).
    QString videoFile;
    // More attributes of the scene, as written ("hold=\"5,25\" hold-range=\"0.5,4\""), and of
    // each of its objects ("zoom=\"1,1.3\"").
    QString attributes;
    QString objectAttributes;
};

struct ThemeSpec
{
    int id = 1;
    QString name = QStringLiteral("Test Theme");
    int fadeIn = 0;
    int fadeOut = 0;
    int sceneOverflow = 0;
    QList<SceneSpec> scenes;
};

// Writes the theme into `templatesDir` + "/" + id. False on failure.
bool write(const QString& templatesDir, const ThemeSpec& theme);

// The small theme most tests use: a one-photo scene (id 1) and a one-text scene (id 2), 30 frames
// each, on still backgrounds.
ThemeSpec photoAndText(int id, const QString& name = QStringLiteral("Test Theme"));

} // namespace ThemeFixture
