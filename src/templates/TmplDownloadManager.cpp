#include "templates/TmplDownloadManager.h"

#include "base/ServiceConfig.h"
#include "templates/TemplateCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

TmplDownloadManager* TmplDownloadManager::instance()
{
    static TmplDownloadManager* const manager = new TmplDownloadManager;
    return manager;
}

TmplDownloadManager::TmplDownloadManager(QObject* parent) : QObject(parent) {}

bool TmplDownloadManager::isDownloaded(const QSharedPointer<TemplateDescription>& t) const
{
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    for (const QSharedPointer<Scene>& scene : *t->scenes) {
        if (scene->bgType != Scene::VideoBackground)
            continue;
        if (!TemplateCatalog::isSafeFileName(scene->bgFileName) ||
            !QFileInfo::exists(catalog->mediaPath(t->id, scene->bgFileName)))
            return false;
    }
    return true;
}

void TmplDownloadManager::download(const QSharedPointer<TemplateDescription>& t)
{
    dropReply(true);
    queue.clear();
    totalWeight = 0;
    doneWeight = 0;
    currentUrl.clear();
    currentPath.clear();
    currentWeight = 0;
    failed = false;

    const TemplateCatalog* catalog = TemplateCatalog::instance();
    const QString server = ServiceConfig::themeServer();
    QSet<QString> queued; // scenes that show the same video share its file: fetched once
    for (const QSharedPointer<Scene>& scene : *t->scenes) {
        if (scene->bgType != Scene::VideoBackground)
            continue;
        const QString path = catalog->mediaPath(t->id, scene->bgFileName);
        if (TemplateCatalog::isSafeFileName(scene->bgFileName) && QFileInfo::exists(path))
            continue;
        if (queued.contains(scene->bgFileName))
            continue;
        queued.insert(scene->bgFileName);
        DownloadItem item;
        item.path = TemplateCatalog::isSafeFileName(scene->bgFileName) ? path : QString();
        item.url = server.isEmpty() ? QString()
                                    : server + QString::number(t->id) + QLatin1Char('/') +
                                          QFileInfo(scene->bgFileName).fileName();
        item.weight = scene->frames;
        item.sha256 = scene->bgSha256;
        item.size = scene->bgSize;
        queue.append(item);
        totalWeight += scene->frames;
    }
    const bool finished = !startNext();
    if (finished)
        emit done();
    if (failed)
        failLater();
}

void TmplDownloadManager::redownload()
{
    if (currentPath.isEmpty() && currentUrl.isEmpty() && !failed)
        return; // nothing to retry
    dropReply(true);
    issueRequest();
    if (failed)
        failLater();
}

void TmplDownloadManager::cancel()
{
    dropReply(true);
    queue.clear();
    currentUrl.clear();
    currentPath.clear();
    currentWeight = totalWeight = doneWeight = 0;
    failed = false;
}

bool TmplDownloadManager::startNext()
{
    if (queue.isEmpty())
        return false;
    const DownloadItem item = queue.takeFirst();
    currentUrl = item.url;
    currentPath = item.path;
    currentWeight = item.weight;
    currentSha256 = item.sha256;
    currentSize = item.size;
    issueRequest();
    return true;
}

void TmplDownloadManager::issueRequest()
{
    // A name that would leave the template folder is never written; without a configured
    // server there is nowhere to ask. Both fail like a network error, so the user can retry
    // or choose another theme.
    failed = currentPath.isEmpty() || currentUrl.isEmpty();
    if (failed)
        return;
    QDir().mkpath(QFileInfo(currentPath).absolutePath());
    failed = !startBody();
    if (failed)
        return;
    QNetworkRequest request(QUrl(currentUrl, QUrl::TolerantMode));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    // A server that stops sending (or never starts) fails the download instead of leaving the
    // progress bar standing for ever; the user can retry.
    request.setTransferTimeout(transferTimeoutMs);
    reply = network.get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &TmplDownloadManager::downloadProgress);
    connect(reply, &QNetworkReply::finished, this, &TmplDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::readyRead, this, &TmplDownloadManager::downloadReadyRead);
    // Only the last hop's body is the file.
    connect(reply, &QNetworkReply::redirected, this, [this] {
        startBody(); // when it fails, takeBody() fails the download
    });
    connect(reply, &QNetworkReply::errorOccurred, this, &TmplDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &TmplDownloadManager::onDownloadSslErrors);
}

bool TmplDownloadManager::startBody()
{
    // The body streams into a save file: the final name appears only once it is complete and
    // checked (commit), and a cancelled one leaves nothing behind.
    if (file)
        file->cancelWriting();
    file = std::make_unique<QSaveFile>(currentPath);
    hash.reset();
    received = 0;
    if (!file->open(QIODevice::WriteOnly))
        file.reset();
    return file != nullptr;
}

void TmplDownloadManager::dropReply(bool abortTransfer)
{
    // Whatever arrived of this body is thrown away with it.
    if (file) {
        file->cancelWriting();
        file.reset();
    }
    if (!reply)
        return;
    reply->disconnect(this);
    if (abortTransfer)
        reply->abort();
    reply->deleteLater();
    reply = nullptr;
}

void TmplDownloadManager::failLater()
{
    // Queued, so that the failure arrives after the caller has finished its own bookkeeping.
    QTimer::singleShot(0, this, [this] { emit downloadError(); });
}

void TmplDownloadManager::downloadProgress(qint64 received, qint64 total)
{
    // Without a declared length there is no share to show (Qt reports the size it finally got
    // as the total once the body is complete; that is not a progress).
    const auto* sender = qobject_cast<QNetworkReply*>(QObject::sender());
    if (received <= 0 || total <= 0 || totalWeight <= 0 || !sender ||
        !sender->header(QNetworkRequest::ContentLengthHeader).isValid())
        return;
    const float share = float(received) / float(total);
    emit progress((share * float(currentWeight) + float(doneWeight)) * 100.0f / float(totalWeight));
}

bool TmplDownloadManager::takeBody()
{
    const QByteArray piece = reply->readAll();
    received += piece.size();
    qint64 limit = maxUnannouncedBytes;
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    if (announced.isValid())
        limit = qMin(limit, announced.toLongLong());
    if (currentSize >= 0)
        limit = qMin(limit, currentSize);
    if (received > limit || !file)
        return false;
    hash.addData(piece);
    // A full disk may take part of a piece and report no error: count the bytes.
    return file->write(piece) == piece.size();
}

bool TmplDownloadManager::bodyComplete() const
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    return reply->error() == QNetworkReply::NoError && status >= 200 && status < 300 &&
           (!announced.isValid() || announced.toLongLong() == received) &&
           (currentSize < 0 || currentSize == received) &&
           (currentSha256.isEmpty() || hash.result().toHex() == currentSha256);
}

void TmplDownloadManager::downloadReadyRead()
{
    if (!reply || QObject::sender() != reply)
        return;
    if (takeBody())
        return;
    dropReply(true);
    emit downloadError();
}

void TmplDownloadManager::downloadFinished()
{
    bool stored = false;
    bool finished = false;
    if (!reply)
        return; // already dropped by an error notification
    if (takeBody() && bodyComplete())
        stored = file->commit();
    else if (file)
        file->cancelWriting();
    file.reset();
    reply->deleteLater();
    reply = nullptr;
    if (stored) {
        doneWeight += currentWeight;
        finished = !startNext();
    }
    if (!stored)
        emit downloadError();
    else if (finished)
        emit done();
    else if (failed)
        failLater();
}

void TmplDownloadManager::onDownloadError(QNetworkReply::NetworkError)
{
    if (!reply)
        return;
    dropReply(false);
    emit downloadError();
}

void TmplDownloadManager::onDownloadSslErrors(const QList<QSslError>&)
{
    onDownloadError(QNetworkReply::SslHandshakeFailedError);
}
