#include "TestDirs.h"

#include <QDir>
#include <QFile>

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

QString unwritablePath(const TestDirs& dirs)
{
    const QString blocker = dirs.file(QStringLiteral("blocker-file"));
    QFile file(blocker);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a folder");
    return blocker + QStringLiteral("/inside");
}
