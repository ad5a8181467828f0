#pragma once

#include <QMutex>
#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// The theme list for QML ("templates"): names, tiles and preview links of the installed themes,
// the selected theme, and the download of its missing background videos.
class TemplatesPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList templates READ templates CONSTANT)
    Q_PROPERTY(int selectedId READ selectedId WRITE setSelectedId NOTIFY selectedIdChanged)
    Q_PROPERTY(QVariantMap selected READ selected NOTIFY selectedIdChanged)
    Q_PROPERTY(bool isDownloading READ isDownloading NOTIFY isDownloadingChanged)
    Q_PROPERTY(int downloadProgress READ downloadProgress WRITE setDownloadProgress NOTIFY
                   downloadProgressChanged)
public:
    static TemplatesPres* instance();

    QVariantList templates() const { return list; }
    int selectedId() const { return selectedIdValue; }
    void setSelectedId(int id);
    // The entry of the selected theme, found by id (ids may have gaps); empty when none.
    QVariantMap selected() const;
    Q_INVOKABLE QVariantMap entry(int id) const;
    // The themes screen opens on the newest theme: the one with the highest id.
    Q_INVOKABLE void selectNewest();
    bool isDownloading() const { return downloading; }
    int downloadProgress() const { return progressValue; }
    void setDownloadProgress(int value);

    Q_INVOKABLE void selectionDone();
    Q_INVOKABLE void redownload();

signals:
    void selectedIdChanged();
    void isDownloadingChanged();
    void downloadProgressChanged();
    void downloadError();
    void templateDownloaded();

public slots:
    void tmplDownloaded();
    void onDownloadError();
    void onDownloadProgress(float percent);

private:
    explicit TemplatesPres(QObject* parent = nullptr);
    void setDownloading(bool value);

    QVariantList list;
    int selectedIdValue = 0;
    bool downloading = false;
    int progressValue = 0;
};
