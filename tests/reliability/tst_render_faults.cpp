// Faults around a render: each case must end with a clear message, no video file where none should
// be, and a program that renders the next project as if nothing had happened.
#include "FullDisk.h"
#include "MediaFixtures.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "base/CommonError.h"
#include "engine/LibavRender.h"
#include "media/MediaFileInfo.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"

#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <optional>
#include <thread>

namespace {

int threadCount()
{
    return QDir(QStringLiteral("/proc/self/task"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
        .size();
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TestRenderFaults : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    QStringList messages; // reports arrive from any thread, queued to this one

    enum Theme
    {
        Still = 1,
        Video = 2,
        Broken = 3
    };

    QString photoFile(const QString& name, QColor color = Qt::red)
    {
        return dirs.picture(name, color);
    }

    QSharedPointer<Project> project(int themeId, const QStringList& photos,
                                    const QStringList& music = {})
    {
        auto p = QSharedPointer<Project>::create();
        p->setUserData(UserData{});
        p->setThemeId(themeId);
        QVector<QSharedPointer<Slide>> slides;
        for (const QString& path : photos)
            slides << QSharedPointer<ImgSlide>::create(path);
        p->setSlides(slides);
        QList<QSharedPointer<MediaFileInfo>> tracks;
        for (const QString& path : music)
            tracks << MediaFileInfo::fromFile(path);
        p->setAudio(tracks);
        return p;
    }

    QStringList reported()
    {
        QCoreApplication::processEvents();
        return messages;
    }

    bool reportedContaining(const QString& part)
    {
        for (const QString& text : reported())
            if (text.contains(part))
                return true;
        return false;
    }

private slots:
    void initTestCase()
    {
        TemplateCatalog::use(dirs.file("templates/"));
        connect(
            CommonError::instance(), &CommonError::error, this,
            [this](const QString& text) { messages << text; }, Qt::QueuedConnection);
        ThemeFixture::ThemeSpec still = ThemeFixture::photoAndText(Still);
        QVERIFY(ThemeFixture::write(dirs.file("templates"), still));
        ThemeFixture::ThemeSpec video;
        video.id = Video;
        ThemeFixture::SceneSpec scene;
        scene.video = true;
        scene.frames = 30;
        video.scenes = {scene};
        QVERIFY(ThemeFixture::write(dirs.file("templates"), video));
        QVERIFY(ThemeFixture::write(dirs.file("templates"), ThemeFixture::photoAndText(Broken)));
        MediaFixtures::AudioSpec music;
        music.seconds = 3.0;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("music.m4a"), music));
    }

    void init()
    {
        QCoreApplication::processEvents();
        messages.clear();
    }

    void outputFolderDeletedDuringRender()
    {
        const QString folder = dirs.file("vanishing");
        QVERIFY(QDir().mkpath(folder));
        const QString out = folder + "/video.mp4";
        LibavRender engine(project(Still, {photoFile("a.png")}, {dirs.file("music.m4a")}),
                           loadTemplate(Still), out);
        int frames = 0;
        connect(&engine, &LibavRender::progress, this, [&](QSharedPointer<QImage>, double) {
            if (++frames == 20)
                QDir(folder).removeRecursively();
        });
        QVERIFY(!engine.render()); // a file nobody can find is not a finished video
        QVERIFY(reportedContaining(out));
        QVERIFY(!QFileInfo::exists(folder));
    }

    void unreadablePhotosLeaveTheirSlotEmpty_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("deleted after adding") << "deleted";
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("not a picture") << "garbage";
    }

    void unreadablePhotosLeaveTheirSlotEmpty()
    {
        QFETCH(QString, fault);
        const QString path = dirs.file("photo-" + fault + ".jpg");
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(path, "JPG"));
        auto p = project(Still, {photoFile("a.png"), path});
        if (fault == "deleted")
            QVERIFY(QFile::remove(path));
        else if (fault == "truncated")
            writeBytes(path, bytesOf(path).left(600));
        else
            writeBytes(path, QByteArray(5000, 'x'));

        const QString out = dirs.file("photos.mp4");
        LibavRender engine(p, loadTemplate(Still), out);
        QVERIFY(engine.render()); // the other slides are still worth a video
        QVERIFY(reportedContaining(path));
        QVERIFY(QFileInfo(out).size() > 0);
        QFile::remove(out);
    }

    // A part of the render that cannot be read or written fails it, names the part and leaves
    // no video.
    void aBrokenPartFailsTheRenderAndIsNamed_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("damage");
        for (const char* damage : {"deleted", "truncated"})
            QTest::newRow(qPrintable(QStringLiteral("music, ") + damage)) << "music" << damage;
        for (const char* damage : {"deleted", "truncated", "garbage", "empty"})
            QTest::newRow(qPrintable(QStringLiteral("background, ") + damage))
                << "background" << damage;
        QTest::newRow("theme without its description") << "theme"
                                                       << "deleted";
        QTest::newRow("output folder missing") << "output"
                                               << "";
        QTest::newRow("output on a full disk") << "output"
                                               << "full";
    }

    void aBrokenPartFailsTheRenderAndIsNamed()
    {
        QFETCH(QString, part);
        QFETCH(QString, damage);
        QString out = dirs.file("broken.mp4");
        QString path; // the damaged file, which the message names
        QStringList music;
        int theme = Still;
        if (part == "music") {
            path = dirs.file("song-" + damage + ".m4a");
            QVERIFY(QFile::copy(dirs.file("music.m4a"), path));
            music << path;
        } else if (part == "background") {
            path = dirs.file("templates/2/1.mp4");
            theme = Video;
        } else if (part == "theme") {
            path = dirs.file("templates/3/template.xml");
            theme = Broken;
        } else if (damage.isEmpty()) {
            out = dirs.file("gone/sub/video.mp4");
        } else {
            music << dirs.file("music.m4a"); // with its sound the video outgrows the disk
        }
        const QByteArray original = bytesOf(path);
        const auto p = project(theme, {photoFile("a.png")}, music);
        if (damage == "deleted") {
            QVERIFY(QFile::remove(path));
        } else if (damage == "truncated") {
            writeBytes(path, original.left(part == "music" ? 300 : original.size() / 3));
        } else if (damage == "garbage") {
            writeBytes(path, QByteArray(original.size(), '\x5a'));
        } else if (damage == "empty") {
            MediaFixtures::VideoSpec none;
            none.frames = 0;
            QVERIFY(MediaFixtures::writeVideo(path, none));
        }
        bool rendered = true;
        {
            std::optional<FullDisk> full;
            if (damage == "full")
                full.emplace(20000);
            rendered = LibavRender(p, loadTemplate(theme), out).render();
        }
        if (part == "background" || part == "theme")
            writeBytes(path, original); // whole again for the next row
        QVERIFY(!rendered);
        const QString named = part == "output"       ? "The video could not be written to " + out
                              : part == "background" ? QStringLiteral("1.mp4")
                                                     : path;
        QVERIFY2(reportedContaining(named), qPrintable(reported().join('|')));
        QVERIFY(!QFileInfo::exists(out));
    }

    // A hundred stops at random moments, from the render's own thread (a progress handler) and
    // from another thread, as the window does: every one returns promptly, leaves no file and no
    // thread behind (leaks show under the sanitizer build).
    void stopsAtRandomFrames()
    {
        const QStringList photos = {photoFile("a.png"), photoFile("b.png", Qt::blue),
                                    photoFile("c.png", Qt::green)};
        const QString out = dirs.file("stopped.mp4");
        QRandomGenerator random(20261206);
        const int threadsBefore = threadCount();
        for (int run = 0; run < 100; ++run) {
            LibavRender engine(
                project(run % 3 == 0 ? Video : Still, photos, {dirs.file("music.m4a")}),
                loadTemplate(run % 3 == 0 ? Video : Still), out);
            const int stopAt = random.bounded(1, 60); // every project here is longer
            const bool fromHandler = run % 2 == 0;
            std::thread stopper;
            if (fromHandler) {
                connect(&engine, &LibavRender::progress, this,
                        [&, frames = 0](QSharedPointer<QImage>, double) mutable {
                            if (++frames == stopAt)
                                engine.stop();
                        });
            } else {
                stopper = std::thread([&engine, stopAt] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(stopAt * 5));
                    engine.stop();
                });
            }
            QElapsedTimer timer;
            timer.start();
            const bool result = engine.render();
            if (stopper.joinable())
                stopper.join();
            QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(run)));
            // A stop is no failure, but a stopped render leaves no file; a render that finished
            // before another thread's stop arrived keeps its video.
            QVERIFY(result);
            if (fromHandler)
                QVERIFY2(!QFileInfo::exists(out), qPrintable(QString::number(run)));
            QFile::remove(out);
        }
        QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threadsBefore, 5000);
        QVERIFY2(reported().isEmpty(), qPrintable(reported().join('|')));
    }

    // None of the failures above left anything behind that stops the next render.
    void aRenderAfterTheFaultsSucceeds()
    {
        const QString out = dirs.file("after.mp4");
        LibavRender engine(project(Still, {photoFile("fine.png")}), loadTemplate(Still), out);
        QVERIFY(engine.render());
        QVERIFY(QFileInfo(out).size() > 0);
    }
};

QTEST_MAIN(TestRenderFaults)
#include "tst_render_faults.moc"
