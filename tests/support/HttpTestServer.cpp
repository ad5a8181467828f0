#include "HttpTestServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

HttpTestServer::HttpTestServer(QObject* parent) : QObject(parent)
{
    handler = [](const Request&) { return Response{}; };
    connect(&server, &QTcpServer::newConnection, this, &HttpTestServer::onNewConnection);
}

bool HttpTestServer::listen()
{
    return server.listen(QHostAddress::LocalHost, 0);
}

QString HttpTestServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort());
}

void HttpTestServer::onNewConnection()
{
    while (QTcpSocket* socket = server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { tryParse(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void HttpTestServer::tryParse(QTcpSocket* socket)
{
    QByteArray& buffer = buffers[socket];
    buffer += socket->readAll();
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                   lines[i].mid(colon + 1).trimmed());
    }
    const int length = request.headers.value("content-length", "0").toInt();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.remove(0, headerEnd + 4 + length);
    received.append(request);
    const Response response = handler(request);
    answer(socket, response);
}

void HttpTestServer::answer(QTcpSocket* socket, const Response& response)
{
    if (response.neverAnswer)
        return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " X\r\n";
    head += "Content-Type: application/octet-stream\r\n";
    if (response.sendLength && !response.endless)
        head += "Content-Length: " +
                QByteArray::number(response.declaredLength >= 0 ? response.declaredLength
                                                                : response.body.size()) +
                "\r\n";
    for (const auto& header : response.headers)
        head += header.first + ": " + header.second + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    if (response.endless) {
        // Bounded all the same: the test stops by itself if the client never hangs up.
        auto* pump = new QTimer(socket);
        auto sent = std::make_shared<qint64>(0);
        connect(pump, &QTimer::timeout, socket, [socket, pump, sent] {
            const QByteArray chunk(64 * 1024, 'e');
            if (socket->state() != QAbstractSocket::ConnectedState || *sent > (qint64(1) << 30)) {
                pump->stop();
                socket->disconnectFromHost();
                return;
            }
            if (socket->bytesToWrite() < 4 * chunk.size()) {
                socket->write(chunk);
                *sent += chunk.size();
            }
        });
        pump->start(1);
        return;
    }

    const int pieces = qMax(1, response.pieces);
    const int pieceSize = (response.body.size() + pieces - 1) / pieces;
    QPointer<QTcpSocket> guard(socket);
    for (int i = 0; i < pieces; ++i) {
        const QByteArray piece = response.body.mid(i * pieceSize, pieceSize);
        const bool last = i == pieces - 1 || response.dropMidBody;
        QTimer::singleShot((pieces > 1 ? i + 1 : 0) * response.pieceDelayMs, this,
                           [guard, piece, last] {
                               if (!guard)
                                   return;
                               guard->write(piece);
                               guard->flush();
                               if (last)
                                   guard->disconnectFromHost();
                           });
        if (response.dropMidBody)
            break;
    }
}

QMap<QString, QString> HttpTestServer::formDecode(const QByteArray& body)
{
    QMap<QString, QString> fields;
    for (const QByteArray& pair : body.split('&')) {
        const int eq = pair.indexOf('=');
        QByteArray name = pair.left(eq < 0 ? pair.size() : eq);
        QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
        name.replace('+', ' ');
        value.replace('+', ' ');
        fields.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(name)),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    return fields;
}
