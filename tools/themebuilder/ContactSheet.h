#pragma once

#include <QString>

// A picture of every scene of every installed theme (one row per theme, one cell per scene, each
// two thirds through the scene), composed from the installed files, for reviewers.
bool writeContactSheet(const QString& templatesDir, const QString& output);
