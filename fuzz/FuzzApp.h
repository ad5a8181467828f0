#pragma once

#include <QGuiApplication>

// The parsers use fonts and pictures: the fuzz targets run inside one offscreen application,
// created on first use. Qt's warnings are silenced, since malformed input produces many.
inline void ensureFuzzApp(const char* name)
{
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(name), nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_LOGGING_RULES", "*.warning=false");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);
}
