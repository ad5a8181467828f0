#pragma once

#include <QElapsedTimer>
#include <QTextStream>

// A render's progress on the console: on a terminal one line redrawn in place (a bar, the
// percentage, the speed and the time left); otherwise a line every 5 %, for logs.
class ConsoleProgress
{
public:
    ConsoleProgress(QTextStream& out, int totalFrames, bool terminal);

    // After each written frame, with the share done in percent.
    void frameWritten(double percent);
    // Ends the redrawn line.
    void finish();

    int frames() const { return written; }
    double seconds() const { return timer.elapsed() / 1000.0; }

    // m:ss
    static QString clock(double seconds);
    // "[#####.........................] ": a bar of 30 for the share done, in percent.
    static QString bar(double percent);

private:
    QTextStream& out;
    const int total;
    const bool terminal;
    int written = 0;
    int lastShown = -1;
    QElapsedTimer timer;
};
