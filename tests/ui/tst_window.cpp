#include "MediaFixtures.h"
#include "OutputProbe.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "UiFixture.h"
#include "app/BeatsPres.h"
#include "app/PreviewPres.h"
#include "app/ProjectPres.h"
#include "app/RenderPres.h"
#include "app/SavedProjectsPres.h"
#include "app/SettingsPres.h"
#include "app/SlideGridPres.h"
#include "app/SlidesListModel.h"
#include "app/TemplatesPres.h"
#include "base/CommonError.h"
#include "base/Failure.h"
#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"
#include "preview/PreviewPlayer.h"
#include "project/ImgSlide.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "project/TextSlide.h"
#include "templates/TemplateCatalog.h"

#include <csignal>
#include <unistd.h>

#include <QAudioDeviceInfo>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// Records what the program asks the desktop to open, instead of starting a player.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// A person's session with the window, step by step: every action is a mouse press, a key, a
// drop from a file manager or an answer typed into the file chooser. The steps build on each
// other (one project, one run), so they run in this order. The session goes on in a second run
// of this program (a restart), which resumes the project from the start screen.
class TestWindow : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    // Set in the second run: the first run's folder, whose saved project it resumes.
    const QString restartedFrom = qEnvironmentVariable("LUMAVIVE_WINDOW_RESTART");
    UiFixture* ui = nullptr;
    OpenedUrls opened;
    QStringList photos; // photo i is painted colour(i)
    QSize startSize;    // the window's size as the second run came up
    int providerMisses = 0;

    static QColor colour(int i) { return QColor::fromHsv((i * 36) % 360, 255, 230); }

    // The photo paths of the image slides, in grid order.
    static QStringList order()
    {
        QStringList paths;
        for (const QSharedPointer<Slide>& slide : SlidesListModel::instance()->slides())
            if (const auto image = slide.objectCast<ImgSlide>())
                paths << image->path();
        return paths;
    }

    QQuickItem* tile(int row) const { return ui->item(QStringLiteral("tile%1").arg(row)); }

    QPoint tilePoint(int row, double fx, double fy = 0.5) const
    {
        QQuickItem* t = tile(row);
        return t->mapToScene(QPointF(t->width() * fx, t->height() * fy)).toPoint();
    }

    // A button that hovering shows on the tile of that row (the pointer is moved onto the tile).
    QQuickItem* tileButton(int row, const char* name) const
    {
        QTest::mouseMove(ui->window(), tilePoint(row, 0.5));
        UiFixture::settle(200);
        for (QQuickItem* button : ui->items(QString::fromLatin1(name)))
            if (tile(row)->isAncestorOf(button) && button->isVisible())
                return button;
        return nullptr;
    }

    QQuickItem* flick() const { return ui->item(QStringLiteral("photoFlick")); }

    // True when the item lies wholly inside the grid's visible area.
    bool inView(QQuickItem* item) const
    {
        QQuickItem* view = flick();
        const QRectF shown(view->mapToScene(QPointF(0, 0)), QSizeF(view->width(), view->height()));
        const QRectF rect(item->mapToScene(QPointF(0, 0)), QSizeF(item->width(), item->height()));
        return shown.contains(rect);
    }

    void grab(const QString& name) { ui->screenshot(name); }

    // The open project's file as it is on disk now.
    static QString savedProject()
    {
        QFile file(SavedProjectsPres::projectsFolder() + ProjectPres::instance()->project()->id() +
                   "/prj.xml");
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    void addText(const QString& text)
    {
        QVERIFY(ui->click("addTextButton"));
        ui->item("textArea")->forceActiveFocus();
        ui->typeText(text);
        QVERIFY(ui->click("textOkButton"));
    }

    bool popupOpened(const char* name) const
    {
        QObject* popup = ui->find(QString::fromLatin1(name));
        for (int waited = 0; popup && waited < 3000; waited += 50) {
            if (popup->property("opened").toBool())
                return true;
            QTest::qWait(50);
        }
        return false;
    }

    static QtMessageHandler previousHandler;
    static TestWindow* self;
    static void countMisses(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (text.contains(QLatin1String("ImageProvider: no image")))
            ++self->providerMisses;
        previousHandler(type, context, text);
    }

private slots:
    void initTestCase()
    {
        UiFixture::prepareApplication();
        self = this;
        previousHandler = qInstallMessageHandler(countMisses);
        QDesktopServices::setUrlHandler("file", &opened, "open");
        if (!restartedFrom.isEmpty()) {
            // The first run's user folders, as TestDirs made them.
            for (const auto& [variable, folder] : {std::pair{"HOME", "home"},
                                                   {"XDG_CONFIG_HOME", "config"},
                                                   {"XDG_DATA_HOME", "data"},
                                                   {"XDG_CACHE_HOME", "cache"}})
                qputenv(variable, (restartedFrom + "/" + folder).toUtf8());
            TemplateCatalog::use(restartedFrom + "/templates/");
            ui = new UiFixture;
            QVERIFY(ui->load());
            startSize = ui->window()->size();
            ui->window()->resize(1280, 860);
            UiFixture::settle();
            return;
        }
        TemplateCatalog::use(dirs.file("templates/"));

        // Theme 1 is complete; theme 2's background video has to come from a theme server,
        // and none is configured.
        QVERIFY(ThemeFixture::write(dirs.file("templates"),
                                    ThemeFixture::photoAndText(1, "Still Life")));
        QVERIFY(QDir().mkpath(dirs.file("templates/1/samples")));
        for (int i = 1; i <= 2; ++i)
            QVERIFY(!dirs.picture(QStringLiteral("templates/1/samples/sample-%1.jpg").arg(i),
                                  QColor::fromHsv(i * 90, 200, 200))
                         .isEmpty());
        ThemeFixture::ThemeSpec moving = ThemeFixture::photoAndText(2, "Moving Water");
        moving.scenes[0].video = true;
        QVERIFY(ThemeFixture::write(dirs.file("templates"), moving));
        QVERIFY(QFile::remove(dirs.file("templates/2/1.mp4")));

        QDir().mkpath(dirs.file("photos"));
        QDir().mkpath(dirs.file("album"));
        for (int i = 0; i < 10; ++i)
            photos << dirs.picture(QStringLiteral("photos/p%1.png").arg(i), colour(i));
        // A camera's folder: upper-case names, WebP and TIFF among them, a film and a damaged
        // photo that cannot be added.
        for (int i = 0; i < 30; ++i) {
            const QString name = i % 5 == 0 ? "album/A%1.PNG"
                                 : i == 7   ? "album/a%1.webp"
                                 : i == 8   ? "album/a%1.TIFF"
                                            : "album/a%1.png";
            QVERIFY2(
                !dirs.picture(name.arg(i, 2, 10, QChar('0')), QColor(90, 90, 90 + i * 5)).isEmpty(),
                qPrintable(name));
        }
        for (const char* other : {"album/clip.MOV", "album/broken.jpg"}) {
            QFile file(dirs.file(other));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a picture") > 0);
        }
        QFile notes(dirs.file("photos/notes.txt"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        MediaFixtures::AudioSpec music;
        music.seconds = 30;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("song.m4a"), music));
        music.seconds = 10;
        music.frequency = 1000;
        for (double click = 0.25; click < 10; click += 0.5) // a metronome at 120 bpm
            music.clicks << click;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("second.m4a"), music));

        // Two earlier projects, so that the start screen lists recent projects.
        for (const char* id : {"earlier-1", "earlier-2"}) {
            Project earlier;
            earlier.setThemeId(1);
            QVector<QSharedPointer<Slide>> slides;
            for (int k = 0; k < 5; ++k)
                slides << QSharedPointer<ImgSlide>::create(photos[k]);
            earlier.setSlides(slides);
            const QString folder = SavedProjectsPres::projectsFolder() + id;
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(ProjectFile::writeProject(folder + "/prj.xml", earlier));
            QVERIFY(
                ProjectFile::writeInfo(folder + "/info.xml", ProjectInfo{"Still Life", {}, 5, {}}));
        }

        SettingsPres::instance()->setSaveDir(dirs.file("videos"));
        for (const auto place : {QStandardPaths::PicturesLocation, QStandardPaths::MusicLocation})
            QVERIFY(QDir().mkpath(QStandardPaths::writableLocation(place)));
        ui = new UiFixture;
        QVERIFY(ui->load());
        ui->window()->resize(1280, 860);
        UiFixture::settle();
    }

    void cleanupTestCase()
    {
        delete ui;
        qInstallMessageHandler(previousHandler);
    }

    // The recent projects' "Show all" stays as the list is when the start screen is made anew.
    void showAllSurvivesLeavingTheStartScreen()
    {
        QCOMPARE(ui->currentScreen(), QStringLiteral("ThemesScreen"));
        grab("themes");
        // The newest theme first, and selected.
        QCOMPARE(TemplatesPres::instance()->selectedId(), 2);
        QVERIFY(ui->item("themeTile2")->mapToScene(QPointF(0, 0)).x() <
                ui->item("themeTile1")->mapToScene(QPointF(0, 0)).x());
        QCOMPARE(SavedProjectsPres::instance()->currentVisibleNumber(), 1);
        QVERIFY(ui->click("toggleProjects"));
        QCOMPARE(SavedProjectsPres::instance()->currentVisibleNumber(), 2);
        QVERIFY(ui->item("toggleProjects")->property("text").toString().contains("Hide all"));
        ui->navigate("AddBackgroundMusicScreen");
        QVERIFY(ui->clickText("Back to Themes"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("ThemesScreen"));
        QVERIFY(ui->item("toggleProjects")->property("text").toString().contains("Hide all"));
        QVERIFY(ui->click("toggleProjects"));
        QCOMPARE(SavedProjectsPres::instance()->currentVisibleNumber(), 1);
    }

    // Deleting a recent project is asked first; "Keep" keeps it.
    void deletingARecentProjectAsksFirst()
    {
        SavedProjectsPres* saved = SavedProjectsPres::instance();
        const int before = saved->allRecords().size();
        const QString id = saved->allRecords().first().id;
        QVERIFY(ui->click("deleteProjectButton"));
        QVERIFY(popupOpened("deleteProjectPopup"));
        grab("delete-project");
        QVERIFY(ui->click("deleteProjectPopupOther"));
        QCOMPARE(saved->allRecords().size(), before);
        QVERIFY(QFileInfo::exists(SavedProjectsPres::projectsFolder() + id));
        QVERIFY(ui->click("deleteProjectButton"));
        QVERIFY(popupOpened("deleteProjectPopup"));
        QVERIFY(ui->click("deleteProjectPopupMain"));
        QCOMPARE(saved->allRecords().size(), before - 1);
        QVERIFY(!QFileInfo::exists(SavedProjectsPres::projectsFolder() + id));
        // One project left, and shown: nothing more to show all of.
        QVERIFY(!ui->item("toggleProjects")->isVisible());
    }

    // A theme's Preview plays it in the window with the sample pictures it comes with.
    void aThemePlaysInTheWindow()
    {
        PreviewPlayer* player = PreviewPres::instance()->player();
        QVERIFY(ui->click("themeTile1"));
        QVERIFY(ui->click("themePreviewButton"));
        QVERIFY(popupOpened("themePreviewPopup"));
        QTRY_VERIFY(player->framesShown() > 0);
        const auto slides = player->playing()->slides();
        QCOMPARE(slides.size(), 1 + 2); // a title and the theme's two samples
        QVERIFY(slides[1].objectCast<ImgSlide>()->path().endsWith("samples/sample-1.jpg"));
        grab("theme-preview");
        QVERIFY(ui->click("themePreviewCloseButton"));
        QCOMPARE(player->state(), PreviewPlayer::Closed);
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 0); // the project is untouched
    }

    void musicFromTheMusicScreensChooser()
    {
        QVERIFY(ui->click("themeTile1"));
        QCOMPARE(TemplatesPres::instance()->selectedId(), 1);
        QVERIFY(ui->click("startButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("AddBackgroundMusicScreen"));
        QVERIFY(ui->click("openAudioButton"));
        QCOMPARE(
            UiFixture::openChooser()->directory().canonicalPath(),
            QDir(QStandardPaths::writableLocation(QStandardPaths::MusicLocation)).canonicalPath());
        QVERIFY(ui->acceptFileChooser({dirs.file("song.m4a")}));
        QCOMPARE(ProjectPres::instance()->audioFilesCount(), 1);
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
    }

    void photosFromTheChooser()
    {
        QVERIFY(ui->click("addImagesButton"));
        QVERIFY(ui->click("addFilesItem"));
        QCOMPARE(UiFixture::openChooser()->directory().canonicalPath(),
                 QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                     .canonicalPath());
        QVERIFY(ui->acceptFileChooser(photos.mid(0, 8)));
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 8);
        QCOMPARE(order(), photos.mid(0, 8));
    }

    // Each chooser opens where files were last taken from (photos first in Pictures, music in
    // Music), and speaks the window's language.
    void theChoosersRememberTheirFolderAndSpeakTheLanguage()
    {
        QVERIFY(ui->setLanguage("de"));
        QVERIFY(ui->click("addImagesButton"));
        QVERIFY(ui->click("addFilesItem"));
        QFileDialog* chooser = UiFixture::openChooser();
        QVERIFY(chooser);
        QCOMPARE(chooser->directory().canonicalPath(), QDir(dirs.file("photos")).canonicalPath());
        QPushButton* cancel =
            chooser->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel);
        QCOMPARE(cancel->text(), QStringLiteral("Abbrechen"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        QTRY_VERIFY(!chooser->isVisible());
        QVERIFY(ui->setLanguage("en"));
        ui->window()->resize(1280, 860); // a new language sizes the window anew
    }

    void dropsFromAFileManager()
    {
        // Onto the left half of the third tile: the photo goes before it.
        QVERIFY(ui->dropFiles({QUrl::fromLocalFile(photos[8])}, tilePoint(2, 0.25)));
        // Onto empty space below the tiles: at the end.
        QQuickItem* view = flick();
        const QPoint empty =
            view->mapToScene(QPointF(view->width() - 20, view->height() - 20)).toPoint();
        QVERIFY(ui->dropFiles({QUrl::fromLocalFile(photos[9])}, empty));
        QStringList expected = photos.mid(0, 8);
        expected.insert(2, photos[8]);
        expected << photos[9];
        QCOMPARE(order(), expected);
        // A file that is neither a picture nor music is refused.
        QVERIFY(!ui->dropFiles({QUrl::fromLocalFile(dirs.file("photos/notes.txt"))},
                               tilePoint(0, 0.5)));
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 10);
    }

    void draggingATileOntoAnotherReorders()
    {
        QStringList expected = order();
        // Tile 0 onto the left half of tile 3: it goes before what was the fourth photo.
        ui->drag(tilePoint(0, 0.5), tilePoint(3, 0.25));
        expected.move(0, 2);
        QCOMPARE(order(), expected);
        QVERIFY(tile(0)->property("visible").toBool());
    }

    void ctrlClickBuildsASelectionThatMovesTogether()
    {
        QStringList expected = order();
        ui->clickItem(tile(0), Qt::ControlModifier);
        ui->clickItem(tile(2), Qt::ControlModifier);
        QCOMPARE(SlideGridPres::instance()->selectedRows(), (QList<int>{0, 2}));
        ui->clickItem(tile(4), Qt::ControlModifier);
        ui->clickItem(tile(4), Qt::ControlModifier); // a second Ctrl+click takes it out again
        QCOMPARE(SlideGridPres::instance()->selectedRows(), (QList<int>{0, 2}));
        // Both go to the right of tile 5.
        ui->drag(tilePoint(2, 0.5), tilePoint(5, 0.75));
        const QString first = expected[0];
        const QString third = expected[2];
        expected.removeAt(2);
        expected.removeAt(0);
        expected.insert(4, third);
        expected.insert(4, first);
        QCOMPARE(order(), expected);
    }

    void textAndMoreMusicFromTheEditor()
    {
        QVERIFY(ui->click("addTextButton"));
        ui->item("textArea")->forceActiveFocus();
        // A text slide holds 90 characters: the 91st key does nothing.
        ui->typeText(QString(91, QLatin1Char('a')));
        QCOMPARE(ui->item("textArea")->property("text").toString(), QString(90, QLatin1Char('a')));
        // ... and says why.
        QVERIFY(ui->item("textCounter")->property("text").toString().startsWith("90/90: "));
        grab("popup-text");
        ui->key(Qt::Key_A, Qt::ControlModifier);
        ui->key(Qt::Key_Delete);
        ui->typeText("The end");
        QVERIFY(ui->click("textOkButton"));
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 11);
        QVERIFY(ui->click("audioButton")); // with music: the track list
        QVERIFY(ui->clickText("Add Audio"));
        QVERIFY(ui->acceptFileChooser({dirs.file("second.m4a")}));
        QCOMPARE(ProjectPres::instance()->audioFilesCount(), 2);
        QVERIFY(ui->click("audioDoneButton"));
        // Eleven one-second scenes under 40 s of music: the timeline shows what is rendered.
        QCOMPARE(ui->item("timelineText")->property("text").toString(),
                 QStringLiteral("0:11 / 0:40 "));
        QVERIFY(ui->item("musicNote")->property("text").toString().contains("left out"));
        grab("editing");

        // The pace from its menu, the fit from its box; both are edits that undo.
        ProjectPres* project = ProjectPres::instance();
        QVERIFY(ui->click("paceButton"));
        QVERIFY(ui->click("paceChoice3"));
        QCOMPARE(project->pace(), 3);
        QCOMPARE(ui->item("paceButton")->property("text").toString(),
                 QStringLiteral("Pace: 3 s a photo"));
        QVERIFY(ui->item("fitCheck")->property("checked").toBool());
        QVERIFY(ui->click("fitCheck"));
        QVERIFY(!project->fitsMusic());
        QVERIFY(ui->click("undoButton"));
        QVERIFY(project->fitsMusic());
        QVERIFY(ui->click("undoButton"));
        QCOMPARE(project->pace(), 0);

        // The cuts on the beat from their box, with the beats marked on the timeline while on:
        // those of the metronome, none of the plain tone's, which the timeline names.
        QTRY_VERIFY(!BeatsPres::instance()->finding());
        QTRY_VERIFY(ui->item("beatMarks")->property("count").toInt() >= 15);
        QVERIFY(ui->item("beatNote")->property("text").toString().startsWith("No beat"));
        grab("beats");
        QVERIFY(ui->item("beatCheck")->property("checked").toBool());
        QVERIFY(ui->click("beatCheck"));
        QVERIFY(!project->cutsOnBeat());
        QCOMPARE(ui->item("beatMarks")->property("count").toInt(), 0);
        QVERIFY(ui->click("undoButton"));
        QVERIFY(project->cutsOnBeat());
    }

    // The grid by keyboard: Tab reaches it, arrows and Shift select, Ctrl+A all, Delete removes,
    // Ctrl+Z and Ctrl+Shift+Z undo and redo, Ctrl+Shift+arrows move, Enter opens a text.
    void theKeyboardWorksTheGrid()
    {
        SlideGridPres* grid = SlideGridPres::instance();
        QQuickItem* photoGrid = ui->item("photoGrid");
        for (int tabs = 0; tabs < 30 && !photoGrid->hasActiveFocus(); ++tabs)
            ui->key(Qt::Key_Tab);
        QVERIFY(photoGrid->hasActiveFocus());
        grid->clear();
        ui->key(Qt::Key_Right); // no tile yet: the first one
        QCOMPARE(grid->currentRow(), 0);
        ui->key(Qt::Key_Right, Qt::ShiftModifier);
        ui->key(Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(grid->selectedRows(), (QList<int>{0, 1, 2}));
        grab("focus-ring");
        ui->clickItem(tile(4), Qt::ShiftModifier); // from the same anchor
        QCOMPARE(grid->selectedRows(), (QList<int>{0, 1, 2, 3, 4}));
        ui->key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(grid->selectedRows().size(), ProjectPres::instance()->slidesNumber());

        const QStringList all = order();
        QStringList less = all;
        less.removeAt(1);
        ui->key(Qt::Key_Home);
        ui->key(Qt::Key_Right);
        ui->key(Qt::Key_Delete);
        QCOMPARE(order(), less);
        QCOMPARE(grid->currentRow(), 1); // the next slide, for another Delete
        ui->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(order(), all);
        QVERIFY(ui->item("redoButton")->isEnabled());
        grab("undo");
        ui->key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(order(), less);
        QVERIFY(ui->click("undoButton"));
        QCOMPARE(order(), all);

        // Ctrl+Shift+Right moves the selected slide on, and it stays selected.
        photoGrid->forceActiveFocus();
        ui->key(Qt::Key_Home);
        ui->key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        QStringList moved = all;
        moved.move(0, 1);
        QCOMPARE(order(), moved);
        QCOMPARE(grid->selectedRows(), QList<int>{1});
        ui->key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(order(), all);

        // Enter on a text slide opens it for editing, under a title that says so.
        photoGrid->forceActiveFocus();
        ui->key(Qt::Key_End);
        ui->key(Qt::Key_Return);
        QVERIFY(popupOpened("textPopup"));
        QCOMPARE(ui->item("textPopupTitle")->property("text").toString(),
                 QStringLiteral("Edit Text Scene"));
        QCOMPARE(ui->item("textArea")->property("text").toString(), QStringLiteral("The end"));
        ui->key(Qt::Key_Escape);
        UiFixture::settle();
        photoGrid->forceActiveFocus();
        ui->key(Qt::Key_Home); // back to the top, shown
    }

    // Play opens the preview at the selected slide's scene; Space pauses and resumes, a tile
    // clicked while it plays jumps there, Esc closes it. No sound device here: it plays silently
    // and says so.
    void thePreviewPlaysPausesJumpsAndCloses()
    {
        PreviewPlayer* player = PreviewPres::instance()->player();
        const QList<ScenePlanEntry>& plan = *ProjectPres::instance()->project()->scenePlan();
        auto startOfSlide = [&](int row) {
            const QSharedPointer<Slide> slide = SlidesListModel::instance()->slides()[row];
            for (int entry = 0; entry < plan.size(); ++entry)
                if (plan[entry].slides.contains(slide))
                    return player->entryStarts()[entry];
            return -1;
        };
        ui->clickItem(tile(3));
        QVERIFY(ui->click("playButton"));
        ui->item("photoGrid")->forceActiveFocus(); // Space must not reach a focused button
        QVERIFY(ui->item("previewPane")->isVisible());
        QTRY_VERIFY(player->framesShown() > 0);
        // The selected slide's scene, not the video's start.
        const int first = startOfSlide(3);
        QVERIFY(first > 0);
        QVERIFY2(player->frameIndex() >= first && player->frameIndex() < first + 15,
                 qPrintable(QString::number(player->frameIndex())));
        QTRY_VERIFY(player->frameIndex() >= first + 3);
        QVERIFY(player->framesShown() > 0);
        if (QAudioDeviceInfo::defaultOutputDevice().isNull())
            QVERIFY(ui->item("previewNote")->property("text").toString().contains("without music"));

        ui->key(Qt::Key_Space);
        QCOMPARE(player->state(), PreviewPlayer::Paused);
        QCOMPARE(ui->item("playButton")->property("text").toString(), QStringLiteral("Play"));
        const int held = player->frameIndex();
        QTest::qWait(300);
        QCOMPARE(player->frameIndex(), held);
        ui->key(Qt::Key_Space);
        QCOMPARE(player->state(), PreviewPlayer::Playing);
        QTRY_VERIFY(player->frameIndex() > held);

        const int jump = startOfSlide(8);
        QVERIFY(jump > held);
        ui->clickItem(tile(8));
        QTRY_VERIFY(player->framesShown() > 0 && player->frameIndex() >= jump);
        QCOMPARE(player->entryStarts().indexOf(jump) >= 0, true);
        QTRY_VERIFY(ui->item("previewTime")->property("text").toString().startsWith("0:"));
        QTRY_VERIFY(player->frameIndex() > jump + 5);
        // Ctrl+click builds a selection; only a plain click jumps (a jump starts counting anew).
        ui->clickItem(tile(2), Qt::ControlModifier);
        QVERIFY(player->framesShown() > 0);
        ui->clickItem(tile(2), Qt::ControlModifier);
        ui->key(Qt::Key_Space);
        grab("preview");
        // While paused too, a plain click jumps (back here), and plays on from there.
        const int back = startOfSlide(5);
        UiFixture::settle(800);
        ui->clickItem(tile(5));
        QTRY_VERIFY(player->state() == PreviewPlayer::Playing && player->frameIndex() >= back &&
                    player->frameIndex() < jump);
        ui->item("photoGrid")->forceActiveFocus();
        ui->key(Qt::Key_Space);
        QCOMPARE(player->state(), PreviewPlayer::Paused);

        // A photo turned while paused plays turned on the next Play, from the same scene.
        const int showing = player->frameIndex();
        QQuickItem* turn = tileButton(0, "rotateRightButton");
        QVERIFY(turn);
        ui->clickItem(turn);
        ui->item("photoGrid")->forceActiveFocus();
        ui->key(Qt::Key_Space);
        QCOMPARE(player->state(), PreviewPlayer::Playing);
        QCOMPARE(player->playing()->slides()[0].objectCast<ImgSlide>()->rotation(), 1);
        QTRY_VERIFY(player->framesShown() > 0);
        QVERIFY(player->frameIndex() >= back && player->frameIndex() <= showing + 15);
        UiFixture::settle(800); // two clicks in a row would be a double click
        ui->clickItem(tileButton(0, "rotateLeftButton"));
        ui->item("photoGrid")->forceActiveFocus();

        // Over a pop-up the keys are the pop-up's: Space types, Esc closes the pop-up only.
        QVERIFY(ui->click("addTextButton"));
        UiFixture::settle();
        ui->item("textArea")->forceActiveFocus();
        const auto state = player->state();
        ui->typeText("a b");
        QCOMPARE(ui->item("textArea")->property("text").toString(), QStringLiteral("a b"));
        QCOMPARE(player->state(), state);
        ui->key(Qt::Key_Escape);
        UiFixture::settle();
        QVERIFY(!ui->find("textPopup")->property("visible").toBool());
        QVERIFY(ui->item("previewPane")->isVisible());

        ui->key(Qt::Key_Escape);
        QCOMPARE(player->state(), PreviewPlayer::Closed);
        QVERIFY(!ui->item("previewPane")->isVisible());
    }

    void theVideoHasTheDraggedOrder()
    {
        const QStringList expected = order();
        QVERIFY(ui->click("doneButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        grab("settings");
        QVERIFY(ui->click("makeMovieButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("RenderingScreen"));
        grab("rendering");
        QTRY_COMPARE_WITH_TIMEOUT(ui->currentScreen(), QStringLiteral("DoneScreen"), 120000);
        grab("done");
        QVERIFY(ui->click("playButton"));
        const QString video = RenderPres::instance()->resultPath();
        QCOMPARE(opened.urls.value(0), QUrl::fromLocalFile(video));

        const OutputProbe probe = OutputProbe::read(video, QRect(600, 320, 80, 80));
        QCOMPARE(probe.frames.size(), 11 * 30);
        for (int k = 0; k < expected.size(); ++k) {
            const QColor want = colour(photos.indexOf(expected[k]));
            const QColor got = probe.frames[k * 30 + 15].centre;
            QVERIFY2(qAbs(got.hue() - want.hue()) <= 12 || qAbs(got.hue() - want.hue()) >= 348,
                     qPrintable(QStringLiteral("slide %1: hue %2, expected %3")
                                    .arg(k)
                                    .arg(got.hue())
                                    .arg(want.hue())));
        }
        // The music ends with the video, faded out.
        QVERIFY(probe.hasAudio);
        QVERIFY(qAbs(probe.audioSeconds - 11.0) < 0.2);
        QVERIFY(probe.audioRms.size() > 60);
        QVERIFY(probe.audioRms.last() < probe.audioRms[50] * 0.3);
    }

    // An edit right after a render survives the window's close (nothing saved it in between).
    void anEditAfterTheRenderSurvivesClosingTheWindow()
    {
        QCOMPARE(ui->currentScreen(), QStringLiteral("DoneScreen"));
        QVERIFY(ui->clickText("Back"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        addText("After the render");
        QVERIFY(!savedProject().contains("After the render"));
        ui->window()->resize(1200, 820); // the next start comes back at this size
        UiFixture::settle();
        ui->window()->close(); // as a window manager closes it
        QVERIFY(!ui->window()->isVisible());
        QVERIFY(savedProject().contains("After the render"));
        ui->window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(ui->window()));
        UiFixture::settle();
    }

    // A restart: the project is listed under "My Recent Projects" and resumes as it was left.
    void aRestartResumesTheProject()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LUMAVIVE_WINDOW_RESTART", dirs.path());
        QProcess second;
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(QCoreApplication::applicationFilePath(), {"resumedInTheSecondRun"});
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(second.exitCode(), 0);
    }

    void resumedInTheSecondRun()
    {
        if (restartedFrom.isEmpty())
            QSKIP("the second run of aRestartResumesTheProject");
        QCOMPARE(ui->currentScreen(), QStringLiteral("ThemesScreen"));
        QTRY_VERIFY(ui->item("projectsView")->isVisible());
        grab("themes-with-recent-project");
        QVERIFY(ui->click("resumeButton")); // the newest project's
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        QCOMPARE(ProjectPres::instance()->themeId(), 1);
        QCOMPARE(startSize, QSize(1200, 820)); // as the first run left it
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 12);
        QCOMPARE(ProjectPres::instance()->audioFilesCount(), 2);
        QStringList texts;
        for (const QSharedPointer<Slide>& slide : SlidesListModel::instance()->slides())
            if (const auto text = slide.objectCast<TextSlide>())
                texts << text->text();
        QVERIFY2(texts.contains("After the render"), qPrintable(texts.join(", ")));

        // A logout (SIGTERM) a moment after an edit: the edit is on disk when the program ends.
        addText("Before the logout");
        QVERIFY(!savedProject().contains("Before the logout"));
        QTimer::singleShot(20000, qApp, [] { QCoreApplication::exit(1); }); // a deadline
        ::kill(::getpid(), SIGTERM);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(savedProject().contains("Before the logout"));
    }

    void aNewRenderShowsNoStaleProgress()
    {
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        QVERIFY(RenderPres::instance()->progress() > 90);
        QVERIFY(ui->click("doneButton"));
        // What the rendering screen shows first, before the new render's first frame.
        QList<int> progress;
        QStringList previews;
        RenderPres* render = RenderPres::instance();
        const auto p = connect(render, &RenderPres::progressChanged, this,
                               [&] { progress << render->progress(); });
        const auto q = connect(render, &RenderPres::previewChanged, this,
                               [&] { previews << render->preview(); });
        QVERIFY(ui->click("makeMovieButton"));
        disconnect(p);
        disconnect(q);
        QCOMPARE(ui->currentScreen(), QStringLiteral("RenderingScreen"));
        QCOMPARE(progress.value(0, -1), 0);
        QCOMPARE(previews.value(0, "none"), QString());
        // Back stops the render and leads to the settings.
        QVERIFY(ui->clickText("Back"));
        QTRY_COMPARE_WITH_TIMEOUT(ui->currentScreen(), QStringLiteral("SettingsScreen"), 20000);
        QVERIFY(!RenderPres::instance()->isRendering());
    }

    // Closing the window while a video is made asks; stopping removes the unfinished file.
    void closingWhileRenderingAsks()
    {
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        QVERIFY(ui->click("fullHdRadio")); // a longer render, still running when asked
        QVERIFY(ui->click("makeMovieButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("RenderingScreen"));
        const QString video = RenderPres::instance()->resultPath();
        ui->window()->close();
        QVERIFY(ui->window()->isVisible());
        QVERIFY(popupOpened("quitWhileRenderingPopup"));
        grab("quit-while-rendering");
        QVERIFY(ui->click("quitWhileRenderingPopupOther")); // keep rendering
        QVERIFY(RenderPres::instance()->isRendering());
        ui->window()->close();
        QVERIFY(popupOpened("quitWhileRenderingPopup"));
        QVERIFY(ui->click("quitWhileRenderingPopupMain")); // stop and quit
        QVERIFY(!RenderPres::instance()->isRendering());
        QVERIFY(!QFileInfo::exists(video));
        ui->navigate("SettingsScreen");
        QVERIFY(ui->click("hdRadio"));
    }

    // The folder chooser gives the folder clicked once, or the one typed.
    void theResultFolderComesFromTheChooser()
    {
        const QString picked = dirs.file("videos/picked");
        const QString typed = dirs.file("videos/typed");
        QVERIFY(QDir().mkpath(picked) && QDir().mkpath(typed));
        ui->navigate("SettingsScreen");
        QVERIFY(ui->click("changeSaveDirLink"));
        QVERIFY(ui->clickFolderInChooser(picked));
        QCOMPARE(SettingsPres::instance()->saveDir(), QFileInfo(picked).canonicalFilePath());
        QVERIFY(ui->click("changeSaveDirLink"));
        QVERIFY(ui->acceptFileChooser({typed}));
        QCOMPARE(SettingsPres::instance()->saveDir(), QFileInfo(typed).canonicalFilePath());
        SettingsPres::instance()->setSaveDir(dirs.file("videos"));
    }

    void anUnwritableResultFolderKeepsThePersonInTheSettings()
    {
        const QString blocked = unwritablePath(dirs);
        SettingsPres::instance()->setSaveDir(blocked);
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        QVERIFY(ui->click("makeMovieButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        QQuickItem* popup = ui->item("errorMessage");
        QVERIFY(popup && popup->isVisible());
        QVERIFY(popup->property("text").toString().contains(blocked));
        // Titled by what failed, with no support addresses: nothing is broken in the program.
        QCOMPARE(ui->item("errorTitle")->property("text").toString(),
                 QStringLiteral("The result folder cannot be used"));
        QVERIFY(!ui->item("supportLinks")->isVisible());
        grab("popup-error");
        QVERIFY(ui->clickText("OK"));
        SettingsPres::instance()->setSaveDir(dirs.file("videos"));
    }

    void everyBackLeadsSomewhere_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("transition"); // going back slides the other way
        const auto row = [](const char* name, const char* screen, const char* button,
                            const char* destination, const char* transition = "pop") {
            QTest::newRow(name) << screen << button << destination << transition;
        };
        row("music", "AddBackgroundMusicScreen", "Back to Themes", "ThemesScreen");
        row("music, skipped", "AddBackgroundMusicScreen", "Skip Audio", "MainScreen", "push");
        row("editor", "MainScreen", "Back to Themes", "ThemesScreen");
        row("settings", "SettingsScreen", "Back", "MainScreen");
        row("downloading", "DownloadingScreen", "Back", "SettingsScreen");
        row("rendering, idle", "RenderingScreen", "Back", "SettingsScreen");
        row("done", "DoneScreen", "Back", "MainScreen");
    }

    void everyBackLeadsSomewhere()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QFETCH(QString, destination);
        QFETCH(QString, transition);
        ui->navigate(screen);
        QVERIFY(ui->clickText(button));
        QCOMPARE(ui->currentScreen(), destination);
        QCOMPARE(ui->window()->property("lastTransition").toString(), transition);
    }

    // A theme download that completes while the user is elsewhere starts no render.
    void aDownloadCompletingElsewhereStartsNothing()
    {
        ui->navigate("SettingsScreen");
        emit TemplatesPres::instance()->templateDownloaded();
        UiFixture::settle();
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        QVERIFY(!RenderPres::instance()->isRendering());
    }

    void replacedScreensAreDestroyed()
    {
        ui->navigate("SettingsScreen");
        QPointer<QQuickItem> settings = ui->item("settingsScreen");
        QVERIFY(settings);
        ui->navigate("MainScreen");
        ui->navigate("SettingsScreen");
        ui->navigate("MainScreen");
        UiFixture::settle(800);
        QVERIFY(!settings);
        QCOMPARE(ui->items("mainScreen").size(), 1);
    }

    void aFailedDownloadDoesNotHoldUpTheNextTheme()
    {
        ui->navigate("ThemesScreen");
        QVERIFY(ui->click("themeTile2"));
        QVERIFY(ui->click("startButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen")); // music is already there
        QTRY_VERIFY(ui->find("downloadErrorPopup")->property("opened").toBool());
        QVERIFY(ui->clickText("Select other"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("ThemesScreen"));
        QVERIFY(ui->click("themeTile1"));
        QVERIFY(ui->click("startButton"));
        QVERIFY(!TemplatesPres::instance()->isDownloading());
        QVERIFY(ui->click("doneButton"));

        // A photo moved away since it was added is found before the render starts.
        const QString gone = order().value(3);
        QVERIFY(QFile::rename(gone, gone + ".moved"));
        QVERIFY(ui->click("makeMovieButton"));
        QVERIFY(popupOpened("missingPhotosPopup"));
        QCOMPARE(ui->find("missingPhotosPopup")->property("files").toStringList(),
                 QStringList{gone});
        grab("missing-photos");
        QVERIFY(ui->click("missingPhotosPopupOther")); // back to the editor
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        QVERIFY(order().contains(gone));
        QVERIFY(ui->click("doneButton"));
        QVERIFY(ui->click("makeMovieButton"));
        QVERIFY(popupOpened("missingPhotosPopup"));
        QVERIFY(ui->click("missingPhotosPopupMain")); // remove them and go on
        QVERIFY(!order().contains(gone));
        QVERIFY(QFile::rename(gone + ".moved", gone));
        QCOMPARE(ui->currentScreen(), QStringLiteral("RenderingScreen"));
        QTRY_COMPARE_WITH_TIMEOUT(ui->currentScreen(), QStringLiteral("DoneScreen"), 120000);
        QVERIFY(ui->clickText("Back"));
    }

    void aFolderFromTheChooserAndNewRowsInView()
    {
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        const int before = ProjectPres::instance()->slidesNumber();
        QVERIFY(ui->click("addImagesButton"));
        QVERIFY(ui->click("addFolderItem"));
        QVERIFY(ui->acceptFileChooser({dirs.file("album")}));
        QCOMPARE(ProjectPres::instance()->slidesNumber(), before + 30);
        QVERIFY(order().last().endsWith("album/a29.png"));
        QVERIFY(order().contains(dirs.file("album/A00.PNG")));
        // What was left out is named, with why, under a title that says so.
        QTRY_VERIFY(ui->item("errorMessage") && ui->item("errorMessage")->isVisible());
        const QString notice = ui->item("errorMessage")->property("text").toString();
        QVERIFY2(notice.contains("Files not added: 2.") && notice.contains("broken.jpg") &&
                     notice.contains("clip.MOV"),
                 qPrintable(notice));
        QCOMPARE(ui->item("errorTitle")->property("text").toString(),
                 QStringLiteral("Some files were not added"));
        grab("notice-skipped-files");
        QVERIFY(ui->clickText("OK"));
        // The music holds fewer slides: the separator row is in view, and the tiles below it
        // are dimmed, those above it not.
        const int used = ProjectPres::instance()->usedSlidesNumber();
        QVERIFY(inView(tile(used)));
        QCOMPARE(tile(used - 1)->opacity(), 1.0);
        QCOMPARE(tile(used + 1)->opacity(), 0.5);
        grab("editing-separator");

        // New rows show wherever the grid stood, also the first tile of a new line (a full
        // line of tiles is six wide here). With nothing selected (Esc), texts go to the end.
        ui->item("photoGrid")->forceActiveFocus();
        ui->key(Qt::Key_Escape);
        QCOMPARE(SlideGridPres::instance()->currentRow(), -1);
        for (int k = 0; k < 6; ++k) {
            flick()->setProperty("contentY", 0);
            UiFixture::settle(100);
            QVERIFY(ui->click("addTextButton"));
            ui->item("textArea")->forceActiveFocus();
            ui->typeText(k == 5 ? "Thanks for watching" : "Chapter");
            QVERIFY(ui->click("textOkButton"));
            const int last = SlidesListModel::instance()->rowCount() - 1;
            QVERIFY2(inView(tile(last)), qPrintable(QStringLiteral("row %1").arg(last)));
        }
        // With a tile selected, right after it, shown.
        flick()->setProperty("contentY", 0);
        UiFixture::settle(100);
        ui->clickItem(tile(2));
        flick()->setProperty("contentY", flick()->property("contentHeight").toDouble());
        addText("Interlude");
        QCOMPARE(SlidesListModel::instance()->data(SlidesListModel::instance()->index(3),
                                                   SlidesListModel::TextRole),
                 QVariant("Interlude"));
        QVERIFY(inView(tile(3)));
    }

    void draggingToTheBottomEdgeScrolls()
    {
        flick()->setProperty("contentY", 0);
        UiFixture::settle();
        QQuickItem* view = flick();
        const QPoint edge =
            view->mapToScene(QPointF(view->width() / 2, view->height() - 10)).toPoint();
        const int before = ProjectPres::instance()->slidesNumber();
        ui->drag(tilePoint(0, 0.5), edge, 12, 800);
        QVERIFY(flick()->property("contentY").toDouble() > 100);
        QCOMPARE(ProjectPres::instance()->slidesNumber(), before); // dropped somewhere, not lost
    }

    void rotatingAndRemovingThroughTheTileButtons()
    {
        flick()->setProperty("contentY", 0);
        UiFixture::settle();
        QQuickItem* rotate = tileButton(1, "rotateRightButton");
        QVERIFY(rotate);
        ui->clickItem(rotate);
        UiFixture::settle(800); // two clicks in a row would be a double click
        const QString second = order().value(1);
        const int before = ProjectPres::instance()->slidesNumber();
        QQuickItem* remove = tileButton(1, "removeButton");
        QVERIFY(remove);
        ui->clickItem(remove);
        UiFixture::settle();
        QCOMPARE(ProjectPres::instance()->slidesNumber(), before - 1);
        QVERIFY(!order().contains(second) || order().count(second) < 2);
        UiFixture::settle(1500);
        // Thumbnails replaced or removed on the way were never asked for afterwards.
        QCOMPARE(providerMisses, 0);
    }

    // The open project is first among the recent ones as soon as it is saved; "New Slideshow"
    // keeps it there and begins an empty one, saved from its first photo on.
    void aNewSlideshowKeepsTheOpenOne()
    {
        ProjectPres* project = ProjectPres::instance();
        SavedProjectsPres* saved = SavedProjectsPres::instance();
        const QString openId = project->project()->id();
        QVERIFY(ui->clickText("Back to Themes"));
        QCOMPARE(saved->allRecords().first().id, openId);
        // Renamed from the list: the open project takes the title, which names its videos.
        QVERIFY(ui->click("renameProjectButton"));
        QVERIFY(popupOpened("renamePopup"));
        ui->typeText("Summer in Rome");
        ui->key(Qt::Key_Return);
        QCOMPARE(saved->allRecords().first().title, QStringLiteral("Summer in Rome"));
        QCOMPARE(project->project()->title(), QStringLiteral("Summer in Rome"));
        QVERIFY(
            ui->item("projectHeading")->property("text").toString().startsWith("Summer in Rome"));
        grab("renamed-project");
        const int before = saved->allRecords().size();
        QVERIFY(ui->click("newSlideshowButton"));
        QCOMPARE(project->slidesNumber(), 0);
        QCOMPARE(project->audioFilesCount(), 0);
        QVERIFY(!ui->item("newSlideshowButton")->isVisible());
        grab("new-slideshow");
        QVERIFY(ui->click("themeTile1"));
        QVERIFY(ui->click("startButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("AddBackgroundMusicScreen"));
        QVERIFY(ui->clickText("Skip Audio"));
        QVERIFY(ui->click("addImagesButton"));
        QVERIFY(ui->click("addFilesItem"));
        QVERIFY(ui->acceptFileChooser({photos[0]}));
        QTRY_COMPARE(saved->allRecords().size(), before + 1);
        QVERIFY(saved->allRecords().first().id != openId);
        QCOMPARE(saved->allRecords().value(1).id, openId);
    }

    void errorMessagesShowAsWritten()
    {
        const QString message = QStringLiteral("Cannot read \"/home/a & b/<old>.jpg\"");
        CommonError::instance()->report(message);
        QTRY_VERIFY(ui->item("errorMessage") && ui->item("errorMessage")->isVisible());
        QQuickItem* label = ui->item("errorMessage");
        QCOMPARE(label->property("text").toString(), message);
        QCOMPARE(label->property("textFormat").toInt(), 0); // Text.PlainText: shown as written
        QVERIFY(ui->clickText("OK"));
        // A failure as a render reports it: what to do, then the system's reason on a line of its
        // own.
        const Failure failure(QStringLiteral("The video could not be written to "
                                             "/media/usb/Summer.mp4. Check that the disk has free "
                                             "space and that the folder can be written to, then "
                                             "make the video again."),
                              QStringLiteral("/media/usb/Summer.mp4"),
                              QStringLiteral("No space left on device"));
        CommonError::instance()->report(failure);
        QTRY_VERIFY(ui->item("errorMessage") && ui->item("errorMessage")->isVisible());
        QCOMPARE(ui->item("errorMessage")->property("text").toString(), failure.text());
        grab("popup-failure");
        QVERIFY(ui->clickText("OK"));
    }

    void everyTextFitsTheSmallestWindow_data()
    {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "fr", "es", "pt"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // At the smallest size a laptop gives the window, in every language: each screen and
    // pop-up, with everything it shows.
    void everyTextFitsTheSmallestWindow()
    {
        QFETCH(QString, language);
        QVERIFY(ui->setLanguage(language));
        ui->window()->resize(1024, 700);
        QStringList problems;
        const auto check = [&](const QString& where) {
            UiFixture::settle(300);
            ui->waitForStack();
            for (const QString& problem : ui->textsThatDoNotFit())
                problems << where + ": " + problem;
        };
        for (const char* screen :
             {"ThemesScreen", "AddBackgroundMusicScreen", "SettingsScreen", "DownloadingScreen",
              "RenderingScreen", "DoneScreen", "MainScreen"}) {
            ui->navigate(screen);
            check(screen);
        }
        // The editor shows the separator: scroll it into view.
        emit ProjectPres::instance()->scrollToSeparator();
        check("MainScreen, separator");
        QVERIFY(ui->click("addImagesButton"));
        check("Add Images menu");
        QMetaObject::invokeMethod(ui->find("addImagesMenu"), "close");
        for (const char* popup : {"textPopup", "audioPopup", "downloadErrorPopup", "leavePopup"}) {
            QMetaObject::invokeMethod(ui->find(popup), "open");
            check(popup);
            QMetaObject::invokeMethod(ui->find(popup), "close");
        }
        const QVariant missing = QStringList{photos[0], photos[1]};
        QMetaObject::invokeMethod(ui->find("missedFilesPopup"), "show", Q_ARG(QVariant, missing));
        check("missedFilesPopup");
        QMetaObject::invokeMethod(ui->find("missedFilesPopup"), "close");
        CommonError::instance()->report(QStringLiteral("The photo cannot be read: ") + photos[0]);
        check("commonErrorPopup");
        QMetaObject::invokeMethod(ui->find("commonErrorPopup"), "close");
        grab("fit-" + language);
        ui->setLanguage("en");
        ui->window()->resize(1280, 860);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("\n")));
    }
};

QtMessageHandler TestWindow::previousHandler = nullptr;
TestWindow* TestWindow::self = nullptr;

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
