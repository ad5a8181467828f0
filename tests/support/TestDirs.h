#pragma once

#include <QColor>
#include <QSize>
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
    // Writes a picture of one colour (in the format its suffix names, or `format`) and returns
    // its path; empty when it cannot be written.
    QString picture(const QString& relative, QColor color, QSize size = QSize(320, 240),
                    const char* format = nullptr) const;

private:
    QTemporaryDir root;
};

// A path nobody can create files in, not even root: it lies below a regular file.
QString unwritablePath(const TestDirs& dirs);
