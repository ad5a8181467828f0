#include "ThemeBook.h"

#include "Backdrops.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

Pose pose(double x, double y, double w, double h, double rotation = 0, double scale = 1.0,
          double tilt = 0, double opacity = 1.0)
{
    Pose p;
    p.centre = QPointF(x, y);
    p.width = w;
    p.height = h;
    p.rotation = rotation;
    p.scale = scale;
    p.tilt = tilt;
    p.opacity = opacity;
    return p;
}

SlotRecipe photo(Motion motion, float aspect)
{
    SlotRecipe slot{motion};
    slot.aspect = aspect;
    return slot;
}

SlotRecipe text(Motion motion, const QString& font)
{
    SlotRecipe slot{motion};
    slot.aspect = 16.0f / 9.0f;
    slot.font = font;
    return slot;
}

// A slide background for text thumbnails: the theme's colours as a soft gradient.
std::function<QImage()> swatch(QColor from, QColor to)
{
    return [from, to] {
        QImage image(300, 300, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient g(0, 0, 300, 300);
        g.setColorAt(0, from);
        g.setColorAt(1, to);
        p.fillRect(image.rect(), g);
        return image;
    };
}

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

ThemeRecipe goldenHour()
{
    ThemeRecipe t;
    t.id = 1;
    t.name = "Golden Hour";
    t.slug = "golden-hour";
    const auto bg = Backdrops::goldenHour();
    // One landscape photo: a slow push in, a slight turn.
    SceneRecipe one{1, 1, 120, true, bg, {}};
    SlotRecipe wide = photo(Motion(0, 119, pose(960, 560, 1250, 833, -2, 0.94))
                                .to(0, 119, pose(960, 530, 1250, 833, 1, 1.04), Ease::linear),
                            1.5f);
    wide.borderWidth = 0.025f;
    wide.shadow = "0.3,0.4 1.2 60,30,10,150";
    // Inside its frame the photo itself drifts closer, across its longer side.
    wide.panZoom = "zoom=\"1,1.12\"";
    one.objects = {wide};
    // Two photos sliding in from both sides at different speeds (parallax).
    SceneRecipe two{2, 1, 120, true, bg, {}};
    SlotRecipe left = photo(Motion(0, 119, pose(-300, 540, 760, 570, -4))
                                .to(0, 30, pose(520, 540, 760, 570, -3), Ease::outCubic)
                                .to(30, 119, pose(490, 545, 760, 570, -2), Ease::linear),
                            4.0f / 3.0f);
    SlotRecipe right = photo(Motion(8, 119, pose(2300, 540, 600, 800, 5))
                                 .to(8, 44, pose(1400, 520, 600, 800, 3), Ease::outCubic)
                                 .to(44, 119, pose(1440, 515, 600, 800, 2), Ease::linear),
                             0.75f);
    for (SlotRecipe* s : {&left, &right}) {
        s->borderWidth = 0.03f;
        s->shadow = "0.3,0.4 1.2 60,30,10,150";
    }
    two.objects = {left, right};
    SceneRecipe words{3, 2, 90, true, bg, {}};
    SlotRecipe title =
        text(Motion(0, 89, pose(960, 560, 1600, 900, 0, 0.9, 0, 1.0))
                 .to(0, 25, pose(960, 540, 1600, 900, 0, 1.0, 0, 1.0), Ease::outCubic),
             "Lato,SansSerif,60,#fff8ec");
    title.shadow = "0.02,0.03 0.08 80,40,10,160";
    title.slideBackground = "slide-bg.jpg";
    title.slideBackgroundMaker = swatch(QColor(255, 190, 120), QColor(160, 70, 60));
    words.objects = {title};
    t.scenes = {one, two, words};
    return t;
}

ThemeRecipe paperAlbum()
{
    ThemeRecipe t;
    t.id = 2;
    t.name = "Paper Album";
    t.slug = "paper-album";
    t.sceneOverflow = 12;
    const auto bg = Backdrops::paper(QColor(240, 232, 214), QColor(120, 90, 60));
    const QString shadow = "0.5,0.7 1.5 40,25,10,130";
    // Instant-photo prints dropping onto the page, each with a thick white frame.
    auto print = [&](int enter, QPointF at, double rotation, float aspect, double width) {
        const double height = width / aspect;
        SlotRecipe s =
            photo(Motion(enter, 134, pose(at.x(), -400, width, height, rotation + 8, 1.1))
                      .to(enter, enter + 24, pose(at.x(), at.y(), width, height, rotation),
                          Ease::outBack),
                  aspect);
        s.borderWidth = 0.06f;
        s.borderColor = QColor(252, 250, 245);
        s.shadow = shadow;
        return s;
    };
    // The single print settles in place (it is what saved projects show on their cover).
    SlotRecipe settling = print(0, {960, 540}, -3, 1.33f, 1050);
    settling.motion = Motion(0, 134, pose(960, 540, 1050, 790, 4, 1.08))
                          .to(0, 30, pose(960, 540, 1050, 790, -3), Ease::outBack);
    settling.panZoom = "zoom=\"1,1.1\"";
    SceneRecipe single{1, 1, 135, false, bg, {settling}};
    SceneRecipe three{2,
                      1,
                      135,
                      false,
                      bg,
                      {print(0, {560, 420}, -6, 1.0f, 560), print(12, {1380, 430}, 5, 1.33f, 640),
                       print(24, {980, 760}, -1, 1.5f, 620)}};
    SceneRecipe words{3, 2, 100, false, bg, {}};
    SlotRecipe caption = text(Motion(0, 99, pose(960, 560, 1500, 840, -2, 1.0))
                                  .to(0, 30, pose(960, 540, 1500, 840, -1, 1.0), Ease::outCubic),
                              "EB Garamond,Serif,60,#4a3523");
    caption.slideBackground = "slide-bg.jpg";
    caption.slideBackgroundMaker = swatch(QColor(244, 236, 220), QColor(220, 205, 180));
    words.objects = {caption};
    t.scenes = {single, three, words};
    return t;
}

ThemeRecipe nightBokeh()
{
    ThemeRecipe t;
    t.id = 3;
    t.name = "Night Lights";
    t.slug = "night-lights";
    const auto bg = Backdrops::nightBokeh();
    // A card that turns towards the viewer, holds, and turns away.
    SceneRecipe card{1, 1, 120, true, bg, {}};
    SlotRecipe turning =
        photo(Motion(0, 119, pose(960, 540, 1200, 800, 0, 0.92, 0.6, 1.0))
                  .to(0, 24, pose(960, 540, 1200, 800, 0, 1.0, 0.0, 1.0), Ease::outCubic)
                  .to(95, 119, pose(960, 540, 1200, 800, 0, 0.9, -0.9, 0.0), Ease::inCubic),
              1.5f);
    turning.borderWidth = 0.012f;
    turning.borderColor = QColor(255, 210, 120);
    turning.shadow = "0,0 2.5 255,190,90,120";
    turning.panZoom = "zoom=\"1.1,1\"";
    card.objects = {turning};
    SceneRecipe pair{2, 1, 120, true, bg, {}};
    SlotRecipe a = photo(Motion(0, 119, pose(560, 540, 700, 700, 0, 1.0, 0.6))
                             .to(0, 119, pose(600, 540, 700, 700, 0, 1.05, 0.4), Ease::linear),
                         1.0f);
    SlotRecipe b =
        photo(Motion(10, 119, pose(1360, 540, 700, 700, 0, 1.0, -0.6, 0.0))
                  .to(10, 40, pose(1340, 540, 700, 700, 0, 1.0, -0.5, 1.0), Ease::outCubic)
                  .to(40, 119, pose(1320, 540, 700, 700, 0, 1.05, -0.4), Ease::linear),
              1.0f);
    for (SlotRecipe* s : {&a, &b}) {
        s->borderWidth = 0.015f;
        s->borderColor = QColor(150, 200, 255);
        s->shadow = "0,0 2.5 120,170,255,120";
        s->hPos = 0;
    }
    pair.objects = {a, b};
    SceneRecipe words{3, 2, 90, true, bg, {}};
    SlotRecipe gold =
        text(Motion(0, 89, pose(960, 540, 1700, 956, 0, 1.15, 0, 1.0))
                 .to(0, 30, pose(960, 540, 1700, 956, 0, 1.0, 0, 1.0), Ease::outCubic),
             "League Spartan,SansSerif,60,#ffd27a");
    gold.texture = "gold.jpg";
    gold.textureMaker = metal(QColor(170, 120, 40), QColor(255, 236, 170));
    gold.shadow = "0,0.04 0.1 0,0,0,200";
    gold.slideBackground = "slide-bg.jpg";
    gold.slideBackgroundMaker = swatch(QColor(20, 24, 60), QColor(60, 20, 80));
    words.objects = {gold};
    t.scenes = {card, pair, words};
    return t;
}

ThemeRecipe filmStrip()
{
    ThemeRecipe t;
    t.id = 4;
    t.name = "Film Reel";
    t.slug = "film-reel";
    t.fadeOut = 30;
    const auto bg = Backdrops::filmGrain();
    // Three portrait frames entering one after another and leaving early, like a strip moving.
    SceneRecipe strip{1, 1, 120, true, bg, {}};
    for (int i = 0; i < 3; ++i) {
        const int enter = i * 10;
        const int exit = 119 - (2 - i) * 10;
        const double x = 480 + i * 480;
        SlotRecipe frame =
            photo(Motion(enter, exit, pose(x + 120, 540, 420, 560, 0, 1.0, 0, 1.0))
                      .to(enter, enter + 20, pose(x, 540, 420, 560), Ease::outCubic)
                      .to(exit - 20, exit, pose(x - 120, 540, 420, 560), Ease::inCubic)
                      .fade(12, 12),
                  0.75f);
        frame.borderWidth = 0.02f;
        frame.borderColor = QColor(20, 18, 16);
        frame.vPos = 1;
        strip.objects << frame;
    }
    SceneRecipe close{2, 1, 120, true, bg, {}};
    SlotRecipe closeUp = photo(Motion(0, 119, pose(960, 540, 1500, 1000, 0, 1.0))
                                   .to(0, 119, pose(960, 540, 1500, 1000, 0, 1.12), Ease::linear)
                                   .fade(0, 15),
                               1.5f);
    closeUp.hPos = 2;
    closeUp.panZoom = "zoom=\"1,1.15\"";
    close.objects = {closeUp};
    SceneRecipe words{3, 2, 90, true, bg, {}};
    SlotRecipe credit =
        text(Motion(0, 89, pose(960, 580, 1400, 788, 0, 1.0, 0, 1.0))
                 .to(0, 20, pose(960, 540, 1400, 788, 0, 1.0, 0, 1.0), Ease::outCubic)
                 .fade(0, 15),
             "Roboto,SansSerif,60,#f2e9dc");
    credit.shadow = "0,0 0.05 0,0,0,255";
    credit.slideBackground = "slide-bg.jpg";
    credit.slideBackgroundMaker = swatch(QColor(40, 36, 32), QColor(12, 11, 10));
    words.objects = {credit};
    t.scenes = {strip, close, words};
    return t;
}

ThemeRecipe oceanBreeze()
{
    ThemeRecipe t;
    t.id = 5;
    t.name = "Ocean Breeze";
    t.slug = "ocean-breeze";
    t.sceneOverflow = 10;
    const auto bg = Backdrops::oceanBreeze();
    // Four tiles gliding up into a grid, each aligned to its corner of the page.
    SceneRecipe grid{1, 1, 120, false, bg, {}};
    const QList<QPointF> at = {{620, 330}, {1300, 330}, {620, 760}, {1300, 760}};
    for (int i = 0; i < 4; ++i) {
        SlotRecipe tile =
            photo(Motion(i * 6, 119, pose(at[i].x(), at[i].y() + 200, 640, 400, 0, 1.0, 0, 0.0))
                      .to(i * 6, i * 6 + 24, pose(at[i].x(), at[i].y(), 640, 400), Ease::outCubic),
                  1.6f);
        tile.borderWidth = 0.02f;
        tile.shadow = "0.2,0.3 1 0,40,60,110";
        tile.hPos = i % 2 == 0 ? 2 : 1;
        tile.vPos = i < 2 ? 2 : 1;
        grid.objects << tile;
    }
    SceneRecipe feature{2, 1, 120, false, bg, {}};
    SlotRecipe big = photo(Motion(0, 119, pose(960, 540, 1400, 860, 0, 1.06))
                               .to(0, 119, pose(960, 540, 1400, 860, 0, 1.0), Ease::linear),
                           1.6f);
    big.borderWidth = 0.015f;
    big.shadow = "0.2,0.3 1 0,40,60,110";
    big.panZoom = "zoom=\"1.1,1\"";
    feature.objects = {big};
    SceneRecipe words{3, 2, 90, false, bg, {}};
    SlotRecipe caption =
        text(Motion(0, 89, pose(960, 500, 1500, 844, 0, 1.0, 0, 1.0))
                 .to(0, 25, pose(960, 540, 1500, 844, 0, 1.0, 0, 1.0), Ease::outCubic),
             "Open Sans,SansSerif,60,#ffffff");
    caption.shadow = "0,0.03 0.1 0,50,70,180";
    caption.slideBackground = "slide-bg.jpg";
    caption.slideBackgroundMaker = swatch(QColor(30, 120, 140), QColor(236, 214, 170));
    words.objects = {caption};
    t.scenes = {grid, feature, words};
    return t;
}

ThemeRecipe minimalWhite()
{
    ThemeRecipe t;
    t.id = 6;
    t.name = "Gallery White";
    t.slug = "gallery-white";
    const auto bg = Backdrops::minimalWhite();
    SceneRecipe landscape{1, 1, 120, false, bg, {}};
    SlotRecipe hang = photo(Motion(0, 119, pose(960, 540, 1300, 760, 0, 0.96))
                                .to(0, 119, pose(960, 540, 1300, 760, 0, 1.02), Ease::inOutCubic),
                            1.71f);
    hang.shadow = "0.2,0.3 1.5 0,0,0,90";
    hang.borderWidth = 0.01f;
    hang.borderColor = QColor(30, 30, 30);
    hang.panZoom = "zoom=\"1,1.1\"";
    landscape.objects = {hang};
    SceneRecipe portrait{2, 1, 120, false, bg, {}};
    SlotRecipe tall = photo(Motion(0, 119, pose(760, 540, 560, 760, 0, 1.0, 0, 0.0))
                                .to(0, 20, pose(760, 540, 560, 760), Ease::outCubic),
                            0.74f);
    SlotRecipe side = photo(Motion(15, 119, pose(1300, 560, 480, 360, 0, 1.0, 0, 0.0))
                                .to(15, 35, pose(1300, 540, 480, 360), Ease::outCubic),
                            1.33f);
    for (SlotRecipe* s : {&tall, &side}) {
        s->shadow = "0.2,0.3 1.5 0,0,0,90";
        s->borderWidth = 0.01f;
        s->borderColor = QColor(30, 30, 30);
        s->vPos = 1;
    }
    portrait.objects = {tall, side};
    SceneRecipe words{3, 2, 90, false, bg, {}};
    SlotRecipe caption = text(Motion(0, 89, pose(960, 540, 1500, 844, 0, 0.94))
                                  .to(0, 30, pose(960, 540, 1500, 844, 0, 1.0), Ease::outCubic),
                              "Lato Light,SansSerif,60,#262626");
    caption.slideBackground = "slide-bg.jpg";
    caption.slideBackgroundMaker = swatch(QColor(250, 249, 247), QColor(225, 222, 216));
    words.objects = {caption};
    t.scenes = {landscape, portrait, words};
    return t;
}

// A portrait photo standing alone, framed like the theme's first photo, settling and then drifting
// slowly while the photo inside it pans along its height: where portrait photos go.
ThemeRecipe withPortraitScene(ThemeRecipe theme)
{
    const SceneRecipe& first = theme.scenes.first();
    SlotRecipe tall = first.objects.first();
    tall.motion = Motion(0, 119, pose(960, 560, 600, 800, -1, 0.97, 0, 0.0))
                      .to(0, 18, pose(960, 545, 600, 800, -1, 1.0), Ease::outCubic)
                      .to(18, 119, pose(960, 535, 600, 800, 1, 1.03), Ease::linear);
    tall.aspect = 0.75f;
    tall.maxSize = 0.8f;
    tall.panZoom = "zoom=\"1,1.08\"";
    SceneRecipe portrait{4, 1, 120, first.video, first.backdrop, {tall}};
    theme.scenes << portrait;
    return theme;
}

} // namespace

QList<ThemeRecipe> themeBook()
{
    QList<ThemeRecipe> book;
    for (const ThemeRecipe& theme :
         {goldenHour(), paperAlbum(), nightBokeh(), filmStrip(), oceanBreeze(), minimalWhite()})
        book << withPortraitScene(theme);
    return book;
}
