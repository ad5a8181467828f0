#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// Writes a whole file or nothing: the old file stays as it was until the new one is complete,
// so a crash, a full disk or an unwritable folder never leaves half a file behind.
namespace AtomicFile {

bool write(const QString& path, const QByteArray& bytes);
// `fill` writes the contents into the device and says whether all of it went in.
bool write(const QString& path, const std::function<bool(QIODevice&)>& fill);

} // namespace AtomicFile
