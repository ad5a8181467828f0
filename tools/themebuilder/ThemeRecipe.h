#pragma once

#include "Motion.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>

// Paints background frame `index` (of `count`) at width x height.
using BackdropPainter = std::function<QImage(int index, int count, int width, int height)>;

struct SlotRecipe
{
    explicit SlotRecipe(Motion motion) : motion(std::move(motion)) {}

    Motion motion;
    float aspect = 1.5f;
    float maxSize = 0.8f;
    float borderWidth = 0.0f;
    QColor borderColor = Qt::white;
    QString shadow; // the "shadow" attribute, empty for none
    int vPos = 0;
    int hPos = 0;
    // Photo objects: the photo covers the slot and pans or zooms ("zoom" and the like, as
    // written into the description); empty for a photo fitted whole.
    QString panZoom;
    // Text objects:
    QString font;    // the "font" attribute
    QString texture; // file written by `textureMaker`
    std::function<QImage()> textureMaker;
    QString slideBackground;
    std::function<QImage()> slideBackgroundMaker;
};

// A background: one file however many scenes show it ("<name>.mp4" and its HD copy
// "<name>-hd.mp4", or the still "<name>.jpg"). The scenes that share a video have its length.
struct Backdrop
{
    QString name;
    BackdropPainter paint;
    bool video = true;
};

struct SceneRecipe
{
    int id = 1;
    int type = 1; // 1 photos, 2 texts
    int frames = 120;
    Backdrop background;
    QList<SlotRecipe> objects;
};

struct ThemeRecipe
{
    int id = 1;
    QString name;
    QString slug;        // for the preview link
    QString fontPackage; // the Debian package with the fonts its texts use
    int fadeIn = 15;
    int fadeOut = 20;
    int sceneOverflow = 15;
    // Portrait photos go to portrait slots where the next scene allows it.
    bool orientationAware = true;
    QList<SceneRecipe> scenes;

    static ThemeRecipe named(int id, const char* name, const char* slug, const char* fontPackage)
    {
        ThemeRecipe t;
        t.id = id;
        t.name = QString::fromUtf8(name);
        t.slug = QString::fromUtf8(slug);
        t.fontPackage = QString::fromUtf8(fontPackage);
        return t;
    }
};
