#include "media/BeatGrid.h"

#include <QList>

namespace {

constexpr char kMagic[] = "lumavive-beats";

} // namespace

QByteArray BeatGrid::toText() const
{
    QByteArray text = kMagic + QByteArray(" ") + QByteArray::number(kFormat) + "\ntempo " +
                      QByteArray::number(tempo, 'f', 3) + "\n";
    for (const Beat& beat : beats)
        text += QByteArray::number(beat.seconds, 'f', 6) + ' ' +
                QByteArray::number(int(beat.onset) | int(beat.bar) << 1) + '\n';
    return text;
}

bool BeatGrid::fromText(const QByteArray& text, BeatGrid* grid)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 2 || lines[0] != kMagic + QByteArray(" ") + QByteArray::number(kFormat) ||
        !lines[1].startsWith("tempo "))
        return false;
    BeatGrid read;
    bool ok = false;
    read.tempo = lines[1].mid(6).toDouble(&ok);
    if (!ok)
        return false;
    double last = -1.0;
    for (int i = 2; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QList<QByteArray> fields = lines[i].split(' ');
        bool secondsOk = false;
        bool flagsOk = false;
        Beat beat;
        beat.seconds = fields.value(0).toDouble(&secondsOk);
        const int flags = fields.value(1).toInt(&flagsOk);
        // Beats come in order; anything else is a damaged file, read afresh.
        if (fields.size() != 2 || !secondsOk || !flagsOk || beat.seconds <= last)
            return false;
        beat.onset = flags & 1;
        beat.bar = flags & 2;
        last = beat.seconds;
        read.beats << beat;
    }
    *grid = read;
    return true;
}
