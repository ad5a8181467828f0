#include "base/AtomicFile.h"

#include <QSaveFile>

bool AtomicFile::write(const QString& path, const std::function<bool(QIODevice&)>& fill)
{
    QSaveFile file(path);
    // commit() renames only after every byte was flushed; a failed write cancels it.
    return file.open(QIODevice::WriteOnly) && fill(file) && file.commit();
}

bool AtomicFile::write(const QString& path, const QByteArray& bytes)
{
    // A full disk may take part of a buffer without an error: every byte is counted.
    return write(path, [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}
