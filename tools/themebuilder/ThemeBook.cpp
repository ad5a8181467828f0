#include "ThemeBook.h"

#include "themes/Themes.h"

QList<ThemeRecipe> themeBook()
{
    using namespace Themes;
    return {goldenHour(),  paperAlbum(),   nightLights(), filmReel(),
            oceanBreeze(), galleryWhite(), everAfter(),   postmarks(),
            confetti(),    candlelight(),  season(),      galleryBlack()};
}
