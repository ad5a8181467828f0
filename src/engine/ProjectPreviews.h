#pragma once

#include "engine/PendingPreview.h"
#include "project/Project.h"

#include <QImage>
#include <QList>
#include <QMap>

// The pictures of a saved project folder: "thumb.png", slide 1 placed in the theme on its cover
// picture, and "1_thumb.png" ... "5_thumb.png", 120 x 120 previews of slides 2 to 6. A position
// whose content has not changed since the last save (of the same project and theme) is not
// made again; photo previews are completed when their thumbnails arrive.
class ProjectPreviews
{
public:
    static constexpr int kSmall = 120;

    // Writes what changed into `folder` (ending in "/"); returns the photo previews that wait
    // for a thumbnail (already requested from the generator).
    QList<PendingPreview> update(const Project& project, const QString& folder);
    // Completes a waiting preview with a thumbnail: covers 120 x 120, centre cut.
    static bool complete(const PendingPreview& preview, const QImage& thumbnail);

    static QString fileName(int position); // 1: "thumb.png", n: "<n-1>_thumb.png"
    // What a small text preview shows: at most 20 characters, trimmed, then "...".
    static QString previewText(const QString& text);

private:
    struct Memory
    {
        int themeId = -1;
        QMap<int, QString> content; // position -> photo path or text last previewed there
    };
    static QImage cover(const Project& project, const Slide& slide);
    static QImage smallText(const QString& text);

    QMap<QString, Memory> memory; // by project id
};
