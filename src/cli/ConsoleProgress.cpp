#include "cli/ConsoleProgress.h"

ConsoleProgress::ConsoleProgress(QTextStream& out, int totalFrames, bool terminal)
    : out(out), total(qMax(1, totalFrames)), terminal(terminal)
{
    timer.start();
}

QString ConsoleProgress::clock(double seconds)
{
    const int s = int(seconds + 0.5);
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}

QString ConsoleProgress::bar(double percent)
{
    const int filled = qBound(0, int(percent * 30 / 100), 30);
    return QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
           QString(30 - filled, QLatin1Char('.')) + QLatin1String("] ");
}

void ConsoleProgress::frameWritten(double percent)
{
    ++written;
    const double elapsed = seconds();
    const double fps = elapsed > 0 ? written / elapsed : 0.0;
    const double left = fps > 0 ? (total - written) / fps : 0.0;
    if (terminal) {
        if (written % 3 != 0 && written != total)
            return;
        out << "\r" << bar(percent) << int(percent) << "%  " << QString::number(fps, 'f', 1)
            << " fps  " << clock(left) << " left   ";
        out.flush();
        return;
    }
    const int shown = int(percent) / 5 * 5;
    if (shown != lastShown) {
        lastShown = shown;
        out << "Rendering: " << shown << "% (" << written << "/" << total << " frames, "
            << QString::number(fps, 'f', 1) << " fps, " << clock(left) << " left)\n";
        out.flush();
    }
}

void ConsoleProgress::finish()
{
    if (terminal)
        out << "\n";
}
