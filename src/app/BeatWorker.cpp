#include "app/BeatWorker.h"

#include "base/Failure.h"
#include "media/BeatCache.h"

BeatWorker::BeatWorker(QStringList paths) : paths(std::move(paths))
{
    qRegisterMetaType<BeatGrid>();
}

void BeatWorker::run()
{
    for (const QString& path : paths) {
        if (stopRequested())
            return;
        BeatGrid grid;
        try {
            if (!BeatCache::find(path, &grid, [&](int percent) {
                    emit progress(path, percent);
                    return !stopRequested();
                }))
                return;
        } catch (const Failure&) {
            emit failed(path);
            continue;
        }
        emit found(path, grid);
    }
}
