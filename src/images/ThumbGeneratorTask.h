#pragma once

#include <QMetaType>
#include <QString>

// A thumbnail request: the image file and the box (in pixels) the thumbnail must cover.
// Travels in queued signals; two tasks are equal when all three fields are.
struct ThumbGeneratorTask
{
    QString path;
    int height = 0;
    int width = 0;

    bool operator==(const ThumbGeneratorTask& other) const
    {
        return path == other.path && height == other.height && width == other.width;
    }
};

Q_DECLARE_METATYPE(ThumbGeneratorTask)

// Registered at static initialisation of the program; calling it again is harmless.
void registerThumbGeneratorTask();
