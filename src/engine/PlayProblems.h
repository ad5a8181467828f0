#pragma once

#include <QMutex>
#include <QSet>
#include <QString>
#include <QStringList>

// What the person has been told during one play of a project. A preview replays scenes at every
// seek, and a photo or a background that cannot be read is told once, not each time it comes
// round. Shared by the engines of one play; any thread.
class PlayProblems
{
public:
    // Of `files`, those not told of before, now counted as told.
    QStringList untold(const QStringList& files);
    // True the first time only: the plan's photos are checked once per play.
    bool claimPhotoCheck();

private:
    QMutex lock;
    QSet<QString> told;
    bool photosChecked = false;
};
