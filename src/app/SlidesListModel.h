#pragma once

#include "app/SeparatorSlidePres.h"
#include "app/SlidePres.h"

#include <QAbstractListModel>
#include <QList>
#include <QVector>

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
