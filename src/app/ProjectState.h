#pragma once

#include "project/Project.h"
#include "project/Slide.h"

#include <QSharedPointer>
#include <QString>
#include <QVector>

// What a person can change in a project, as it stands at one moment: the slides in order with
// their turns and texts (slide records are shared and edited in place, so these are copied),
// the tracks, the theme and the timing. Undo and redo go back and forth between such states.
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
    int pace = 0;
    bool fitsMusic = true;
    bool cutsOnBeat = true;

    bool operator==(const ProjectState& other) const
    {
        return slides == other.slides && tracks == other.tracks && themeId == other.themeId &&
               pace == other.pace && fitsMusic == other.fitsMusic && cutsOnBeat == other.cutsOnBeat;
    }
    bool operator!=(const ProjectState& other) const { return !(*this == other); }
};
