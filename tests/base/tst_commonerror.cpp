#include "HttpTestServer.h"
#include "base/CommonError.h"
#include "base/ErrorSender.h"
#include "base/Failure.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class TestCommonError : public QObject
{
    Q_OBJECT

    HttpTestServer server;

    QString postedError(int index) const
    {
        return HttpTestServer::formDecode(server.requests().at(index).body).value("error");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        qputenv("LUMAVIVE_ERROR_ENDPOINT", server.baseUrl().toUtf8() + "/");
    }

    void cleanup()
    {
        QTRY_COMPARE(ErrorSender::inFlight(), 0);
        server.clearRequests();
    }

    void reportShowsAndPostsTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("Video output process thread failed");
        QTest::newRow("form delimiters") << QStringLiteral("a & b = c; d?e#f");
        QTest::newRow("plus and percent") << QStringLiteral("C++ 100% done");
        QTest::newRow("escape look-alikes") << QStringLiteral("%41 %2B %zz %");
        QTest::newRow("non-ASCII") << QStringLiteral("Fehler: Größe ümlaut — 写真");
        QTest::newRow("line breaks") << QStringLiteral("first\r\nsecond");
    }
    void reportShowsAndPostsTheText()
    {
        QFETCH(QString, text);
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        CommonError::instance()->report(text);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toString(), text);

        QTRY_COMPARE(server.requests().size(), 1);
        const HttpTestServer::Request& request = server.requests().at(0);
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path, QByteArray("/nativeerror"));
        QCOMPARE(request.headers.value("content-type"),
                 QByteArray("application/x-www-form-urlencoded"));
        QVERIFY(request.body.startsWith("error="));
        // Fully encoded: the body is plain ASCII with no delimiter from the text left raw.
        for (char c : request.body.mid(6))
            QVERIFY2(QByteArray("&=+ \r\n").indexOf(c) < 0 && uchar(c) < 0x80, request.body);
        QCOMPARE(postedError(0), text);
    }

    // A failure reads as sentences: what failed and what to do, then the library's cause.
    void aFailureShowsItsSentenceAndCause()
    {
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        CommonError::instance()->report(
            Failure(QStringLiteral("The video could not be written to /v/a.mp4."),
                    QStringLiteral("/v/a.mp4"), QStringLiteral("No space left on device")));
        const QString expected = QStringLiteral("The video could not be written to /v/a.mp4.\n"
                                                "The system said: No space left on device.");
        QCOMPARE(shown.at(0).at(0).toString(), expected);
        QTRY_COMPARE(server.requests().size(), 1);
        QCOMPARE(postedError(0), expected);
    }

    void feedbackIsPostedButNotShown()
    {
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        CommonError::instance()->sendCrashFeedback(QString());
        CommonError::instance()->sendCrashFeedback(QStringLiteral("I clicked Start"));
        QTRY_COMPARE(server.requests().size(), 2);
        QStringList posted = {postedError(0), postedError(1)};
        posted.sort();
        QCOMPARE(posted, QStringList({QStringLiteral("APP_CRASH_FEEDBACK\r\n"),
                                      QStringLiteral("APP_CRASH_FEEDBACK\r\nI clicked Start")}));
        QCOMPARE(shown.count(), 0);
    }

    // An endpoint that takes the post and never answers: the report is shown at once, the
    // sender gives up after its timeout, and a program that quits while its post waits ends.
    void aSilentEndpointHoldsNothingUp()
    {
        server.setHandler([](const HttpTestServer::Request&) {
            HttpTestServer::Response r;
            r.neverAnswer = true;
            return r;
        });
        ErrorSender::setTransferTimeout(1500);
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        QElapsedTimer timer;
        timer.start();
        CommonError::instance()->report(QStringLiteral("nobody answers"));
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(shown.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 1, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::inFlight(), 0, 20000);

        QProcess worker;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LUMAVIVE_ERROR_ENDPOINT", server.baseUrl());
        worker.setProcessEnvironment(environment);
        worker.start(REPORT_WORKER, QStringList());
        QVERIFY(worker.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(worker.state(), QProcess::NotRunning, 10000);
        QCOMPARE(worker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(worker.exitCode(), 0);
        server.setHandler(
            [](const HttpTestServer::Request&) { return HttpTestServer::Response{}; });
    }
};

QTEST_GUILESS_MAIN(TestCommonError)
#include "tst_commonerror.moc"
