#include "FullDisk.h"
#include "HttpTestServer.h"
#include "TestDirs.h"
#include "app/TemplatesPres.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TmplDownloadManager.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A template description with video scenes of the given frame counts (scene ids 1, 2, ...).
QSharedPointer<TemplateDescription> videoTemplate(int id, const QList<int>& frames,
                                                  const QStringList& names = {})
{
    auto t = QSharedPointer<TemplateDescription>::create();
    t->id = id;
    for (int i = 0; i < frames.size(); ++i) {
        auto scene = QSharedPointer<ImgScene>::create();
        scene->frames = frames[i];
        scene->bgFileName = i < names.size() ? names[i] : QString::number(i + 1) + ".mp4";
        t->scenes->insert(i + 1, scene);
    }
    return t;
}

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QByteArray body(int size)
{
    return QByteArray(size, 'v');
}

// Every request answered with `size` bytes, in `pieces` parts `delayMs` apart.
HttpTestServer::Handler serving(int size, int pieces = 1, int delayMs = 0)
{
    return [=](const HttpTestServer::Request&) {
        HttpTestServer::Response r;
        r.body = body(size);
        r.pieces = pieces;
        r.pieceDelayMs = delayMs;
        return r;
    };
}

} // namespace

class TestTemplateDownload : public QObject
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
    }

    void init() { server.clearRequests(); }

    void progressIsWeightedByFrames()
    {
        auto t = videoTemplate(11, {100, 300});
        server.setHandler([](const HttpTestServer::Request& request) {
            HttpTestServer::Response r;
            r.body = body(4000);
            if (request.path.endsWith("/2.mp4")) {
                r.pieces = 2;
                r.pieceDelayMs = 300;
            }
            return r;
        });
        QSignalSpy progress(manager, &TmplDownloadManager::progress);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(t);
        QTRY_COMPARE(done.count(), 1);
        QList<float> values;
        for (const QList<QVariant>& p : progress)
            values << p.at(0).toFloat();
        QString seen;
        for (float v : values)
            seen += QString::number(v) + ' ';
        QVERIFY2(values.contains(25.0f) && values.contains(62.5f), qPrintable(seen));
        QCOMPARE(values.last(), 100.0f);
    }

    void unknownLengthGivesNoProgressButDone()
    {
        auto t = videoTemplate(12, {100});
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.body = body(5000);
            r.sendLength = false;
            return r;
        });
        QSignalSpy progress(manager, &TmplDownloadManager::progress);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(t);
        QTRY_COMPARE(done.count(), 1);
        QCOMPARE(progress.count(), 0);
        QCOMPARE(QFileInfo(dirs.file("templates/12/1.mp4")).size(), 5000);
    }

    void newDownloadDropsTheRunningOne()
    {
        auto slow = videoTemplate(15, {100});
        auto fast = videoTemplate(16, {100});
        server.setHandler([](const HttpTestServer::Request& request) {
            HttpTestServer::Response r;
            r.body = body(8000);
            if (request.path.contains("/15/")) {
                r.pieces = 8;
                r.pieceDelayMs = 200;
            }
            return r;
        });
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(slow);
        QTRY_COMPARE(server.requests().size(), 1);
        manager->download(fast);
        QTRY_COMPARE(done.count(), 1);
        QTest::qWait(300);
        QCOMPARE(done.count(), 1);
        QCOMPARE(errors.count(), 0);
        QVERIFY(!QFileInfo::exists(dirs.file("templates/15/1.mp4")));
        QVERIFY(QFileInfo::exists(dirs.file("templates/16/1.mp4")));
    }

    void everythingPresentIsDoneAtOnce()
    {
        touch(dirs.file("templates/17/1.mp4"));
        auto t = videoTemplate(17, {100});
        QVERIFY(manager->isDownloaded(t));
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(t);
        QCOMPARE(done.count(), 1);
        QCOMPARE(server.requests().size(), 0);
    }

    void zeroWeightsNeverDivideByZero()
    {
        auto t = videoTemplate(18, {0, 0});
        server.setHandler(serving(3000, 3, 20));
        QSignalSpy progress(manager, &TmplDownloadManager::progress);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        manager->download(t);
        QTRY_COMPARE(done.count(), 1);
        for (const QList<QVariant>& p : progress)
            QVERIFY(qIsFinite(p.at(0).toFloat()));
    }

    void escapingNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../evil.mp4";
        QTest::newRow("deep parent") << "sub/../../evil.mp4";
        QTest::newRow("absolute") << dirs.file("evil.mp4");
        QTest::newRow("backslash") << "..\\evil.mp4";
    }
    void escapingNamesAreRefused()
    {
        QFETCH(QString, name);
        QVERIFY(!TemplateCatalog::isSafeFileName(name));
        auto t = videoTemplate(19, {100}, {name});
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        QVERIFY(!manager->isDownloaded(t));
        manager->download(t);
        QTRY_COMPARE(errors.count(), 1);
        manager->redownload();
        QTRY_COMPARE(errors.count(), 2);
        QCOMPARE(done.count(), 0);
        QCOMPARE(server.requests().size(), 0);
        QVERIFY(!QFileInfo::exists(dirs.file("evil.mp4")));
        QVERIFY(!QFileInfo::exists(dirs.file("templates/evil.mp4")));
        QVERIFY(TemplateCatalog::isSafeFileName("videos/1.mp4"));
    }

    void presenterFollowsTheDownload()
    {
        QDir().mkpath(dirs.file("templates/20"));
        QFile xml(dirs.file("templates/20/template.xml"));
        QVERIFY(xml.open(QIODevice::WriteOnly));
        xml.write("<template><scene id='1' frames='100'/><scene id='2' frames='100' bg-type='2' "
                  "bg-file-name='still.jpg'/></template>");
        xml.close();
        server.setHandler(serving(1000));
        TemplatesPres* presenter = TemplatesPres::instance();
        presenter->setSelectedId(20);
        QSignalSpy progress(presenter, &TemplatesPres::downloadProgressChanged);
        QSignalSpy downloading(presenter, &TemplatesPres::isDownloadingChanged);
        QSignalSpy downloaded(presenter, &TemplatesPres::templateDownloaded);
        presenter->selectionDone();
        QVERIFY(presenter->isDownloading());
        QVERIFY(progress.count() >= 1);
        QCOMPARE(downloading.count(), 1);
        QTRY_COMPARE(downloaded.count(), 1);
        QCOMPARE(presenter->isDownloading(), false);
        QCOMPARE(presenter->downloadProgress(), 0);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests()[0].path, QByteArray("/app/1.2.0/themes/20/1.mp4"));
    }

    // A disk that fills up halfway: nothing half-written stays, and the retry, with room again,
    // keeps the whole video alone.
    void aFullDiskKeepsNothingAndTheRetryWorks()
    {
        server.setHandler(serving(300000));
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        const QDir folder(dirs.file("templates/22"));
        {
            FullDisk full(100000);
            QVERIFY(full.active());
            manager->download(videoTemplate(22, {100}));
            QVERIFY(QTest::qWaitFor([&] { return errors.count() > 0; }, 20000));
        }
        QCOMPARE(done.count(), 0);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList());
        manager->redownload();
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 20000);
        QCOMPARE(QFileInfo(folder.filePath("1.mp4")).size(), 300000);
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList("1.mp4"));
    }

    // What a server answers and whether a file may come of it. Every refusal ends in
    // downloadError() and no file, neither the final one nor a temporary one.
    void onlyWholeVouchedForBodiesAreKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("kept");
        QTest::newRow("redirect followed") << "redirect" << true;
        QTest::newRow("redirect without end") << "redirect loop" << false;
        QTest::newRow("3xx not followed") << "302 without location" << false;
        QTest::newRow("server error with a body") << "500" << false;
        QTest::newRow("fewer bytes than announced") << "short" << false;
        QTest::newRow("right hash and size") << "vouched" << true;
        QTest::newRow("wrong hash") << "wrong hash" << false;
        QTest::newRow("more than the description's size") << "too big" << false;
        QTest::newRow("endless body") << "endless" << false;
        QTest::newRow("no answer") << "silent" << false;
    }

    void onlyWholeVouchedForBodiesAreKept()
    {
        QFETCH(QString, kind);
        QFETCH(bool, kept);
        static int id = 40;
        ++id;
        auto t = videoTemplate(id, {100});
        const QByteArray video = body(5000);
        if (kind == "vouched" || kind == "wrong hash" || kind == "too big") {
            t->scenes->value(1)->bgSha256 =
                QCryptographicHash::hash(video, QCryptographicHash::Sha256).toHex();
            t->scenes->value(1)->bgSize = kind == "too big" ? 100 : video.size();
        }
        // To another host, as content networks do: the same server under another name.
        QByteArray redirected = server.baseUrl().toUtf8() + "/moved/1.mp4";
        redirected.replace("127.0.0.1", "localhost");
        server.setHandler([&](const HttpTestServer::Request& request) {
            HttpTestServer::Response r;
            r.body = video;
            if (kind == "redirect" && !request.path.startsWith("/moved/")) {
                r.status = 302;
                r.body = "<html>Moved</html>";
                r.headers << qMakePair(QByteArray("Location"), redirected);
            } else if (kind == "redirect loop") {
                r.status = 302;
                r.body = "<html>Moved</html>";
                r.headers << qMakePair(QByteArray("Location"),
                                       server.baseUrl().toUtf8() + request.path);
            } else if (kind == "302 without location") {
                r.status = 302;
                r.body = "<html>Moved</html>";
            } else if (kind == "500") {
                r.status = 500;
                r.body = "<html>Internal error</html>";
            } else if (kind == "short") {
                r.declaredLength = 8000;
            } else if (kind == "wrong hash") {
                r.body = QByteArray(video.size(), 'w');
            } else if (kind == "endless") {
                r.endless = true;
            }
            r.neverAnswer = kind == "silent";
            return r;
        });
        manager->setMaxUnannouncedBytes(1 << 20);
        manager->setTransferTimeout(kind == "silent" ? 1500 : 5000);
        QSignalSpy done(manager, &TmplDownloadManager::done);
        QSignalSpy errors(manager, &TmplDownloadManager::downloadError);
        manager->download(t);
        QTRY_COMPARE_WITH_TIMEOUT(done.count() + errors.count(), 1, 20000);
        QTest::qWait(100); // late signals of this transfer arrive here, not in the next row
        manager->setMaxUnannouncedBytes(qint64(2) << 30);
        manager->setTransferTimeout(30000);
        const QString path = dirs.file(QStringLiteral("templates/%1/1.mp4").arg(id));
        QCOMPARE(done.count(), kept ? 1 : 0);
        QCOMPARE(errors.count(), kept ? 0 : 1);
        QCOMPARE(QFileInfo::exists(path), kept);
        if (kept) {
            QFile stored(path);
            QVERIFY(stored.open(QIODevice::ReadOnly));
            QCOMPARE(stored.readAll(), video);
        }
        // No temporary file is left beside it.
        QCOMPARE(
            QDir(dirs.file(QStringLiteral("templates/%1").arg(id))).entryList(QDir::Files).size(),
            kept ? 1 : 0);
        manager->cancel();
    }
};

QTEST_MAIN(TestTemplateDownload)
#include "tst_template_download.moc"
