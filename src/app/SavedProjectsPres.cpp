#include "app/SavedProjectsPres.h"

#include "base/CommonError.h"
#include "images/ThumbGenerator.h"
#include "project/ProjectFile.h"
#include "templates/TemplateCatalog.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QUuid>

SavedProjectsPres* SavedProjectsPres::instance()
{
    static SavedProjectsPres* const presenter = new SavedProjectsPres;
    return presenter;
}

QString SavedProjectsPres::projectsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Lumavive/projects/");
}

bool SavedProjectsPres::isSafeId(const QString& id)
{
    return !id.isEmpty() && id != QLatin1String(".") && id != QLatin1String("..") &&
           !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\'));
}

SavedProjectsPres::SavedProjectsPres(QObject* parent)
    : QAbstractListModel(parent), projects(projectsFolder())
{
    connect(ThumbGenerator::instance(), &ThumbGenerator::generated, this,
            &SavedProjectsPres::thumbGenerated);
    const QFileInfoList folders =
        projects.entryInfoList(QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo& folder : folders) {
        SavedProjectRecord record;
        if (readRecord(folder.fileName(), &record))
            records << record;
        else
            qWarning("Skipping saved project %s: its info.xml cannot be read",
                     qPrintable(folder.fileName()));
    }
    visible = records.isEmpty() ? 0 : 1;
    more = visible < records.size();
}

bool SavedProjectsPres::readRecord(const QString& id, SavedProjectRecord* record) const
{
    const QString infoPath = projects.filePath(id) + QStringLiteral("/info.xml");
    bool readable = false;
    const ProjectInfo info = ProjectFile::readInfo(infoPath, &readable);
    if (!readable)
        return false;
    record->id = id;
    record->name = info.name;
    record->title = info.title;
    record->audioName = info.audio;
    record->slidesCount = info.slidesnumber;
    record->thumb = id + QStringLiteral("/0");
    record->imgs.clear();
    for (int i = 1; i <= 5; ++i)
        record->imgs << id + QLatin1Char('/') + QString::number(i);
    record->lastModified = QFileInfo(infoPath).lastModified();
    return true;
}

void SavedProjectsPres::putFirst(const QString& id)
{
    SavedProjectRecord record;
    if (!readRecord(id, &record))
        return;
    int at = 0;
    while (at < records.size() && records[at].id != id)
        ++at;
    if (at == 0 && !records.isEmpty()) {
        // Saved again while already first (each second of editing): the same row, new values.
        records[0] = record;
        emit dataChanged(index(0), index(0));
        return;
    }
    // The list shows the newest first and as many rows as before, at least one.
    beginResetModel();
    if (at < records.size())
        records.removeAt(at);
    records.prepend(record);
    visible = qBound(1, visible, int(records.size()));
    endResetModel();
    announcePaging();
}

int SavedProjectsPres::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : visible;
}

QVariant SavedProjectsPres::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= records.size())
        return {};
    const SavedProjectRecord& record = records[index.row()];
    switch (role) {
    case NameRole:
        return record.name;
    case AudioNameRole:
        return record.audioName;
    case SlidesCountRole:
        return record.slidesCount;
    case ImgsRole:
        return record.imgs;
    case LastModifiedRole:
        return QLocale::system().toString(record.lastModified, QLocale::ShortFormat);
    case ThumbRole:
        return record.thumb;
    case TitleRole:
        return record.title;
    default:
        return {};
    }
}

QHash<int, QByteArray> SavedProjectsPres::roleNames() const
{
    return {
        {NameRole, "name"},  {AudioNameRole, "audioName"},       {SlidesCountRole, "slidesCount"},
        {ImgsRole, "imgs"},  {LastModifiedRole, "lastModified"}, {ThumbRole, "thumb"},
        {TitleRole, "title"}};
}

void SavedProjectsPres::setHasMore(bool value)
{
    if (more == value)
        return;
    more = value;
    emit hasMoreChanged();
}

void SavedProjectsPres::setCurrentVisibleNumber(int value)
{
    if (visible == value)
        return;
    visible = value;
    emit currentVisibleNumberChanged();
}

void SavedProjectsPres::announcePaging()
{
    more = visible < records.size();
    emit hasMoreChanged();
    emit currentVisibleNumberChanged();
}

void SavedProjectsPres::showMore(int increment)
{
    const int shown = qMin(visible + qMax(0, increment), int(records.size()));
    if (shown > visible) {
        beginInsertRows(QModelIndex(), visible, shown - 1);
        visible = shown;
        endInsertRows();
    }
    announcePaging();
}

void SavedProjectsPres::hideAll()
{
    if (visible > 1) {
        beginRemoveRows(QModelIndex(), 1, visible - 1);
        visible = 1;
        endRemoveRows();
    }
    announcePaging();
}

bool SavedProjectsPres::remove(int index)
{
    if (index < 0 || index >= records.size())
        return false;
    const QString id = records[index].id;
    const bool shown = index < visible;
    if (shown)
        beginRemoveRows(QModelIndex(), index, index);
    records.removeAt(index);
    if (shown) {
        --visible;
        endRemoveRows();
    }
    if (visible == 0 && !records.isEmpty())
        showMore(1);
    announcePaging();
    // Only ever a folder of its own inside the projects folder.
    if (!isSafeId(id) || !QDir(projects.filePath(id)).removeRecursively())
        return false;
    emit projectDeleted(id);
    return true;
}

bool SavedProjectsPres::rename(int index, const QString& title)
{
    if (index < 0 || index >= records.size() || !isSafeId(records[index].id))
        return false;
    SavedProjectRecord& record = records[index];
    const QString infoPath = projects.filePath(record.id) + QStringLiteral("/info.xml");
    bool readable = false;
    ProjectInfo info = ProjectFile::readInfo(infoPath, &readable);
    info.title = title.simplified();
    // Only the list's file: the project itself (and photos it names that are away just now)
    // stays as it is.
    if (!readable || !ProjectFile::writeInfo(infoPath, info)) {
        CommonError::instance()->reportProblem(
            tr("The project could not be renamed"),
            tr("Its folder cannot be written: %1").arg(QDir::toNativeSeparators(infoPath)));
        return false;
    }
    record.title = info.title;
    emit dataChanged(this->index(index), this->index(index), {TitleRole});
    emit projectRenamed(record.id, record.title);
    return true;
}

QString SavedProjectsPres::saveProject(QSharedPointer<Project> project)
{
    if (project->id().isEmpty())
        project->setId(QUuid::createUuid().toString());
    const QString id = project->id();
    const QString folder = projects.filePath(id) + QLatin1Char('/');
    bool saved = isSafeId(id) && QDir().mkpath(folder);
    if (saved) {
        pending << previews.update(*project, folder);
        ProjectInfo info;
        info.name = TemplateCatalog::instance()->entry(project->themeId()).name;
        info.audio = project->audio().isEmpty() ? QString() : project->audio().first()->path();
        info.slidesnumber = project->slides().size();
        info.title = project->title();
        saved = ProjectFile::writeProject(folder + QStringLiteral("prj.xml"), *project) &&
                ProjectFile::writeInfo(folder + QStringLiteral("info.xml"), info);
    }
    if (!saved) {
        CommonError::instance()->reportProblem(
            tr("The project could not be saved"),
            tr("The project could not be saved in %1. Check that the disk has free space.")
                .arg(QDir::toNativeSeparators(folder)));
        return QString();
    }
    // The folder's modification time becomes the save time: the list shows it first next time.
    QFile touch(folder + QStringLiteral("dummy.tmp"));
    if (touch.open(QIODevice::ReadWrite))
        touch.remove();
    putFirst(id);
    return id;
}

QSharedPointer<Project> SavedProjectsPres::loadProject(int index, QStringList* missing)
{
    if (index < 0 || index >= records.size() || !isSafeId(records[index].id))
        return nullptr;
    const QString id = records[index].id;
    const QString path = projects.filePath(id) + QStringLiteral("/prj.xml");
    bool damaged = false;
    QSharedPointer<Project> project = ProjectFile::readProject(path, missing, &damaged);
    project->setId(id);
    project->setTitle(records[index].title);
    if (damaged)
        keepDamagedFile(path);
    return project;
}

void SavedProjectsPres::keepDamagedFile(const QString& path)
{
    // The next automatic save replaces the file with what could be read: the damaged original
    // stays beside it, under a name no save ever uses.
    if (!QFileInfo::exists(path)) {
        CommonError::instance()->reportProblem(
            tr("A saved project cannot be read"),
            tr("The saved project cannot be read: %1").arg(path));
        return;
    }
    QString copy = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".damaged-%1").arg(n);
    if (!QFile::copy(path, copy))
        copy = tr("(no copy could be made)");
    CommonError::instance()->reportProblem(
        tr("A saved project was damaged"),
        tr("The saved project was damaged; what could be read is open. The damaged file is kept "
           "as %1")
            .arg(copy));
}

void SavedProjectsPres::thumbGenerated(ThumbGeneratorTask task, QSharedPointer<QImage> img)
{
    if (!img)
        return;
    for (auto it = pending.begin(); it != pending.end();) {
        if (it->task == task) {
            ProjectPreviews::complete(*it, *img);
            it = pending.erase(it);
        } else {
            ++it;
        }
    }
}
