#include "templates/TmplDownloadManager.h"

#include "shell/ServiceConfig.h"
#include "templates/TemplateCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

TmplDownloadManager* TmplDownloadManager::instance()
{
    static TmplDownloadManager* const manager = new TmplDownloadManager;
    return manager;
}

TmplDownloadManager::TmplDownloadManager(QObject* parent) : QObject(parent) {}

bool TmplDownloadManager::isSafeFileName(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('\\')) || QDir::isAbsolutePath(name) ||
        name.contains(QLatin1Char(':')))
        return false;
    const QString clean = QDir::cleanPath(name);
    return clean != QLatin1String("..") && !clean.startsWith(QLatin1String("../")) &&
           !name.split(QLatin1Char('/')).contains(QStringLiteral(".."));
}

bool TmplDownloadManager::isDownloaded(const QSharedPointer<TemplateDescription>& t) const
{
    const TemplateCatalog* catalog = TemplateCatalog::instance();
    for (const QSharedPointer<Scene>& scene : *t->scenes) {
        if (scene->bgType != Scene::VideoBackground)
            continue;
        if (!isSafeFileName(scene->bgFileName) ||
            !QFileInfo::exists(catalog->mediaPath(t->id, scene->bgFileName)))
            return false;
    }
    return true;
}

void TmplDownloadManager::download(const QSharedPointer<TemplateDescription>& t)
{
    bool finished = false;
    {
        QMutexLocker lock(&mutex);
        dropReplyLocked(true);
        queue.clear();
        totalWeight = 0;
        doneWeight = 0;
        currentUrl.clear();
        currentPath.clear();
        currentWeight = 0;
        failed = false;

        const TemplateCatalog* catalog = TemplateCatalog::instance();
        const QString server = ServiceConfig::themeServer();
        for (const QSharedPointer<Scene>& scene : *t->scenes) {
            if (scene->bgType != Scene::VideoBackground)
                continue;
            const QString path = catalog->mediaPath(t->id, scene->bgFileName);
            if (isSafeFileName(scene->bgFileName) && QFileInfo::exists(path))
                continue;
            DownloadItem item;
            item.path = isSafeFileName(scene->bgFileName) ? path : QString();
            item.url = server.isEmpty() ? QString()
                                        : server + QString::number(t->id) + QLatin1Char('/') +
                                              QFileInfo(scene->bgFileName).fileName();
            item.weight = scene->frames;
            queue.append(item);
            totalWeight += scene->frames;
        }
        finished = !startNextLocked();
    }
    if (finished)
        emit done();
    if (failed)
        failLater();
}

void TmplDownloadManager::redownload()
{
    {
        QMutexLocker lock(&mutex);
        if (currentPath.isEmpty() && currentUrl.isEmpty() && !failed)
            return; // nothing to retry
        dropReplyLocked(true);
        issueRequestLocked();
    }
    if (failed)
        failLater();
}

void TmplDownloadManager::cancel()
{
    QMutexLocker lock(&mutex);
    dropReplyLocked(true);
    queue.clear();
    currentUrl.clear();
    currentPath.clear();
    currentWeight = totalWeight = doneWeight = 0;
    failed = false;
}

bool TmplDownloadManager::startNextLocked()
{
    if (queue.isEmpty())
        return false;
    const DownloadItem item = queue.takeFirst();
    currentUrl = item.url;
    currentPath = item.path;
    currentWeight = item.weight;
    issueRequestLocked();
    return true;
}

void TmplDownloadManager::issueRequestLocked()
{
    // A name that would leave the template folder is never written; without a configured
    // server there is nowhere to ask. Both fail like a network error, so the user can retry
    // or choose another theme.
    failed = currentPath.isEmpty() || currentUrl.isEmpty();
    if (failed)
        return;
    QNetworkRequest request(QUrl(currentUrl, QUrl::TolerantMode));
    // A server that stops sending (or never starts) fails the download instead of leaving the
    // progress bar standing for ever; the user can retry.
    request.setTransferTimeout(transferTimeoutMs);
    reply = network.get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, &TmplDownloadManager::downloadProgress);
    connect(reply, &QNetworkReply::finished, this, &TmplDownloadManager::downloadFinished);
    connect(reply, &QNetworkReply::errorOccurred, this, &TmplDownloadManager::onDownloadError);
    connect(reply, &QNetworkReply::sslErrors, this, &TmplDownloadManager::onDownloadSslErrors);
}

void TmplDownloadManager::dropReplyLocked(bool abortTransfer)
{
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

void TmplDownloadManager::downloadFinished()
{
    bool stored = false;
    bool finished = false;
    {
        QMutexLocker lock(&mutex);
        if (!reply)
            return; // already dropped by an error notification
        if (reply->error() == QNetworkReply::NoError) {
            QDir().mkpath(QFileInfo(currentPath).absolutePath());
            QSaveFile file(currentPath);
            const QByteArray body = reply->readAll();
            // A full disk may take part of the body and report no error: count the bytes.
            stored = file.open(QIODevice::WriteOnly) && file.write(body) == body.size() &&
                     file.commit();
        }
        reply->deleteLater();
        reply = nullptr;
        if (stored) {
            doneWeight += currentWeight;
            finished = !startNextLocked();
        }
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
    {
        QMutexLocker lock(&mutex);
        if (!reply)
            return;
        dropReplyLocked(false);
    }
    emit downloadError();
}

void TmplDownloadManager::onDownloadSslErrors(const QList<QSslError>&)
{
    onDownloadError(QNetworkReply::SslHandshakeFailedError);
}
