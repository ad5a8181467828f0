#pragma once

#include "ThemeRecipe.h"

// The built-in themes, one recipe each. Ids are fixed: saved projects name their theme by id.
namespace Themes {
ThemeRecipe goldenHour();   // 1: warm light, photos sliding in
ThemeRecipe paperAlbum();   // 2: prints dropping onto paper
ThemeRecipe nightLights();  // 3: cards turning in a night of bokeh
ThemeRecipe filmReel();     // 4: frames of a film strip, grain and flicker
ThemeRecipe oceanBreeze();  // 5: tiles rising over the sea
ThemeRecipe galleryWhite(); // 6: a white gallery wall, calm
ThemeRecipe everAfter();    // 7: a wedding: soft light, a script
ThemeRecipe postmarks();    // 8: travel: a map with stamps and routes
ThemeRecipe confetti();     // 9: a children's party: bright, playful, fast
ThemeRecipe candlelight();  // 10: a memorial: dark, calm, slow
ThemeRecipe season();       // 11: a sports season: energetic, short cuts
ThemeRecipe galleryBlack(); // 12: a black gallery wall, calm
} // namespace Themes
