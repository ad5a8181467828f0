// The first six themes, each with its own signature scene and the shared layouts in its style.
#include "Themes.h"

#include "Backdrops.h"
#include "Layouts.h"

#include <QLinearGradient>
#include <QPainter>

using namespace Layouts;

namespace {

// A metallic texture for glyphs: diagonal bands of light.
std::function<QImage()> metal(QColor dark, QColor light)
{
    return [dark, light] {
        QImage image(128, 128, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, 128, 128);
        g.setSpread(QGradient::ReflectSpread);
        g.setColorAt(0, dark);
        g.setColorAt(0.5, light);
        g.setColorAt(1, dark);
        p.fillRect(image.rect(), g);
        return image;
    };
}

} // namespace

namespace Themes {

ThemeRecipe goldenHour()
{
    ThemeRecipe t = ThemeRecipe::named(1, "Golden Hour", "golden-hour", "fonts-lato");
    const Backdrop sky{QStringLiteral("sunset"), Backdrops::goldenHour(), true};
    LayoutStyle style;
    style.border = 0.025f;
    style.shadow = QStringLiteral("0.3,0.4 1.2 60,30,10,150");
    // Two photos sliding in from both sides at different speeds (parallax).
    SceneRecipe two{2, 1, 120, sky, {}};
    SlotRecipe left = slot(style, pose(520, 540, 760, 570, -3), 4.0f / 3.0f, 0);
    left.motion = Motion(0, 119, pose(-300, 540, 760, 570, -4))
                      .to(0, 30, pose(520, 540, 760, 570, -3), Ease::outCubic)
                      .to(30, 119, pose(490, 545, 760, 570, -2), Ease::linear);
    SlotRecipe right = slot(style, pose(1400, 520, 600, 800, 3), 0.75f, 1);
    right.motion = Motion(8, 119, pose(2300, 540, 600, 800, 5))
                       .to(8, 44, pose(1400, 520, 600, 800, 3), Ease::outCubic)
                       .to(44, 119, pose(1440, 515, 600, 800, 2), Ease::linear);
    two.objects = {left, right};
    TitleStyle words;
    words.font = QStringLiteral("Lato,SansSerif,60,#fff8ec");
    words.shadow = QStringLiteral("0.02,0.03 0.08 80,40,10,160");
    words.from = QColor(255, 190, 120);
    words.to = QColor(160, 70, 60);
    t.scenes = {single(1, sky, style),  two,
                title(3, sky, words),   portrait(4, sky, style),
                feature(5, sky, style), trio(6, sky, style),
                prints(7, sky, style)};
    return t;
}

ThemeRecipe paperAlbum()
{
    ThemeRecipe t = ThemeRecipe::named(2, "Paper Album", "paper-album", "fonts-ebgaramond");
    t.sceneOverflow = 12;
    // Photos lie on a still page; the title's page has window light wandering over it. (Light
    // moving over the fibres changes most of the picture every frame, which every render's
    // decoder and encoder pay for; the title plays seldom.)
    const auto page = Backdrops::paper(QColor(240, 232, 214), QColor(120, 90, 60));
    const Backdrop lit{QStringLiteral("page"), page, true};
    const Backdrop still{QStringLiteral("page"), page, false};
    LayoutStyle style;
    style.frames = 135;
    style.entrance = LayoutStyle::Drop;
    style.arrive = Ease::outBack;
    style.stagger = 12;
    style.border = 0.06f;
    style.borderColor = QColor(252, 250, 245);
    style.shadow = QStringLiteral("0.5,0.7 1.5 40,25,10,130");
    TitleStyle words;
    words.font = QStringLiteral("EB Garamond,Serif,60,#4a3523");
    words.from = QColor(244, 236, 220);
    words.to = QColor(220, 205, 180);
    words.turn = -1;
    words.frames = 135;
    t.scenes = {single(1, still, style, QStringLiteral("zoom=\"1,1.1\"")),
                prints(2, still, style),
                title(3, lit, words),
                portrait(4, still, style),
                grid(5, still, style),
                pair(6, still, style),
                trio(7, still, style)};
    return t;
}

ThemeRecipe nightLights()
{
    ThemeRecipe t = ThemeRecipe::named(3, "Night Lights", "night-lights", "fonts-league-spartan");
    const Backdrop night{QStringLiteral("night"), Backdrops::nightBokeh(), true};
    LayoutStyle style;
    style.entrance = LayoutStyle::Turn;
    style.border = 0.012f;
    style.borderColor = QColor(255, 210, 120);
    style.shadow = QStringLiteral("0,0 2.5 255,190,90,120");
    style.turn = 0;
    // A card that turns towards the viewer, holds, and turns away.
    SceneRecipe card = single(1, night, style, QStringLiteral("zoom=\"1.1,1\""));
    card.objects[0].motion =
        Motion(0, 119, pose(960, 540, 1200, 800, 0, 0.92, 0.6, 1.0))
            .to(0, 24, pose(960, 540, 1200, 800, 0, 1.0, 0.0, 1.0), Ease::outCubic)
            .to(95, 119, pose(960, 540, 1200, 800, 0, 0.9, -0.9, 0.0), Ease::inCubic);
    // Two squares facing each other.
    SceneRecipe facing{2, 1, 120, night, {}};
    SlotRecipe a = slot(style, pose(560, 540, 700, 700, 0, 1.0, 0.6), 1.0f, 0);
    a.motion = Motion(0, 119, pose(560, 540, 700, 700, 0, 1.0, 0.6))
                   .to(0, 119, pose(600, 540, 700, 700, 0, 1.05, 0.4), Ease::linear);
    SlotRecipe b = slot(style, pose(1340, 540, 700, 700, 0, 1.0, -0.5), 1.0f, 1);
    b.motion = Motion(10, 119, pose(1360, 540, 700, 700, 0, 1.0, -0.6, 0.0))
                   .to(10, 40, pose(1340, 540, 700, 700, 0, 1.0, -0.5, 1.0), Ease::outCubic)
                   .to(40, 119, pose(1320, 540, 700, 700, 0, 1.05, -0.4), Ease::linear);
    for (SlotRecipe* s : {&a, &b}) {
        s->borderColor = QColor(150, 200, 255);
        s->shadow = QStringLiteral("0,0 2.5 120,170,255,120");
    }
    facing.objects = {a, b};
    TitleStyle words;
    words.font = QStringLiteral("League Spartan,SansSerif,60,#ffd27a");
    words.texture = QStringLiteral("gold.jpg");
    words.textureMaker = metal(QColor(170, 120, 40), QColor(255, 236, 170));
    words.shadow = QStringLiteral("0,0.04 0.1 0,0,0,200");
    words.from = QColor(20, 24, 60);
    words.to = QColor(60, 20, 80);
    t.scenes = {card,
                facing,
                title(3, night, words),
                portrait(4, night, style),
                duo(5, night, style),
                pair(6, night, style),
                trio(7, night, style)};
    return t;
}

ThemeRecipe filmReel()
{
    ThemeRecipe t = ThemeRecipe::named(4, "Film Reel", "film-reel", "fonts-roboto-unhinted");
    t.fadeOut = 30;
    const Backdrop film{QStringLiteral("film"), Backdrops::filmGrain(), true};
    LayoutStyle style;
    style.border = 0.02f;
    style.borderColor = QColor(20, 18, 16);
    style.turn = 0;
    // Three portrait frames entering one after another and leaving early, like a strip moving.
    SceneRecipe strip{1, 1, 120, film, {}};
    for (int i = 0; i < 3; ++i) {
        const int enter = i * 10;
        const int exit = 119 - (2 - i) * 10;
        const double x = 480 + i * 480;
        SlotRecipe frame = slot(style, pose(x, 540, 420, 560), 0.75f, i);
        frame.motion = Motion(enter, exit, pose(x + 120, 540, 420, 560, 0, 1.0, 0, 1.0))
                           .to(enter, enter + 20, pose(x, 540, 420, 560), Ease::outCubic)
                           .to(exit - 20, exit, pose(x - 120, 540, 420, 560), Ease::inCubic)
                           .fade(12, 12);
        frame.vPos = 1;
        strip.objects << frame;
    }
    // A close-up growing slowly and fading out.
    SceneRecipe close = single(2, film, style, QStringLiteral("zoom=\"1,1.15\""));
    close.objects[0].motion = Motion(0, 119, pose(960, 540, 1500, 1000, 0, 1.0))
                                  .to(0, 119, pose(960, 540, 1500, 1000, 0, 1.12), Ease::linear)
                                  .fade(0, 15);
    close.objects[0].borderWidth = 0;
    close.objects[0].hPos = 2;
    TitleStyle words;
    words.font = QStringLiteral("Roboto,SansSerif,60,#f2e9dc");
    words.shadow = QStringLiteral("0,0 0.05 0,0,0,255");
    words.from = QColor(40, 36, 32);
    words.to = QColor(12, 11, 10);
    t.scenes = {strip,
                close,
                title(3, film, words),
                portrait(4, film, style),
                duo(5, film, style),
                feature(6, film, style),
                pair(7, film, style)};
    return t;
}

ThemeRecipe oceanBreeze()
{
    ThemeRecipe t = ThemeRecipe::named(5, "Ocean Breeze", "ocean-breeze", "fonts-open-sans");
    t.sceneOverflow = 10;
    const auto sea = Backdrops::oceanBreeze();
    const Backdrop waves{QStringLiteral("sea"), sea, true};
    const Backdrop calm{QStringLiteral("sea"), sea, false};
    LayoutStyle style;
    style.entrance = LayoutStyle::Rise;
    style.stagger = 6;
    style.shadow = QStringLiteral("0.2,0.3 1 0,40,60,110");
    style.turn = 0;
    SceneRecipe big = single(2, waves, style, QStringLiteral("zoom=\"1.1,1\""));
    big.objects[0].borderWidth = 0.015f;
    TitleStyle words;
    words.font = QStringLiteral("Open Sans,SansSerif,60,#ffffff");
    words.shadow = QStringLiteral("0,0.03 0.1 0,50,70,180");
    words.from = QColor(30, 120, 140);
    words.to = QColor(236, 214, 170);
    t.scenes = {grid(1, calm, style),   big,
                title(3, waves, words), portrait(4, waves, style),
                pair(5, waves, style),  duo(6, calm, style),
                trio(7, waves, style)};
    return t;
}

ThemeRecipe galleryWhite()
{
    ThemeRecipe t = ThemeRecipe::named(6, "Gallery White", "gallery-white", "fonts-lato");
    const Backdrop wall{QStringLiteral("wall"),
                        Backdrops::gallery(QColor(246, 245, 242), QColor(200, 196, 190),
                                           QColor(250, 249, 247, 235), QColor(30, 30, 30, 60)),
                        true};
    LayoutStyle style;
    style.entrance = LayoutStyle::Grow;
    style.arrive = Ease::inOutCubic;
    style.arrival = 30;
    style.stagger = 12;
    style.border = 0.01f;
    style.borderColor = QColor(30, 30, 30);
    style.shadow = QStringLiteral("0.2,0.3 1.5 0,0,0,90");
    style.turn = 0;
    style.drift = 0.02;
    TitleStyle words;
    words.font = QStringLiteral("Lato Light,SansSerif,60,#262626");
    words.from = QColor(250, 249, 247);
    words.to = QColor(225, 222, 216);
    t.scenes = {single(1, wall, style, QStringLiteral("zoom=\"1,1.1\"")),
                pair(2, wall, style),
                title(3, wall, words),
                portrait(4, wall, style),
                duo(5, wall, style),
                feature(6, wall, style),
                trio(7, wall, style)};
    return t;
}

} // namespace Themes
