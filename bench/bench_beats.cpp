// The beat benchmark: per music track, how long finding its beats takes (analysed, then read
// back from the cache), and how well the cuts land: a project of a built-in theme with 12
// photos and the track, planned with cuts on the beat, against the beats that aubio's own tool
// reports for the track (`aubio beat TRACK`, one time in seconds per line). Prints the share of
// hand-overs whose middle lies within two frames of such a beat. bench/beats.sh runs it on three
// songs of different kinds and renders each video.
//   bench_beats THEME TRACK REFERENCE PHOTO...
#include "media/BeatCache.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "templates/TemplateParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <cmath>

int main(int argc, char** argv)
{
    QTemporaryDir cache; // a cold cache, whatever the user's holds
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4) {
        out << "usage: bench_beats THEME TRACK REFERENCE PHOTO...\n";
        return 2;
    }
    const int themeId = args[0].toInt();
    const QString track = args[1];
    QFile themeFile(QStringLiteral(THEMES_DIR "/%1/template.xml").arg(themeId));
    QFile referenceFile(args[2]);
    if (!themeFile.open(QIODevice::ReadOnly) || !referenceFile.open(QIODevice::ReadOnly)) {
        out << "cannot read theme " << themeId << " or " << args[2] << "\n";
        return 2;
    }
    QVector<double> reference;
    for (const QByteArray& line : referenceFile.readAll().split('\n'))
        if (!line.trimmed().isEmpty())
            reference << line.trimmed().toDouble() * 30.0;

    QElapsedTimer timer;
    timer.start();
    BeatGrid grid;
    BeatCache::find(track, &grid);
    const double analysed = timer.nsecsElapsed() / 1e9;
    timer.restart();
    bool cached = false;
    BeatCache::find(track, &grid, {}, &cached);
    const double read = timer.nsecsElapsed() / 1e6;

    const QSharedPointer<TemplateDescription> theme = TemplateParser::parse(&themeFile, themeId);
    const QSharedPointer<MediaFileInfo> music = MediaFileInfo::fromFile(track);
    QVector<QSharedPointer<Slide>> photos;
    for (const QString& photo : args.mid(3))
        photos << QSharedPointer<ImgSlide>::create(photo);
    // The 12 photos, then as many again as the whole song takes: more hand-overs to count.
    QStringList lines;
    for (const int copies : {1, 20}) {
        Project project;
        project.setTemplateDescription(theme);
        project.setAudio({music});
        QVector<QSharedPointer<Slide>> slides;
        for (int i = 0; i < copies; ++i)
            slides += photos;
        project.setSlides(slides);
        project.setTrackBeats(track, grid);
        const int overflow = theme->sceneOverflow;
        int start = 0;
        int handOvers = 0;
        int within1 = 0;
        int within2 = 0;
        const QList<ScenePlanEntry>& plan = *project.scenePlan();
        for (int k = 0; k < plan.size(); ++k) {
            if (k > 0) {
                const double middle = start + BeatCuts::middle(overflow);
                double nearest = 1e9;
                for (double beat : reference)
                    nearest = std::min(nearest, std::abs(beat - middle));
                ++handOvers;
                within1 += nearest <= 1.0;
                within2 += nearest <= 2.0;
            }
            start += plan[k].frames - (overflow >= 1 ? overflow + 1 : 0);
        }
        lines << QStringLiteral("  theme %1, %2 photos: %3 scenes, video %4 s; %5 hand-overs, %6 "
                                "(%7 %) within 2 frames of an aubio beat, %8 within 1\n")
                     .arg(themeId)
                     .arg(project.usedSlides())
                     .arg(plan.size())
                     .arg(project.duration(), 0, 'f', 1)
                     .arg(handOvers)
                     .arg(within2)
                     .arg(handOvers ? 100 * within2 / handOvers : 0)
                     .arg(within1);
    }
    int heard = 0;
    for (const BeatGrid::Beat& beat : grid.beats)
        heard += beat.onset;
    const double seconds = music->duration();
    out << QFileInfo(track).fileName() << ": " << QString::number(seconds, 'f', 1)
        << " s of music, " << QString::number(grid.tempo, 'f', 1) << " bpm, " << grid.beats.size()
        << " beats (" << (grid.beats.isEmpty() ? 0 : 100 * heard / grid.beats.size())
        << " % on a note)\n"
        << "  analysis " << QString::number(analysed, 'f', 2) << " s ("
        << QString::number(analysed * 240.0 / seconds, 'f', 2) << " s per 4 minutes), "
        << (cached ? "then read from the cache in " : "NOT CACHED: ")
        << QString::number(read, 'f', 1) << " ms\n"
        << lines.join(QString());
    return 0;
}
