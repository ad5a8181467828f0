#include "base/ReplyWrapper.h"

#include <QNetworkReply>

ReplyWrapper::ReplyWrapper(QNetworkReply* reply) : reply(reply)
{
    connect(reply, &QNetworkReply::finished, this, &ReplyWrapper::onFinished);
}

void ReplyWrapper::onFinished()
{
    emit httpFinished(reply);
    reply->deleteLater();
    deleteLater();
}
