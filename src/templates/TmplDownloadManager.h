#pragma once

#include "templates/DownloadItem.h"
#include "templates/TemplateDescription.h"

#include <QCryptographicHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSaveFile>
#include <QSharedPointer>
#include <QSslError>

#include <memory>

// Fetches the missing background videos of a template from the theme server, strictly one after
// another. A file is kept only when the reply is 2xx, its byte count matches the Content-Length
// (when given) and what the description vouches for (size, SHA-256); it is written to a
// temporary file as it arrives and takes its name only then (never a partial or foreign file).
// Redirects are followed, never from HTTPS to HTTP, at most 5. A body that grows past what was
// announced, or past 2 GiB when nothing was, is cut off. Progress is weighted by the scenes'
// frame counts. Lives on, and is only called from, the GUI thread: no lock is needed.
class TmplDownloadManager : public QObject
{
    Q_OBJECT
public:
    static TmplDownloadManager* instance();

    // True when every video background of the template is on disk.
    bool isDownloaded(const QSharedPointer<TemplateDescription>& t) const;
    // Starts fetching every missing video of the template; a download in progress is dropped
    // silently.
    void download(const QSharedPointer<TemplateDescription>& t);
    // After a failure: requests the current file again.
    void redownload();
    // Drops the download in progress (or the failed one waiting for a retry): nothing more is
    // reported for it.
    void cancel();

    // How long a transfer may go without receiving anything before it fails (30 s).
    void setTransferTimeout(int milliseconds) { transferTimeoutMs = milliseconds; }
    // The most a body without a declared length may bring (2 GiB).
    void setMaxUnannouncedBytes(qint64 bytes) { maxUnannouncedBytes = bytes; }
    static constexpr int kMaxRedirects = 5;

signals:
    void progress(float percent);
    void done();
    void downloadError();

private slots:
    void downloadFinished();
    void downloadReadyRead();
    void downloadProgress(qint64 received, qint64 total);
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError>& errors);

private:
    explicit TmplDownloadManager(QObject* parent = nullptr);

    // Signals are emitted only once the state is consistent again, since their receivers may
    // call back into the manager. startNext is false at the end.
    bool startNext();
    void issueRequest();
    // A new, empty body file for the current download; false when it cannot be created.
    bool startBody();
    void dropReply(bool abortTransfer);
    // Appends what the reply has brought to the file; false when the body is too long or the
    // disk takes less than it was given.
    bool takeBody();
    // True when the whole body arrived as announced and vouched for.
    bool bodyComplete() const;
    void failLater();

    QNetworkAccessManager network;
    int transferTimeoutMs = 30000;
    qint64 maxUnannouncedBytes = qint64(2) << 30;
    std::unique_ptr<QSaveFile> file; // the current body, as it arrives
    QCryptographicHash hash{QCryptographicHash::Sha256};
    qint64 received = 0;
    QByteArray currentSha256;
    qint64 currentSize = -1;
    QNetworkReply* reply = nullptr;
    QList<DownloadItem> queue;
    QString currentUrl;
    QString currentPath;
    int currentWeight = 0;
    int totalWeight = 0;
    int doneWeight = 0;
    bool failed = false; // the current item cannot be requested (unsafe name, no server)
};
