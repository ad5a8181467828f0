#pragma once

#include "project/Project.h"
#include "project/Slide.h"

#include <QSharedPointer>
#include <QString>
#include <QVector>

// What a person can change in a project, as it stands at one moment: the slides in order with
// their turns and texts (slide records are shared and edited in place, so these are copied),
// the tracks and the theme. Undo and redo go back and forth between such states.
struct ProjectState
{
    struct SlideState
    {
        QSharedPointer<Slide> slide;
        int rotation = 0;
        QString text;
        bool operator==(const SlideState& other) const
        {
            return slide == other.slide && rotation == other.rotation && text == other.text;
        }
    };

    QVector<SlideState> slides;
    TrackList tracks;
    int themeId = 0;

    bool operator==(const ProjectState& other) const
    {
        return slides == other.slides && tracks == other.tracks && themeId == other.themeId;
    }
    bool operator!=(const ProjectState& other) const { return !(*this == other); }
};
