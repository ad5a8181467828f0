#include "app/TemplatesPres.h"

#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TmplDownloadManager.h"

TemplatesPres* TemplatesPres::instance()
{
    static TemplatesPres* const presenter = new TemplatesPres;
    return presenter;
}

TemplatesPres::TemplatesPres(QObject* parent) : QObject(parent)
{
    const QList<TemplateInfo> entries = TemplateCatalog::instance()->entries();
    for (const TemplateInfo& info : entries) {
        QVariantMap map;
        map.insert(QStringLiteral("thumbPath"), QStringLiteral("file:") + info.thumbPath);
        map.insert(QStringLiteral("id"), info.id);
        map.insert(QStringLiteral("name"), info.name);
        map.insert(QStringLiteral("preview"), info.preview);
        list.append(map);
    }
    // The theme list shows the highest id first and starts with it selected. With ids 1..N
    // this is N, the number of entries; with gaps it is still the highest id.
    selectedIdValue = entries.isEmpty() ? 0 : entries.last().id;

    TmplDownloadManager* manager = TmplDownloadManager::instance();
    connect(manager, &TmplDownloadManager::done, this, &TemplatesPres::tmplDownloaded);
    connect(manager, &TmplDownloadManager::downloadError, this, &TemplatesPres::onDownloadError);
    connect(manager, &TmplDownloadManager::progress, this, &TemplatesPres::onDownloadProgress);
}

void TemplatesPres::setSelectedId(int id)
{
    if (selectedIdValue == id)
        return;
    selectedIdValue = id;
    emit selectedIdChanged();
}

void TemplatesPres::selectNewest()
{
    int newest = 0;
    for (const QVariant& item : list)
        newest = qMax(newest, item.toMap().value(QStringLiteral("id")).toInt());
    setSelectedId(newest);
}

QVariantMap TemplatesPres::entry(int id) const
{
    for (const QVariant& item : list) {
        const QVariantMap map = item.toMap();
        if (map.value(QStringLiteral("id")).toInt() == id)
            return map;
    }
    return {};
}

QVariantMap TemplatesPres::selected() const
{
    return entry(selectedIdValue);
}

void TemplatesPres::setDownloadProgress(int value)
{
    if (progressValue == value)
        return;
    progressValue = value;
    emit downloadProgressChanged();
}

void TemplatesPres::setDownloading(bool value)
{
    downloading = value;
    emit isDownloadingChanged();
}

void TemplatesPres::selectionDone()
{
    const QSharedPointer<TemplateDescription> description = loadTemplate(selectedIdValue);
    TmplDownloadManager* manager = TmplDownloadManager::instance();
    if (!description || manager->isDownloaded(description)) {
        // Nothing to fetch for this theme: whatever an earlier choice left running or failed
        // no longer concerns the render, which must not wait for it.
        manager->cancel();
        if (downloading) {
            setDownloading(false);
            setDownloadProgress(0);
        }
        return;
    }
    manager->download(description);
    progressValue = 0;
    emit downloadProgressChanged();
    setDownloading(true);
}

void TemplatesPres::redownload()
{
    TmplDownloadManager::instance()->redownload();
}

void TemplatesPres::tmplDownloaded()
{
    emit templateDownloaded();
    setDownloading(false);
    progressValue = 0;
    emit downloadProgressChanged();
}

void TemplatesPres::onDownloadError()
{
    emit downloadError();
}

void TemplatesPres::onDownloadProgress(float percent)
{
    progressValue = int(percent);
    emit downloadProgressChanged();
}
