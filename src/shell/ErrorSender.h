#pragma once

#include <QByteArray>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Posts one text to the error endpoint. Lives on a thread of its own; finished() comes once the
// reply has ended, whatever its outcome (the outcome is deliberately ignored).
class ErrorSender : public QObject
{
    Q_OBJECT
public:
    ErrorSender(const QString& text, const QUrl& endpoint);
    ~ErrorSender() override;

    // The form body: field "error" holding the text, fully percent-encoded UTF-8.
    static QByteArray formBody(const QString& text);

    // Senders alive right now, on any thread (each ends after its reply, even a failed one).
    static int inFlight();
    // How long a post may go without an answer before its thread gives up (20 s).
    static void setTransferTimeout(int milliseconds);

signals:
    void finished();

public slots:
    void send();
    void httpFinished(QNetworkReply* reply);

private:
    QString text;
    QUrl endpoint;
    QSharedPointer<QNetworkAccessManager> network;
};
