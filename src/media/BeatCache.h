#pragma once

#include "media/BeatAnalysis.h"

#include <QByteArray>
#include <QString>

// Beats are found once per song: they are kept in the user's cache folder under the SHA-256 of
// the file's content, so a song renamed, copied or added to another project is not analysed
// again, and a song edited in place is. The window and the command-line renderer share them.
class BeatCache
{
public:
    // "<the user's cache folder>/beats".
    static QString folder();
    // The beats of the file at `path`, from the cache or analysed (and then kept); false when
    // stopped. `fromCache` says which. Throws a Failure when the file cannot be read as music.
    // A cache that cannot be written only means the next open analyses again.
    static bool find(const QString& path, BeatGrid* grid,
                     const BeatAnalysis::Progress& progress = {}, bool* fromCache = nullptr);
    // The file's SHA-256 in hex; empty when it cannot be read.
    static QByteArray contentHash(const QString& path);
};
