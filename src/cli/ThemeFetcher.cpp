#include "cli/ThemeFetcher.h"

#include "cli/ConsoleProgress.h"
#include "templates/TmplDownloadManager.h"

#include <QEventLoop>

bool ThemeFetcher::fetch(const QSharedPointer<TemplateDescription>& theme)
{
    TmplDownloadManager* manager = TmplDownloadManager::instance();
    if (manager->isDownloaded(theme))
        return true;
    QEventLoop loop;
    bool ok = false;
    const auto progress = QObject::connect(manager, &TmplDownloadManager::progress,
                                           [this](float percent) { show(int(percent)); });
    const auto done = QObject::connect(manager, &TmplDownloadManager::done, [&] {
        ok = true;
        loop.quit();
    });
    const auto failed =
        QObject::connect(manager, &TmplDownloadManager::downloadError, [&] { loop.quit(); });
    out << "Downloading the background videos of theme " << theme->id << "\n";
    out.flush();
    manager->download(theme);
    if (!ok)
        loop.exec();
    QObject::disconnect(progress);
    QObject::disconnect(done);
    QObject::disconnect(failed);
    manager->cancel();
    if (ok)
        show(100);
    if (terminal && lastShown >= 0)
        out << "\n";
    out.flush();
    return ok && manager->isDownloaded(theme);
}

void ThemeFetcher::show(int percent)
{
    percent = qBound(0, percent, 100);
    if (terminal) {
        if (percent == lastShown)
            return;
        out << "\r" << ConsoleProgress::bar(percent) << percent << "%   ";
    } else {
        if (lastShown >= 0 && percent / 10 == lastShown / 10)
            return;
        out << "Downloading: " << percent << "%\n";
    }
    lastShown = percent;
    out.flush();
}
