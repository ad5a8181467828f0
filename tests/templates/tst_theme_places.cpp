#include "HttpTestServer.h"
#include "TestDirs.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TmplDownloadManager.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A theme with one video scene, as installed: its description, and the video only if `withVideo`.
void writeTheme(const QString& folder, int id)
{
    writeFile(QStringLiteral("%1/%2/template.xml").arg(folder).arg(id),
              "<template><scene id='1' type='1' frames='30'/></template>");
    writeFile(QStringLiteral("%1/%2/info.xml").arg(folder).arg(id),
              QStringLiteral("<info><name>Theme %1</name></info>").arg(id).toUtf8());
}

// Makes `folder` read-only for this process, as a system install is for a user: a read-only bind
// mount in a mount namespace of the process's own (root alone would write anywhere else).
bool makeReadOnly(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    return geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
           mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
               0;
}

} // namespace

// Where an installed program finds its themes, and where it puts what it downloads for them.
class TestThemePlaces : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    // Runs the lookup from `workFolder` with the given environment.
    QString lookup(const QString& workFolder, const QByteArray& themesDir,
                   const QByteArray& dataDirs)
    {
        QDir().mkpath(workFolder);
        QDir::setCurrent(workFolder);
        if (themesDir.isEmpty())
            qunsetenv("LUMAVIVE_THEMES_DIR");
        else
            qputenv("LUMAVIVE_THEMES_DIR", themesDir);
        qputenv("XDG_DATA_DIRS", dataDirs);
        return TemplateCatalog::themesFolder();
    }

private slots:
    void lookupOrder()
    {
        const QString base = dirs.path();
        writeTheme(base + "/work-with/templates", 1);
        writeTheme(base + "/configured", 2);
        writeTheme(base + "/data/lumavive/themes", 3); // $XDG_DATA_HOME
        writeTheme(base + "/system2/lumavive/themes", 4);
        writeFile(base + "/system1/lumavive/themes/4/1.mp4", "only a download");
        const QByteArray systems = QFile::encodeName(base + "/system1:" + base + "/system2");

        // The working folder's own themes come first, as they always did.
        QCOMPARE(lookup(base + "/work-with", base.toUtf8() + "/configured", systems),
                 QStringLiteral("./templates/"));
        QCOMPARE(lookup(base + "/work", base.toUtf8() + "/configured", systems),
                 base + "/configured/");
        QCOMPARE(lookup(base + "/work", {}, systems), base + "/data/lumavive/themes/");
        // A data folder with nothing but downloaded media holds no themes.
        QVERIFY(QDir(base + "/data/lumavive/themes/3").removeRecursively());
        writeFile(base + "/data/lumavive/themes/3/1.mp4", "only a download");
        QCOMPARE(lookup(base + "/work", {}, systems), base + "/system2/lumavive/themes/");
        // Nothing anywhere: the working folder's "templates/", which lists no themes.
        QCOMPARE(lookup(base + "/work", {}, QFile::encodeName(base + "/system1")),
                 QStringLiteral("./templates/"));
        QCOMPARE(TemplateCatalog::userThemesFolder(), base + "/data/lumavive/themes/");

        // A writable themes folder takes downloads itself, also for a theme folder not made yet.
        TemplateCatalog writable(base + "/configured/", base + "/data/lumavive/themes/");
        QCOMPARE(writable.mediaPath(2, "1.mp4"), base + "/configured/2/1.mp4");
        QCOMPARE(writable.mediaPath(77, "1.mp4"), base + "/configured/77/1.mp4");
        // What is only in the user's folder is found there.
        QCOMPARE(writable.mediaPath(3, "1.mp4"), base + "/data/lumavive/themes/3/1.mp4");
    }

    // A system-wide install cannot be written: missing videos go to the user's data folder, and
    // are found there from then on.
    void downloadsOfAReadOnlyInstallGoToTheUser()
    {
        const QString base = dirs.path();
        const QString system = base + "/readonly/lumavive/themes";
        writeTheme(system, 9);
        QDir::setCurrent(base + "/work");
        qunsetenv("LUMAVIVE_THEMES_DIR");
        qputenv("XDG_DATA_DIRS", QFile::encodeName(base + "/readonly"));
        if (!makeReadOnly(system))
            QSKIP("needs root and mount namespaces to make a folder read-only for root");
        QVERIFY(!QFile(system + "/9/probe").open(QIODevice::WriteOnly));

        TemplateCatalog* catalog = TemplateCatalog::instance();
        QCOMPARE(catalog->folder(), system + "/");
        const QString userCopy = base + "/data/lumavive/themes/9/1.mp4";
        QCOMPARE(catalog->mediaPath(9, "1.mp4"), userCopy);

        HttpTestServer server;
        QVERIFY(server.listen());
        server.setHandler([](const HttpTestServer::Request& request) {
            HttpTestServer::Response response;
            if (request.path == "/app/1.2.0/themes/9/1.mp4")
                response.body = QByteArray(3000, 'v');
            else
                response.status = 404;
            return response;
        });
        qputenv("LUMAVIVE_THEME_SERVER", server.baseUrl().toUtf8());
        const auto theme = loadTemplate(9);
        TmplDownloadManager* manager = TmplDownloadManager::instance();
        QVERIFY(!manager->isDownloaded(theme));
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(theme);
        QTRY_COMPARE(done.count(), 1);
        QCOMPARE(QFileInfo(userCopy).size(), 3000);
        QVERIFY(manager->isDownloaded(theme));
        QCOMPARE(catalog->mediaPath(9, "1.mp4"), userCopy);
        QVERIFY(!QFileInfo::exists(system + "/9/1.mp4"));
    }
};

QTEST_MAIN(TestThemePlaces)
#include "tst_theme_places.moc"
