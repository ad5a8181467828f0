#pragma once

#include "base/Worker.h"
#include "media/BeatGrid.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

Q_DECLARE_METATYPE(BeatGrid)

// Finds the beats of music files one after the other on a thread of its own, from the cache or
// by analysis, and says what it found in queued signals.
class BeatWorker : public Worker
{
    Q_OBJECT
public:
    explicit BeatWorker(QStringList paths);

signals:
    // The analysis of `path` is `percent` done (only while analysing, never for the cache).
    void progress(QString path, int percent);
    void found(QString path, BeatGrid grid);
    // The file could not be read as music.
    void failed(QString path);

protected:
    void run() override;

private:
    QStringList paths;
};
