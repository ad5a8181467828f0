#pragma once

#include "base/SharedTypes.h"
#include "engine/PendingPreview.h"
#include "engine/ProjectPreviews.h"
#include "images/ThumbGeneratorTask.h"
#include "project/Project.h"
#include "project/SavedProjectRecord.h"

#include <QAbstractListModel>
#include <QDir>

// The saved projects ("savedProjects" in QML), newest first, shown a page at a time, and the store
// behind them: saves a project into its folder with its previews, loads one back, deletes one.
// The list is read at construction and follows every save and delete of the run. GUI thread only.
class SavedProjectsPres : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(bool hasMore READ hasMore WRITE setHasMore NOTIFY hasMoreChanged)
    Q_PROPERTY(int currentVisibleNumber READ currentVisibleNumber WRITE setCurrentVisibleNumber
                   NOTIFY currentVisibleNumberChanged)
public:
    enum Roles
    {
        NameRole = Qt::UserRole + 1,
        AudioNameRole,
        SlidesCountRole,
        ImgsRole,
        LastModifiedRole,
        ThumbRole,
        TitleRole
    };

    static SavedProjectsPres* instance();
    // The application data folder + "/Lumavive/projects/".
    static QString projectsFolder();
    // A folder name that stays inside the projects folder.
    static bool isSafeId(const QString& id);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    bool hasMore() const { return more; }
    void setHasMore(bool value);
    int currentVisibleNumber() const { return visible; }
    void setCurrentVisibleNumber(int value);

    // Saves into the project's folder (giving it an id first when it has none); the id, or an
    // empty text when the save failed (reported through CommonError).
    QString saveProject(QSharedPointer<Project> project);
    // Record `index`'s project read back; null for an index outside the records. A damaged
    // "prj.xml" is copied aside first (the next save would replace it) and the user is told where.
    QSharedPointer<Project> loadProject(int index, QStringList* missing);
    const QList<SavedProjectRecord>& allRecords() const { return records; }

public slots:
    void thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img);
    Q_INVOKABLE bool remove(int index);
    // Gives record `index` the title (spaces folded; empty for none). False, after a message, when
    // its folder cannot be written.
    Q_INVOKABLE bool rename(int index, const QString& title);
    Q_INVOKABLE void showMore(int increment);
    Q_INVOKABLE void hideAll();

signals:
    void projectDeleted(QString id);
    void projectRenamed(QString id, QString title);
    void hasMoreChanged();
    void currentVisibleNumberChanged();

private:
    explicit SavedProjectsPres(QObject* parent = nullptr);
    void announcePaging();
    void keepDamagedFile(const QString& path);
    // The record of the project folder `id` as its info.xml gives it; false when unreadable.
    bool readRecord(const QString& id, SavedProjectRecord* record) const;
    // A project just saved goes to the top of the list, which shows it at once.
    void putFirst(const QString& id);

    QList<PendingPreview> pending;
    QList<SavedProjectRecord> records;
    int visible = 0;
    bool more = false;
    QDir projects;
    ProjectPreviews previews;
};
