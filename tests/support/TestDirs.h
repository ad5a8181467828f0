#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the user's data, configuration and cache folders at a private temporary folder, so that
// tests never touch the real ones. Call before the first QSettings or QStandardPaths use.
class TestDirs
{
public:
    TestDirs();
    QString path() const { return root.path(); }
    QString file(const QString& relative) const { return root.filePath(relative); }

private:
    QTemporaryDir root;
};

// A path nobody can create files in, not even root: it lies below a regular file.
QString unwritablePath(const TestDirs& dirs);
