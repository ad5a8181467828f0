#pragma once

#include "project/Slide.h"

#include <QObject>
#include <QSharedPointer>
#include <QString>

// One row of the slides grid. Row types as QML sees them (the model's "type" role): 1 separator,
// 2 image, 3 text; QML compares them by name, as SlideRow.SeparatorRow and so on.
class SlidePres : public QObject
{
    Q_OBJECT
public:
    enum RowType
    {
        SeparatorRow = 1,
        ImageRow = 2,
        TextRow = 3
    };
    Q_ENUM(RowType)

    QSharedPointer<Slide> slide() const { return slideRecord; }
    int type() const { return rowType; }
    // The row's thumbnail in the "ImageProvider" image provider.
    QString imgId() const { return imageId; }

signals:
    void imgIdChanged(QObject* row);

protected:
    SlidePres(QSharedPointer<Slide> slide, int type, const QString& imgId);
    void setImgId(const QString& id);

private:
    QSharedPointer<Slide> slideRecord;
    int rowType;
    QString imageId;
};
