#pragma once

#include <QQuickImageProvider>

// Serves saved-project previews to QML: "image://SavedProjectImageProvider/<id>/<n>", n = 0 for
// the cover ("thumb.png"), 1 to 5 for the small previews. Ids that would leave the projects
// folder, and previews that do not exist, get an empty picture. Runs on QML's image threads.
class SavedProjectImageProvider : public QQuickImageProvider
{
public:
    static SavedProjectImageProvider* instance();
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

private:
    SavedProjectImageProvider();
};
