#pragma once

#include <QString>

class QTranslator;

// The program's translation catalogues are compiled in under ":/translations".
class Translations
{
public:
    // Loads the catalogue for a locale name such as "de_DE": the name is tried whole, then
    // shortened at the underscore. False when no catalogue matches (English stays).
    static bool load(QTranslator& translator, const QString& localeName);
    // Qt's own texts in that language (the file chooser's buttons, the text fields' menus), from
    // the system's Qt translations; false when they are not installed.
    static bool loadQt(QTranslator& translator, const QString& localeName);
};
