#pragma once

#include "templates/DownloadItem.h"
#include "templates/TemplateDescription.h"

#include <QList>
#include <QMutex>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QObject>
#include <QSharedPointer>
#include <QSslError>

// Fetches the missing background videos of a template from the theme server, strictly one after
// another, and stores each only once its whole body has arrived (never a partial file). Progress
// is weighted by the scenes' frame counts. Lives on the GUI thread.
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

    // A background file name is only used when it stays inside its template folder.
    static bool isSafeFileName(const QString& name);

signals:
    void progress(float percent);
    void done();
    void downloadError();

private slots:
    void downloadFinished();
    void downloadProgress(qint64 received, qint64 total);
    void onDownloadError(QNetworkReply::NetworkError code);
    void onDownloadSslErrors(const QList<QSslError>& errors);

private:
    explicit TmplDownloadManager(QObject* parent = nullptr);

    // The *Locked functions run under `mutex`. Signals are emitted only after unlocking, since
    // their receivers may call back into the manager. startNextLocked is false at the end.
    bool startNextLocked();
    void issueRequestLocked();
    void dropReplyLocked(bool abortTransfer);
    void failLater();

    QNetworkAccessManager network;
    int transferTimeoutMs = 30000;
    QNetworkReply* reply = nullptr;
    QMutex mutex;
    QList<DownloadItem> queue;
    QString currentUrl;
    QString currentPath;
    int currentWeight = 0;
    int totalWeight = 0;
    int doneWeight = 0;
    bool failed = false; // the current item cannot be requested (unsafe name, no server)
};
