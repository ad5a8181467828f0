#pragma once

#include <QString>

// One installed template as the theme list shows it.
struct TemplateInfo
{
    int id = 0;
    QString name;         // display name from "info.xml"
    QString thumbPath;    // the folder + "/thumb.jpg": the theme tile
    QString preview;      // link to a preview of the theme, from "info.xml"
    QString prjThumbPath; // the folder + "/thumb-prj.jpg": cover of saved projects
};
