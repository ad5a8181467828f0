#pragma once

#include <QObject>

class QNetworkReply;

// Ties one network reply to its sender and cleans both the reply and itself up when it ends.
class ReplyWrapper : public QObject
{
    Q_OBJECT
public:
    explicit ReplyWrapper(QNetworkReply* reply);

signals:
    void httpFinished(QNetworkReply* reply);

public slots:
    void onFinished();

private:
    QNetworkReply* reply;
};
