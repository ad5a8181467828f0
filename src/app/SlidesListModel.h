#pragma once

#include "app/SeparatorSlidePres.h"
#include "app/SlidePres.h"

#include <QAbstractListModel>
#include <QList>
#include <QVector>
#include <functional>

// The slides grid ("slides" in QML): one presenter per row, plus the separator row after the
// last slide that fits into the music. Owns its row presenters (the separator is kept for reuse
// when taken out). Only the project presenter changes it; GUI thread only.
class SlidesListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        TypeRole = Qt::UserRole + 1,
        ImgIdRole,
        TextRole
    };

    static SlidesListModel* instance();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    void append(SlidePres* row);
    void insert(SlidePres* row, int at);
    void remove(int row);
    // Moves the rows, in their former order, to stand directly before the row now at `to`
    // (at the end when `to` is past the last row).
    void move(QList<int> rows, int to);
    void rotate(int row, bool clockwise);
    void setText(int row, const QString& text);
    // The separator goes directly after the first `position` slides; none when all fit.
    void placeSeparator(int position, int slideCount);

    // Shows exactly `order`: rows of slides still in it are kept (their thumbnails with them), in
    // that order; rows of the others are dropped; slides not shown yet get a row from `make`.
    // The separator is left out, to be placed again.
    void showSlides(const QVector<QSharedPointer<Slide>>& order,
                    const std::function<SlidePres*(const QSharedPointer<Slide>&)>& make);
    // Only slides' rows are selectable, not the separator.
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The slides of all rows but the separator, in row order: the project's slide order.
    QVector<QSharedPointer<Slide>> slides() const;
    SlidePres* rowAt(int row) const { return rows.value(row); }

public slots:
    void onImgIdChanged(QObject* sender);

private:
    explicit SlidesListModel(QObject* parent = nullptr);
    void attach(SlidePres* row);
    void takeOut(int row);

    QList<SlidePres*> rows;
    SeparatorSlidePres* separator;
};
