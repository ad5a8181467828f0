#pragma once

#include <QByteArray>
#include <QString>

// One background video to fetch.
struct DownloadItem
{
    QString url;
    QString path;   // local file to write
    int weight = 0; // the scene's frame count: the video's share of the progress
    // What the installed description vouches for: the file's SHA-256 (lower-case hex) and size
    // in bytes. Empty and -1 when it does not say.
    QByteArray sha256;
    qint64 size = -1;
};
