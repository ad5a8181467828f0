#include "app/SlideGridPres.h"

#include "app/ProjectPres.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"

#include <QSet>

#include <algorithm>

SlideGridPres* SlideGridPres::instance()
{
    static SlideGridPres* const presenter = new SlideGridPres(SlidesListModel::instance());
    return presenter;
}

SlideGridPres::SlideGridPres(SlidesListModel* model, QObject* parent)
    : QObject(parent), model(model), selection(model)
{
    connect(&selection, &QItemSelectionModel::selectionChanged, this,
            &SlideGridPres::selectionChanged);
    connect(&selection, &QItemSelectionModel::currentChanged, this,
            &SlideGridPres::selectionChanged);
    // Rows come and go: the selected ones keep their slides, under new numbers.
    for (auto moved : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, moved, this, &SlideGridPres::selectionChanged);
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        anchor = -1;
        emit selectionChanged();
    });
}

QList<int> SlideGridPres::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selection.selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int SlideGridPres::currentRow() const
{
    return selection.currentIndex().isValid() ? selection.currentIndex().row() : -1;
}

bool SlideGridPres::isSlide(int row) const
{
    return model->flags(model->index(row)) & Qt::ItemIsSelectable;
}

int SlideGridPres::slideFrom(int row, int direction) const
{
    for (; row >= 0 && row < model->rowCount(); row += direction)
        if (isSlide(row))
            return row;
    return -1;
}

void SlideGridPres::select(int row, int modifiers)
{
    if (!isSlide(row))
        return;
    const QModelIndex index = model->index(row);
    if ((modifiers & Qt::ShiftModifier) && isSlide(anchor)) {
        QItemSelection range(model->index(qMin(anchor, row)), model->index(qMax(anchor, row)));
        const auto keep = modifiers & Qt::ControlModifier ? QItemSelectionModel::Select
                                                          : QItemSelectionModel::ClearAndSelect;
        selection.select(range, keep);
        selection.setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        return;
    }
    anchor = row;
    if (modifiers & Qt::ControlModifier)
        selection.setCurrentIndex(index, QItemSelectionModel::Toggle);
    else
        selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void SlideGridPres::press(int row, int modifiers)
{
    if (!(modifiers & (Qt::ControlModifier | Qt::ShiftModifier)) &&
        !selection.isSelected(model->index(row)))
        select(row, Qt::NoModifier);
}

void SlideGridPres::click(int row, int modifiers)
{
    select(row, modifiers);
}

void SlideGridPres::selectAll()
{
    if (model->rowCount() == 0)
        return;
    selection.select(QItemSelection(model->index(0), model->index(model->rowCount() - 1)),
                     QItemSelectionModel::ClearAndSelect);
    // The separator lies inside that range and is no slide.
    for (int row = 0; row < model->rowCount(); ++row)
        if (!isSlide(row))
            selection.select(model->index(row), QItemSelectionModel::Deselect);
    if (!selection.currentIndex().isValid())
        selection.setCurrentIndex(model->index(slideFrom(0, 1)), QItemSelectionModel::NoUpdate);
}

void SlideGridPres::clear()
{
    selection.clear();
    anchor = -1;
}

bool SlideGridPres::key(int key, int modifiers, int columns)
{
    const bool handled = act(key, modifiers, columns);
    if (handled && currentRow() >= 0)
        emit revealRow(currentRow());
    return handled;
}

bool SlideGridPres::act(int key, int modifiers, int columns)
{
    const bool control = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    int delta = 0;
    switch (key) {
    case Qt::Key_Left:
        delta = -1;
        break;
    case Qt::Key_Right:
        delta = 1;
        break;
    case Qt::Key_Up:
        delta = -qMax(1, columns);
        break;
    case Qt::Key_Down:
        delta = qMax(1, columns);
        break;
    case Qt::Key_Home:
        select(slideFrom(0, 1), modifiers);
        return true;
    case Qt::Key_End:
        select(slideFrom(model->rowCount() - 1, -1), modifiers);
        return true;
    case Qt::Key_A:
        if (!control)
            return false;
        selectAll();
        return true;
    case Qt::Key_Escape:
        if (!selection.hasSelection())
            return false;
        clear();
        return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        removeSelected();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const auto* text = qobject_cast<const TextSlidePres*>(model->rowAt(currentRow()));
        if (!text)
            return false;
        emit editTextRequested(currentRow(), text->text());
        return true;
    }
    default:
        return false;
    }
    if (control && shift) {
        moveSelected(delta);
        return true;
    }
    const int from = currentRow();
    if (from < 0) {
        select(slideFrom(0, 1), Qt::NoModifier);
        return true;
    }
    // Past the separator (or the ends), on to the nearest slide.
    const int target = qBound(0, from + delta, model->rowCount() - 1);
    int row = slideFrom(target, delta > 0 ? 1 : -1);
    if (row < 0)
        row = slideFrom(target, delta > 0 ? -1 : 1);
    select(row, shift ? Qt::ShiftModifier : Qt::NoModifier);
    return true;
}

void SlideGridPres::moveSelected(int delta)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    // The slides keep their selection as they move: found again by their records.
    QSet<const Slide*> moving;
    for (int row : rows)
        moving.insert(model->rowAt(row)->slide().data());
    const int to = delta > 0 ? qMin(rows.last() + delta + 1, model->rowCount())
                             : qMax(rows.first() + delta, 0);
    ProjectPres::instance()->move(rows, to);
    QItemSelection moved;
    int first = -1;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (!moving.contains(model->rowAt(row)->slide().data()))
            continue;
        moved.select(model->index(row), model->index(row));
        if (first < 0)
            first = row;
    }
    selection.select(moved, QItemSelectionModel::ClearAndSelect);
    selection.setCurrentIndex(model->index(first), QItemSelectionModel::NoUpdate);
    anchor = first;
}

void SlideGridPres::removeSelected()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    ProjectPres::instance()->removeSlides(rows);
    // Delete again removes the next slide: the one now where the first removed one stood.
    const int next = slideFrom(qMin(rows.first(), model->rowCount() - 1), 1);
    const int shown = next >= 0 ? next : slideFrom(model->rowCount() - 1, -1);
    if (shown >= 0)
        select(shown, Qt::NoModifier);
}

void SlideGridPres::addTextSlide(const QString& text)
{
    const int row = currentRow();
    ProjectPres::instance()->insertTextSlide(row < 0 ? -1 : row + 1, text);
    if (row < 0)
        return; // at the end: the grid scrolls there
    select(row + 1, Qt::NoModifier);
    emit revealRow(row + 1);
}

namespace {
constexpr int TextLimit = 90;
}

bool SlideGridPres::fitsTextSlide(const QString& text)
{
    return text.size() <= TextLimit;
}

QString SlideGridPres::textCounter(int length, bool refused)
{
    if (refused)
        return tr("%1/90: a text slide holds up to 90 characters").arg(length);
    return QStringLiteral("%1/%2").arg(length).arg(TextLimit);
}
