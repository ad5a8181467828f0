#include "engine/PlayProblems.h"

#include <utility>

QStringList PlayProblems::untold(const QStringList& files)
{
    QMutexLocker locked(&lock);
    QStringList fresh;
    for (const QString& file : files) {
        if (!told.contains(file)) {
            told.insert(file);
            fresh << file;
        }
    }
    return fresh;
}

bool PlayProblems::claimPhotoCheck()
{
    QMutexLocker locked(&lock);
    return !std::exchange(photosChecked, true);
}
