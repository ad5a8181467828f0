#pragma once

#include "templates/TemplateDescription.h"

#include <QSharedPointer>
#include <QString>
#include <QTextStream>

// Fetches a theme's missing background videos for the headless renderer, with the window's
// download manager and its checks, and shows the progress: one line redrawn in place on a
// terminal, a plain line every 10 % otherwise. Runs its own event loop until the download ends.
class ThemeFetcher
{
public:
    ThemeFetcher(QTextStream& out, bool terminal) : out(out), terminal(terminal) {}
    // True when every video is on disk afterwards.
    bool fetch(const QSharedPointer<TemplateDescription>& theme);

private:
    void show(int percent);

    QTextStream& out;
    bool terminal;
    int lastShown = -1;
};
