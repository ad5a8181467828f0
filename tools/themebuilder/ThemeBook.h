#pragma once

#include "ThemeRecipe.h"

// Lumavive's own themes, ids 1..N.
QList<ThemeRecipe> themeBook();
