#include "app/SlidesListModel.h"

#include "app/ImgSlidePres.h"
#include "app/TextSlidePres.h"

#include <algorithm>

SlidesListModel* SlidesListModel::instance()
{
    static SlidesListModel* const model = new SlidesListModel;
    return model;
}

SlidesListModel::SlidesListModel(QObject* parent)
    : QAbstractListModel(parent), separator(new SeparatorSlidePres)
{
    separator->setParent(this);
}

int SlidesListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows.size();
}

QVariant SlidesListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= rows.size())
        return {};
    const SlidePres* row = rows[index.row()];
    switch (role) {
    case TypeRole:
        return row->type();
    case ImgIdRole:
        return row->imgId();
    case TextRole:
        if (const auto* text = qobject_cast<const TextSlidePres*>(row))
            return text->text();
        return {};
    default:
        return {};
    }
}

QHash<int, QByteArray> SlidesListModel::roleNames() const
{
    return {{TypeRole, "type"}, {ImgIdRole, "imgId"}, {TextRole, "text"}};
}

void SlidesListModel::attach(SlidePres* row)
{
    connect(row, &SlidePres::imgIdChanged, this, &SlidesListModel::onImgIdChanged,
            Qt::UniqueConnection);
}

void SlidesListModel::append(SlidePres* row)
{
    insert(row, rows.size());
}

void SlidesListModel::insert(SlidePres* row, int at)
{
    at = qBound(0, at, rows.size());
    beginInsertRows(QModelIndex(), at, at);
    rows.insert(at, row);
    endInsertRows();
    attach(row);
}

void SlidesListModel::takeOut(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    rows.removeAt(row);
    endRemoveRows();
}

void SlidesListModel::remove(int row)
{
    if (row < 0 || row >= rows.size())
        return;
    SlidePres* presenter = rows[row];
    takeOut(row);
    if (presenter != separator)
        delete presenter;
}

void SlidesListModel::move(QList<int> moved, int to)
{
    SlidePres* anchor = to >= 0 && to < rows.size() ? rows[to] : nullptr;
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    std::reverse(moved.begin(), moved.end());

    QList<SlidePres*> held; // in descending row order
    bool anchorMoves = false;
    for (int row : moved) {
        if (row < 0 || row >= rows.size())
            continue;
        held << rows[row];
        if (rows[row] == anchor)
            anchorMoves = true;
        else
            takeOut(row);
    }
    int at = anchor ? rows.indexOf(anchor) : rows.size();
    if (anchorMoves) {
        takeOut(at);
    }
    for (SlidePres* row : held) {
        beginInsertRows(QModelIndex(), at, at);
        rows.insert(at, row);
        endInsertRows();
    }
}

void SlidesListModel::rotate(int row, bool clockwise)
{
    if (auto* image = qobject_cast<ImgSlidePres*>(rows.value(row)))
        image->rotate(clockwise);
}

void SlidesListModel::setText(int row, const QString& text)
{
    auto* textRow = qobject_cast<TextSlidePres*>(rows.value(row));
    if (!textRow)
        return;
    textRow->setText(text);
    emit dataChanged(index(row), index(row), {TextRole});
}

void SlidesListModel::placeSeparator(int position, int slideCount)
{
    const int current = rows.indexOf(separator);
    if (current >= 0 && current == position && position < slideCount)
        return;
    if (current >= 0)
        takeOut(current);
    if (position < slideCount) {
        insert(separator, position);
    }
}

void SlidesListModel::showSlides(
    const QVector<QSharedPointer<Slide>>& order,
    const std::function<SlidePres*(const QSharedPointer<Slide>&)>& make)
{
    QHash<const Slide*, SlidePres*> shown;
    for (SlidePres* row : qAsConst(rows))
        if (row != separator)
            shown.insert(row->slide().data(), row);
    beginResetModel();
    QList<SlidePres*> next;
    for (const QSharedPointer<Slide>& slide : order) {
        SlidePres* row = shown.take(slide.data());
        if (!row) {
            row = make(slide);
            attach(row);
        }
        next << row;
    }
    rows = next;
    endResetModel();
    qDeleteAll(shown);
}

Qt::ItemFlags SlidesListModel::flags(const QModelIndex& index) const
{
    const SlidePres* row = rows.value(index.row());
    if (!index.isValid() || !row)
        return Qt::NoItemFlags;
    return row == separator ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVector<QSharedPointer<Slide>> SlidesListModel::slides() const
{
    QVector<QSharedPointer<Slide>> result;
    for (const SlidePres* row : rows)
        if (row != separator)
            result << row->slide();
    return result;
}

void SlidesListModel::onImgIdChanged(QObject* sender)
{
    const int row = rows.indexOf(static_cast<SlidePres*>(sender));
    if (row >= 0)
        emit dataChanged(index(row), index(row), {ImgIdRole});
}
