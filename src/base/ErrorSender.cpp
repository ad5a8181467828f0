#include "base/ErrorSender.h"

#include "base/ReplyWrapper.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <atomic>

namespace {
// A report must not keep its thread alive for ever when the endpoint never answers.
std::atomic<int> transferTimeoutMs{20000};
std::atomic<int> liveSenders{0};
} // namespace

ErrorSender::ErrorSender(const QString& text, const QUrl& endpoint) : text(text), endpoint(endpoint)
{
    ++liveSenders;
}

ErrorSender::~ErrorSender()
{
    --liveSenders;
}

int ErrorSender::inFlight()
{
    return liveSenders;
}

void ErrorSender::setTransferTimeout(int milliseconds)
{
    transferTimeoutMs = milliseconds;
}

QByteArray ErrorSender::formBody(const QString& text)
{
    // Every byte outside the unreserved set is percent-encoded. (Building the body with
    // QUrlQuery would leave "+" raw, which form decoders read as a space, and would take
    // "%41" in a message for an escape and send "A".)
    return QByteArrayLiteral("error=") + QUrl::toPercentEncoding(text);
}

void ErrorSender::run()
{
    QNetworkAccessManager network;
    QNetworkRequest request(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(transferTimeoutMs);
    QNetworkReply* reply = network.post(request, formBody(text));
    auto* wrapper = new ReplyWrapper(reply);
    // The reply lives on this thread's events; the transfer timeout bounds the wait.
    QEventLoop replyEnded;
    connect(wrapper, &ReplyWrapper::httpFinished, &replyEnded, &QEventLoop::quit);
    replyEnded.exec();
}
