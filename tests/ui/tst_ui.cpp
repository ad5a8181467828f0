#include "MediaFixtures.h"
#include "TestDirs.h"
#include "ThemeFixture.h"
#include "UiFixture.h"
#include "app/ProjectPres.h"
#include "app/RenderPres.h"
#include "app/SavedProjectsPres.h"
#include "app/SettingsPres.h"
#include "app/TemplatesPres.h"
#include "images/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"

#include <QProcess>
#include <QQuickItem>
#include <QtTest>

// The window driven through its real QML and presenters. The journey continues in a second run
// of this program (a restart), which finds the saved project under "My Recent Projects".
class TestUi : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    UiFixture* ui = nullptr;
    bool restarted = !qEnvironmentVariableIsEmpty("LUMAVIVE_UI_RESTART");

    QString photo(const QString& name, QColor color)
    {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(color);
        const QString path = QDir::current().filePath(name);
        image.save(path, "PNG");
        return path;
    }

    void grab(const QString& name) { ui->screenshot(name); }

private slots:
    void initTestCase()
    {
        UiFixture::prepareApplication();
        if (restarted) {
            // The second run works in the folder of the first.
            QDir::setCurrent(qEnvironmentVariable("LUMAVIVE_UI_RESTART"));
            qputenv("XDG_DATA_HOME", QDir::current().filePath("data").toUtf8());
            qputenv("XDG_CONFIG_HOME", QDir::current().filePath("config").toUtf8());
        } else {
            QDir::setCurrent(dirs.path());
            qputenv("XDG_DATA_HOME", dirs.file("data").toUtf8());
            // Screenshots for the documentation show the real themes.
            const QString realThemes = qEnvironmentVariable("LUMAVIVE_SCREENSHOT_THEMES");
            if (!realThemes.isEmpty())
                QVERIFY(QFile::link(realThemes, "templates"));
            for (int id : {1, 2, 3}) {
                if (!realThemes.isEmpty())
                    break;
                const ThemeFixture::ThemeSpec theme =
                    ThemeFixture::photoAndText(id, QStringLiteral("Theme %1").arg(id));
                QVERIFY(ThemeFixture::write("templates", theme));
            }
        }
        SettingsPres::instance()->setSaveDir(QDir::current().filePath("videos"));
        ui = new UiFixture;
        QVERIFY(ui->load());
    }

    void cleanupTestCase() { delete ui; }

    void firstScreenShowsThemesNewestFirst()
    {
        if (restarted)
            QSKIP("first run only");
        QCOMPARE(ui->currentScreen(), QStringLiteral("ThemesScreen"));
        grab("themes");
        if (!qEnvironmentVariableIsEmpty("LUMAVIVE_SCREENSHOT_THEMES"))
            return;
        QCOMPARE(TemplatesPres::instance()->selectedId(), 3);
        auto* grid = qobject_cast<QQuickItem*>(ui->find("themesGrid"));
        QVERIFY(grid);
        QStringList order;
        for (QQuickItem* tile : grid->childItems())
            if (tile->objectName().startsWith("themeTile"))
                order << tile->objectName();
        QCOMPARE(order, QStringList({"themeTile3", "themeTile2", "themeTile1"}));
        // No saved projects yet: the recent projects block is hidden.
        QCOMPARE(ui->find("projectsView")->property("visible").toBool(), false);
    }

    void navigationTransitions()
    {
        if (restarted)
            QSKIP("first run only");
        ui->navigate("MainScreen");
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        ui->navigate("SettingsScreen");
        QCOMPARE(ui->window()->property("lastTransition").toString(), QStringLiteral("push"));
        ui->navigate("MainScreen");
        QCOMPARE(ui->window()->property("lastTransition").toString(), QStringLiteral("pop"));
        QVERIFY(ui->find("mainScreen"));
    }

    void textPopupRefusesLongTexts()
    {
        if (restarted)
            QSKIP("first run only");
        ui->navigate("MainScreen");
        QVERIFY(!ui->click("doneButton")); // no slides yet: Done is disabled
        QVERIFY(ui->click("addTextButton"));
        QObject* area = ui->find("textArea");
        QVERIFY(area);
        const QString ninety(90, QLatin1Char('a'));
        area->setProperty("text", ninety);
        area->setProperty("text", ninety + "b");
        QCOMPARE(area->property("text").toString(), ninety);
        QCOMPARE(ui->find("textCounter")->property("text").toString(), QStringLiteral("90/90"));
        grab("popup-text");
        area->setProperty("text", "Summer by the lake");
        QVERIFY(ui->click("textOkButton"));
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 1);
        QVERIFY(ui->find("doneButton")->property("enabled").toBool());
    }

    void downloadCompletionOnlyRendersFromItsScreen()
    {
        if (restarted)
            QSKIP("first run only");
        ui->navigate("SettingsScreen");
        emit TemplatesPres::instance()->templateDownloaded();
        UiFixture::settle();
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        QVERIFY(!RenderPres::instance()->isRendering());
    }

    void journeyToAVideo()
    {
        if (restarted)
            QSKIP("first run only");
        // Choose theme 2 with music already in the project: the music screen is skipped.
        ui->navigate("ThemesScreen");
        TemplatesPres::instance()->setSelectedId(2);
        ProjectPres* project = ProjectPres::instance();
        MediaFixtures::AudioSpec music;
        music.seconds = 30;
        QVERIFY(MediaFixtures::writeAudio(dirs.file("song.m4a"), music));
        project->addAudio(QVariantList{QUrl::fromLocalFile(dirs.file("song.m4a"))});
        UiFixture::settle();
        QVERIFY(ui->click("startButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        QCOMPARE(project->themeId(), 2);
        project->removeAudio(0);

        // Photos as the file dialog would hand them over.
        QVariantList photos;
        for (const QColor& color :
             {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue), QColor(Qt::yellow)})
            photos << QUrl::fromLocalFile(photo(color.name().mid(1) + ".png", color));
        project->addImages(photos);
        UiFixture::settle(800);
        grab("main");
        QVERIFY(ui->click("doneButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("SettingsScreen"));
        grab("settings");
        QVERIFY(ui->click("makeMovieButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("RenderingScreen"));
        grab("rendering");
        QTRY_COMPARE_WITH_TIMEOUT(ui->currentScreen(), QStringLiteral("DoneScreen"), 120000);
        grab("done");
        QVERIFY(QFileInfo::exists(RenderPres::instance()->resultPath()));
        QVERIFY(RenderPres::instance()->resultPath().endsWith(".mp4"));
        QVERIFY(!SavedProjectsPres::instance()->projectsFolder().isEmpty());

        // A restart: the project is listed under "My Recent Projects" and resumes.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LUMAVIVE_UI_RESTART", dirs.path());
        QProcess second;
        second.setProcessEnvironment(env);
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(QCoreApplication::applicationFilePath(), {"resumesAfterRestart"});
        QVERIFY(second.waitForFinished(120000));
        QCOMPARE(second.exitCode(), 0);
    }

    void resumesAfterRestart()
    {
        if (!restarted)
            QSKIP("run by journeyToAVideo in a second process");
        QObject* recent = ui->find("projectsView");
        QVERIFY(recent);
        QTRY_VERIFY(recent->property("visible").toBool());
        grab("themes-with-recent-project");
        QVERIFY(ui->click("resumeButton"));
        QCOMPARE(ui->currentScreen(), QStringLiteral("MainScreen"));
        QCOMPARE(ProjectPres::instance()->themeId(), 2);
        QCOMPARE(ProjectPres::instance()->slidesNumber(), 5);
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
