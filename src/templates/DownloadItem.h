#pragma once

#include <QString>

// One background video to fetch.
struct DownloadItem
{
    QString url;
    QString path;   // local file to write
    int weight = 0; // the scene's frame count: the video's share of the progress
};
