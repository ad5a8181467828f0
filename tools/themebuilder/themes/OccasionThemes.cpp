// Themes for occasions: a wedding, travel, a children's party, a memorial, a sports season, and a
// black gallery beside the white one.
#include "Themes.h"

#include "Backdrops.h"
#include "Layouts.h"

using namespace Layouts;

namespace Themes {

ThemeRecipe everAfter()
{
    ThemeRecipe t = ThemeRecipe::named(7, "Ever After", "ever-after", "fonts-dancingscript");
    t.fadeIn = 30;
    t.fadeOut = 45;
    t.sceneOverflow = 18;
    const Backdrop veil{QStringLiteral("veil"), Backdrops::weddingLight(), true};
    LayoutStyle style;
    style.frames = 150;
    style.entrance = LayoutStyle::Grow;
    style.arrive = Ease::inOutCubic;
    style.arrival = 36;
    style.stagger = 12;
    style.border = 0.015f;
    style.shadow = QStringLiteral("0.2,0.3 1.5 120,80,70,90");
    style.turn = 1.5;
    style.drift = 0.025;
    TitleStyle words;
    words.font = QStringLiteral("Dancing Script,Serif,60,#8a5a48");
    words.shadow = QStringLiteral("0,0.02 0.06 255,255,255,220");
    words.from = QColor(253, 247, 238);
    words.to = QColor(230, 200, 194);
    words.frames = 150;
    t.scenes = {single(1, veil, style, QStringLiteral("zoom=\"1,1.1\"")),
                pair(2, veil, style),
                title(3, veil, words),
                portrait(4, veil, style),
                trio(5, veil, style),
                prints(6, veil, style),
                feature(7, veil, style)};
    return t;
}

ThemeRecipe postmarks()
{
    ThemeRecipe t = ThemeRecipe::named(8, "Postmarks", "postmarks", "fonts-roboto-slab");
    t.sceneOverflow = 12;
    const Backdrop map{QStringLiteral("map"), Backdrops::travelMap(), true};
    LayoutStyle style;
    style.entrance = LayoutStyle::Drop;
    style.arrive = Ease::outBack;
    style.arrival = 22;
    style.stagger = 10;
    style.border = 0.05f;
    style.borderColor = QColor(250, 248, 242);
    style.shadow = QStringLiteral("0.3,0.45 1 50,35,15,130");
    style.turn = 2.5;
    TitleStyle words;
    words.font = QStringLiteral("Roboto Slab,Serif,60,#2f3a56");
    words.shadow = QStringLiteral("0.02,0.03 0.05 255,250,235,200");
    words.from = QColor(232, 220, 194);
    words.to = QColor(196, 170, 130);
    words.turn = -2;
    t.scenes = {single(1, map, style),   prints(2, map, style), title(3, map, words),
                portrait(4, map, style), pair(5, map, style),   grid(6, map, style),
                trio(7, map, style)};
    return t;
}

ThemeRecipe confetti()
{
    ThemeRecipe t = ThemeRecipe::named(9, "Confetti", "confetti", "fonts-comfortaa");
    t.fadeIn = 10;
    t.fadeOut = 15;
    t.sceneOverflow = 9;
    const Backdrop party{QStringLiteral("party"), Backdrops::confetti(), true};
    LayoutStyle style;
    style.frames = 75;
    style.arrive = Ease::outBack;
    style.arrival = 14;
    style.stagger = 5;
    style.border = 0.035f;
    style.shadow = QStringLiteral("0.3,0.4 1 200,60,120,120");
    style.turn = 4;
    style.drift = 0.04;
    TitleStyle words;
    words.font = QStringLiteral("Comfortaa,SansSerif,60,#ff4f87");
    words.shadow = QStringLiteral("0.03,0.04 0.02 255,255,255,255");
    words.from = QColor(255, 244, 214);
    words.to = QColor(255, 190, 210);
    words.turn = -3;
    words.frames = 75;
    t.scenes = {single(1, party, style, QStringLiteral("zoom=\"1,1.15\"")),
                grid(2, party, style),
                title(3, party, words),
                portrait(4, party, style),
                trio(5, party, style),
                pair(6, party, style),
                prints(7, party, style)};
    return t;
}

ThemeRecipe candlelight()
{
    ThemeRecipe t = ThemeRecipe::named(10, "Candlelight", "candlelight", "fonts-linuxlibertine");
    t.fadeIn = 45;
    t.fadeOut = 60;
    t.sceneOverflow = 18;
    const Backdrop glow{QStringLiteral("glow"), Backdrops::candlelight(), true};
    LayoutStyle style;
    style.frames = 165;
    style.entrance = LayoutStyle::Grow;
    style.arrive = Ease::inOutCubic;
    style.arrival = 45;
    style.stagger = 15;
    style.border = 0.008f;
    style.borderColor = QColor(232, 220, 200);
    style.shadow = QStringLiteral("0,0 2 0,0,0,160");
    style.turn = 0;
    style.drift = 0.02;
    TitleStyle words;
    words.font = QStringLiteral("Linux Libertine O,Serif,60,#eadfcb");
    words.shadow = QStringLiteral("0,0.03 0.1 0,0,0,200");
    words.from = QColor(26, 26, 34);
    words.to = QColor(60, 46, 40);
    words.frames = 165;
    t.scenes = {single(1, glow, style, QStringLiteral("zoom=\"1,1.08\"")),
                prints(2, glow, style),
                title(3, glow, words),
                portrait(4, glow, style),
                pair(5, glow, style),
                feature(6, glow, style),
                duo(7, glow, style)};
    return t;
}

ThemeRecipe season()
{
    ThemeRecipe t = ThemeRecipe::named(11, "Season", "season", "fonts-yanone-kaffeesatz");
    // Short cross-fades: scenes cut on the pace.
    t.fadeIn = 6;
    t.fadeOut = 15;
    t.sceneOverflow = 4;
    const Backdrop stadium{QStringLiteral("stadium"), Backdrops::stadium(), true};
    LayoutStyle style;
    style.frames = 60;
    style.arrival = 10;
    style.stagger = 4;
    style.border = 0.018f;
    style.borderColor = QColor(255, 110, 20);
    style.shadow = QStringLiteral("0.3,0.3 0.8 0,0,0,150");
    style.turn = 3;
    style.drift = 0.04;
    TitleStyle words;
    words.font = QStringLiteral("Yanone Kaffeesatz,SansSerif,60,#ffffff");
    words.shadow = QStringLiteral("0.03,0.03 0.02 255,110,20,255");
    words.from = QColor(10, 22, 60);
    words.to = QColor(255, 110, 20);
    words.turn = -3;
    words.frames = 60;
    t.scenes = {single(1, stadium, style, QStringLiteral("zoom=\"1,1.15\"")),
                duo(2, stadium, style),
                title(3, stadium, words),
                portrait(4, stadium, style),
                trio(5, stadium, style),
                grid(6, stadium, style),
                pair(7, stadium, style)};
    return t;
}

ThemeRecipe galleryBlack()
{
    ThemeRecipe t = ThemeRecipe::named(12, "Gallery Black", "gallery-black", "fonts-cantarell");
    const Backdrop wall{QStringLiteral("wall"),
                        Backdrops::gallery(QColor(20, 20, 22), QColor(44, 44, 48),
                                           QColor(14, 14, 16, 235), QColor(220, 220, 220, 50)),
                        true};
    LayoutStyle style;
    style.entrance = LayoutStyle::Grow;
    style.arrival = 30;
    style.stagger = 12;
    style.border = 0.006f;
    style.borderColor = QColor(235, 235, 235);
    style.turn = 0;
    style.drift = 0.02;
    TitleStyle words;
    words.font = QStringLiteral("Cantarell Light,SansSerif,60,#f2f2f2");
    words.from = QColor(20, 20, 22);
    words.to = QColor(50, 50, 54);
    t.scenes = {single(1, wall, style, QStringLiteral("zoom=\"1,1.1\"")),
                trio(2, wall, style),
                title(3, wall, words),
                portrait(4, wall, style),
                duo(5, wall, style),
                feature(6, wall, style),
                pair(7, wall, style)};
    return t;
}

} // namespace Themes
