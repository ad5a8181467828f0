#pragma once

#include "ThemeRecipe.h"

// How a theme places photos: the look of its frames and the manner of its entrances. Layouts
// combine it with a position for every slot.
struct LayoutStyle
{
    enum Entrance
    {
        Slide, // in from the nearer side, a little turned
        Drop,  // from above onto a table, settling with a bounce
        Rise,  // up from below, fading in
        Grow,  // fading in while growing to its size (calm themes)
        Turn,  // turning towards the viewer, like a card
    };

    int frames = 120; // a photo scene's length
    Entrance entrance = Slide;
    Easing arrive = Ease::outCubic;
    int arrival = 24;    // frames an entrance takes
    int stagger = 8;     // frames between two slots' entrances
    double turn = 2;     // degrees a resting slot is turned; layouts alternate the sense
    double drift = 0.03; // how much a resting slot grows over the scene
    float border = 0.02f;
    QColor borderColor = Qt::white;
    QString shadow;
};

// A text scene's look: the font attribute ("family,fallback,size,#colour"), its shadow, an
// optional glyph texture, and the colours of the thumbnails' slide background.
struct TitleStyle
{
    QString font;
    QString shadow;
    QString texture;
    std::function<QImage()> textureMaker;
    QColor from;
    QColor to;
    double turn = 0;
    int frames = 120;
};

// Photo layouts in 1920x1080 pixels, each a scene of `style.frames` frames on `background`. The
// slots rest after their entrance, the first one drifting slowly: that rest is what a scene
// stretches to fit the music.
namespace Layouts {
// One landscape photo, large, settling from a slight turn; inside its frame the photo pans and
// zooms as `panZoom` says.
SceneRecipe single(int id, const Backdrop& background, const LayoutStyle& style,
                   const QString& panZoom = QStringLiteral("zoom=\"1,1.12\""));
// A portrait photo alone, centred with a wide margin, drifting.
SceneRecipe portrait(int id, const Backdrop& background, const LayoutStyle& style);
// A portrait and a landscape photo side by side, entering at different speeds.
SceneRecipe pair(int id, const Backdrop& background, const LayoutStyle& style);
// Two landscape photos overlapping on a diagonal.
SceneRecipe duo(int id, const Backdrop& background, const LayoutStyle& style);
// Three prints lying on a table, one of them portrait.
SceneRecipe prints(int id, const Backdrop& background, const LayoutStyle& style);
// Three portrait photos in a row.
SceneRecipe trio(int id, const Backdrop& background, const LayoutStyle& style);
// One large landscape photo beside two small ones.
SceneRecipe feature(int id, const Backdrop& background, const LayoutStyle& style);
// Four landscape photos in a grid.
SceneRecipe grid(int id, const Backdrop& background, const LayoutStyle& style);
// A title: one text slot, settling into place.
SceneRecipe title(int id, const Backdrop& background, const TitleStyle& style);

// A slot of `aspect` resting at `rest`, the `order`th to enter (the 0th drifts as it rests, and
// stands straight).
SlotRecipe slot(const LayoutStyle& style, Pose rest, float aspect, int order);
Pose pose(double x, double y, double w, double h, double rotation = 0, double scale = 1.0,
          double tilt = 0, double opacity = 1.0);
// A slide background for text thumbnails: the colours as a soft gradient.
std::function<QImage()> swatch(QColor from, QColor to);
} // namespace Layouts
