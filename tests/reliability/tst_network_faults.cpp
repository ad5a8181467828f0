// The network under faults: a full disk or a dropped connection while a theme downloads, a theme
// server and an error endpoint that never answer. Nothing half-written stays behind, nothing
// waits for ever, and the next attempt works.
#include "FullDisk.h"
#include "HttpTestServer.h"
#include "TestDirs.h"
#include "base/CommonError.h"
#include "base/ErrorSender.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TmplDownloadManager.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

QSharedPointer<TemplateDescription> oneVideo(int id)
{
    auto t = QSharedPointer<TemplateDescription>::create();
    t->id = id;
    auto scene = QSharedPointer<ImgScene>::create();
    scene->frames = 100;
    scene->bgFileName = QStringLiteral("1.mp4");
    t->scenes->insert(1, scene);
    return t;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class TestNetworkFaults : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    HttpTestServer server;
    TmplDownloadManager* manager = nullptr;

private slots:
    void initTestCase()
    {
        TemplateCatalog::use(dirs.file("templates/"));
        QVERIFY(server.listen());
        qputenv("LUMAVIVE_THEME_SERVER", server.baseUrl().toUtf8());
        manager = TmplDownloadManager::instance();
        manager->setTransferTimeout(1500);
    }

    void fullDiskDuringDownload()
    {
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.body = QByteArray(300000, 'v');
            return r;
        });
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        bool failed = false;
        {
            FullDisk full(100000);
            QVERIFY(full.active());
            manager->download(oneVideo(21));
            failed = QTest::qWaitFor([&] { return errors.count() > 0; }, 20000);
        }
        QVERIFY(failed);
        QCOMPARE(done.count(), 0);
        QCOMPARE(filesIn(dirs.file("templates/21")), QStringList());

        manager->redownload(); // room again
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
        QCOMPARE(QFileInfo(dirs.file("templates/21/1.mp4")).size(), 300000);
        QCOMPARE(filesIn(dirs.file("templates/21")), QStringList("1.mp4"));
    }

    void silentThemeServerTimesOut()
    {
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.neverAnswer = true;
            return r;
        });
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        manager->download(oneVideo(23));
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 20000);
        QCOMPARE(filesIn(dirs.file("templates/23")), QStringList());
    }

    void silentEndpointNeverBlocks()
    {
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.neverAnswer = true;
            return r;
        });
        qputenv("LUMAVIVE_ERROR_ENDPOINT", server.baseUrl().toUtf8());
        ErrorSender::setTransferTimeout(1500);
        server.clearRequests();
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        QElapsedTimer timer;
        timer.start();
        CommonError::instance()->report(QStringLiteral("nobody answers"));
        QVERIFY(timer.elapsed() < 1000); // the caller never waits for the endpoint
        QCOMPARE(shown.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::inFlight(), 0, 20000); // the sender gave up
        qunsetenv("LUMAVIVE_ERROR_ENDPOINT");
    }

    void programEndsWhileAPostWaits()
    {
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.neverAnswer = true;
            return r;
        });
        server.clearRequests();
        QProcess worker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LUMAVIVE_ERROR_ENDPOINT", server.baseUrl());
        worker.setProcessEnvironment(environment);
        worker.start(REPORT_WORKER, QStringList());
        QVERIFY(worker.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(worker.state(), QProcess::NotRunning, 10000);
        QCOMPARE(worker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(worker.exitCode(), 0);
    }
};

QTEST_MAIN(TestNetworkFaults)
#include "tst_network_faults.moc"
