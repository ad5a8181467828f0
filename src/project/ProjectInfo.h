#pragma once

#include <QString>

// What the start screen shows of a saved project without reading it whole ("info.xml").
struct ProjectInfo
{
    QString name;         // the theme's name
    QString audio;        // the first track's path, or empty
    int slidesnumber = 0; // all slides, not only the used ones
    QString title;        // the name the person gave the project; written only when set
};
