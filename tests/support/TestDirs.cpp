#include "TestDirs.h"

#include <QDir>
#include <QFile>
#include <QImage>

TestDirs::TestDirs()
{
    const QString base = root.path();
    for (const char* name : {"home", "config", "data", "cache", "runtime"})
        QDir(base).mkpath(QString::fromLatin1(name));
    qputenv("HOME", (base + "/home").toUtf8());
    qputenv("XDG_CONFIG_HOME", (base + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (base + "/data").toUtf8());
    qputenv("XDG_CACHE_HOME", (base + "/cache").toUtf8());
    qputenv("XDG_RUNTIME_DIR", (base + "/runtime").toUtf8());
    QFile::setPermissions(base + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QString TestDirs::picture(const QString& relative, QColor color, QSize size,
                          const char* format) const
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    const QString path = file(relative);
    return image.save(path, format) ? path : QString();
}

QString unwritablePath(const TestDirs& dirs)
{
    const QString blocker = dirs.file(QStringLiteral("blocker-file"));
    QFile file(blocker);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a folder");
    return blocker + QStringLiteral("/inside");
}
