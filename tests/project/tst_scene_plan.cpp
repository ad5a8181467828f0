#include "project/ImgSlide.h"
#include "project/Project.h"
#include "project/TextSlide.h"
#include "templates/ImgScene.h"
#include "templates/TextScene.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

struct SceneSpec
{
    int id;
    int type;
    int objects;
    int frames;
    int holdStart = 0; // a hold from holdStart to holdEnd, playing from half to four times
    int holdEnd = 0;
    QString shapes = QString(); // per photo slot: 'P' portrait, else landscape
};

QSharedPointer<TemplateDescription> theme(const QList<SceneSpec>& specs, int overflow)
{
    auto t = QSharedPointer<TemplateDescription>::create();
    t->id = 3;
    t->sceneOverflow = overflow;
    for (const SceneSpec& spec : specs) {
        QSharedPointer<Scene> scene;
        if (spec.type == 1) {
            auto images = QSharedPointer<ImgScene>::create();
            for (int i = 0; i < spec.objects; ++i) {
                auto slot = QSharedPointer<ImgObject>::create();
                slot->aspect = spec.shapes.mid(i, 1) == "P" ? 0.75f : 1.5f;
                images->objects->insert(i, slot);
            }
            scene = images;
        } else {
            auto texts = QSharedPointer<TextScene>::create();
            for (int i = 0; i < spec.objects; ++i) {
                auto object = QSharedPointer<TextObject>::create();
                object->slideBackground = QStringLiteral("bg%1.png").arg(i);
                texts->objects->insert(i, object);
            }
            scene = texts;
        }
        scene->frames = spec.frames;
        scene->holdStart = spec.holdStart;
        scene->holdEnd = spec.holdEnd;
        scene->holdMin = 0.5f;
        scene->holdMax = 4.0f;
        t->scenes->insert(spec.id, scene);
    }
    return t;
}

QVector<QSharedPointer<Slide>> slides(const QString& kinds)
{
    QVector<QSharedPointer<Slide>> list;
    for (QChar kind : kinds) {
        if (kind == 'I')
            list << QSharedPointer<ImgSlide>::create(QStringLiteral("/p.jpg"));
        else
            list << QSharedPointer<TextSlide>::create(QStringLiteral("text"));
    }
    return list;
}

QString planText(const Project& project)
{
    QStringList entries;
    for (const ScenePlanEntry& entry : *project.scenePlan()) {
        QString kinds;
        for (const auto& slide : entry.slides)
            kinds += slide->type() == Slide::Image ? 'I' : 'T';
        entries << QStringLiteral("%1:%2").arg(entry.sceneId).arg(kinds);
    }
    return entries.join(' ');
}

// Frames the video has: each hand-over takes the overlap and one frame more.
int videoFrames(const Project& project)
{
    const int overflow = project.templateDescription()->sceneOverflow;
    int frames = 0;
    for (const ScenePlanEntry& entry : *project.scenePlan())
        frames += entry.frames - (overflow >= 1 ? overflow + 1 : 0);
    return frames + (overflow >= 1 ? overflow + 1 : 0);
}

// How the entries' holds were played: "min" all at their shortest, "max" all at their longest,
// "designed" as the theme made them, else the hold of the first entry in frames.
QString holds(const Project& project)
{
    const auto& scenes = *project.templateDescription()->scenes;
    QSet<QString> seen;
    for (const ScenePlanEntry& entry : *project.scenePlan()) {
        const Scene& scene = *scenes.value(entry.sceneId);
        seen << (entry.frames == scene.shortest()  ? QStringLiteral("min")
                 : entry.frames == scene.longest() ? QStringLiteral("max")
                 : entry.frames == scene.frames
                     ? QStringLiteral("designed")
                     : QString::number(entry.frames - scene.frames + scene.holdFrames()));
    }
    return seen.size() == 1 ? *seen.begin() : QStringLiteral("mixed");
}

TrackList music(float seconds)
{
    TrackList tracks;
    tracks << QSharedPointer<MediaFileInfo>::create(seconds, QString(), QString(), QString(),
                                                    QStringLiteral("/m.m4a"));
    return tracks;
}

} // namespace

class TestScenePlan : public QObject
{
    Q_OBJECT

private slots:
    void runsWalkTheirOwnSceneCycles()
    {
        Project project;
        project.setTemplateDescription(theme({{1, 1, 2, 150}, {2, 1, 1, 120}, {3, 2, 1, 90}}, 15));
        const auto list = slides("IIITI");
        QSignalSpy styled(list[3].objectCast<TextSlide>().data(), &TextSlide::mediaUpdated);
        project.setSlides(list);
        QCOMPARE(planText(project), QStringLiteral("1:II 2:I 3:T 2:I"));
        QCOMPARE(project.usedSlides(), 5);
        QCOMPARE(project.duration(), 14.5f);
        QCOMPARE(styled.count(), 1); // the text slide took the theme's look
        QCOMPARE(styled.at(0).at(0).value<TextMediaPtr>()->slideBackground,
                 QStringLiteral("bg0.png"));
    }

    void aSceneNeedsAllItsSlides()
    {
        Project project;
        project.setTemplateDescription(theme({{1, 1, 2, 150}}, 0));
        project.setSlides(slides("I"));
        QVERIFY(project.scenePlan()->isEmpty());
        QCOMPARE(project.usedSlides(), 0);
        QCOMPARE(project.duration(), 0.0f);
        // The text slide after the photo does not fill the second photo slot.
        project.setSlides(slides("ITI"));
        QVERIFY(project.scenePlan()->isEmpty());
    }

    // Two photo scenes shaped like the built-in ones: 4 s with a 2.7 s hold, 4 s with a 2 s hold.
    void holdsStretchToTheMusicOrFollowThePace_data()
    {
        QTest::addColumn<int>("photos");
        QTest::addColumn<double>("music");
        QTest::addColumn<int>("pace");
        QTest::addColumn<bool>("fit");
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("frames"); // -1: shorter than the music
        QTest::addColumn<QString>("holds");
        QTest::newRow("12 photos, 60 s") << 12 << 60.0 << 0 << true << 12 << 1800 << "mixed";
        QTest::newRow("3 photos, 5 min") << 3 << 300.0 << 0 << true << 3 << -1 << "max";
        QTest::newRow("200 photos, 30 s") << 200 << 30.0 << 0 << true << 18 << 900 << "mixed";
        QTest::newRow("pace 1 s, 60 s") << 200 << 60.0 << 1 << true << 37 << 1800 << "mixed";
        QTest::newRow("not fitted") << 12 << 60.0 << 0 << false << 12 << -1 << "designed";
        QTest::newRow("no music, pace 5 s") << 4 << 0.0 << 5 << true << 4 << -1 << "150";
        QTest::newRow("no music") << 4 << 0.0 << 0 << true << 4 << -1 << "designed";
    }
    void holdsStretchToTheMusicOrFollowThePace()
    {
        QFETCH(int, photos);
        QFETCH(double, music);
        QFETCH(int, pace);
        QFETCH(bool, fit);
        Project project;
        project.setPace(pace);
        project.setFitsMusic(fit);
        project.setTemplateDescription(
            theme({{1, 1, 1, 120, 20, 100}, {2, 1, 2, 120, 30, 90}}, 15));
        if (music > 0)
            project.setAudio(::music(float(music)));
        project.setSlides(slides(QString(photos, 'I')));
        QTEST(project.usedSlides(), "used");
        QFETCH(int, frames);
        if (frames >= 0)
            QCOMPARE(videoFrames(project), frames);
        else
            QVERIFY(music == 0 || videoFrames(project) < qRound(music * 30));
        QTEST(holds(project), "holds");
        if (frames >= 0)
            QCOMPARE(project.duration(), float(music));
    }

    void slideKindsWithoutScenesEndThePlan()
    {
        Project project;
        project.setTemplateDescription(theme({{1, 1, 1, 30}}, 0));
        project.setSlides(slides("ITI"));
        QCOMPARE(planText(project), QStringLiteral("1:I"));
        QCOMPARE(project.usedSlides(), 1);
    }

    void scenesWithoutObjectsCannotSpinForEver()
    {
        Project project;
        project.setTemplateDescription(theme({{1, 2, 0, 0}, {2, 1, 1, 30}}, 0));
        project.setSlides(slides("TI"));
        QCOMPARE(project.usedSlides(), 0);
        QVERIFY(project.scenePlan()->size() <= 3);
    }
};

QTEST_GUILESS_MAIN(TestScenePlan)
#include "tst_scene_plan.moc"
