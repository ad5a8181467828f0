#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTcpServer>

#include <functional>

// A small HTTP/1.1 server on 127.0.0.1 for tests: records every request and answers through a
// handler. Lives on the test's thread; the test's event loop serves it.
class HttpTestServer : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names lower-cased
        QByteArray body;
    };
    struct Response
    {
        int status = 200;
        QByteArray body;
        bool sendLength = true;   // false: no Content-Length, the connection closes at the end
        int pieces = 1;           // the body is sent in this many parts ...
        int pieceDelayMs = 0;     // ... each after this pause (the headers go at once)
        bool dropMidBody = false; // close the connection after the first part
        bool neverAnswer = false;
        QList<QPair<QByteArray, QByteArray>> headers; // extra headers, e.g. a redirect's Location
        qint64 declaredLength = -1; // a Content-Length other than the body's (a lying server)
        bool endless = false;       // no length, and data until the client hangs up (at most 1 GiB)
    };
    using Handler = std::function<Response(const Request&)>;

    explicit HttpTestServer(QObject* parent = nullptr);
    bool listen();
    QString baseUrl() const; // "http://127.0.0.1:<port>", no trailing slash
    void setHandler(Handler handler) { this->handler = std::move(handler); }
    const QList<Request>& requests() const { return received; }
    void clearRequests() { received.clear(); }

    // Decodes an application/x-www-form-urlencoded body the way a web server does.
    static QMap<QString, QString> formDecode(const QByteArray& body);

private:
    void onNewConnection();
    void tryParse(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Response& response);

    QTcpServer server;
    Handler handler;
    QList<Request> received;
    QMap<QTcpSocket*, QByteArray> buffers;
};
