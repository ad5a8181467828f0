#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// One saved project as the start screen lists it.
struct SavedProjectRecord
{
    QString id;        // the project folder's name
    QString name;      // the theme's name
    QString title;     // the name the person gave the project, or empty
    QString audioName; // the first track's path, or empty
    int slidesCount = 0;
    QString thumb;    // picture id of the cover: id + "/0"
    QStringList imgs; // picture ids of the small previews: id + "/1" ... "/5"
    QDateTime lastModified;
};
