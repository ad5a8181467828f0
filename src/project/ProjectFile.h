#pragma once

#include "project/Project.h"
#include "project/ProjectInfo.h"

#include <QSharedPointer>
#include <QString>
#include <QStringList>

// The two XML files of a saved project folder. Writing goes to a temporary file that replaces
// the old one only when complete, so a crash or a full disk never leaves a broken file; a failed
// write returns false. Reading tolerates anything: a file that cannot be opened gives an empty
// result, a malformed one what was read before the error.
class ProjectFile
{
public:
    // "prj.xml": theme, render settings, tracks and slides, byte for byte as the format fixes.
    static bool writeProject(const QString& path, const Project& project);
    // A new project from the file; every referenced file that does not exist (or, for music,
    // cannot be decoded) is appended to `missing`. `damaged` (optional) tells whether the file
    // could not be opened or is not a whole, well-formed project.
    static QSharedPointer<Project> readProject(const QString& path, QStringList* missing,
                                               bool* damaged = nullptr);

    static bool writeInfo(const QString& path, const ProjectInfo& info);
    // `ok` (optional) is false when the file cannot be opened.
    static ProjectInfo readInfo(const QString& path, bool* ok = nullptr);

    // The XML of both files as bytes (what the writers store).
    static QByteArray projectXml(const Project& project);
    static QByteArray infoXml(const ProjectInfo& info);
    static QSharedPointer<Project> parseProject(QIODevice* device, QStringList* missing,
                                                bool* damaged = nullptr);
    static ProjectInfo parseInfo(QIODevice* device);
};
