#include "base/Fit.h"

bool Fit::coverByWidth(QSize picture, QSize box)
{
    // box.w / picture.w > box.h / picture.h, in integers: no rounding decides a near tie.
    return qint64(box.width()) * picture.height() > qint64(box.height()) * picture.width();
}

QSize Fit::coverSize(QSize picture, QSize box)
{
    if (picture.isEmpty())
        return box;
    const qint64 w = picture.width();
    const qint64 h = picture.height();
    return coverByWidth(picture, box) ? QSize(box.width(), int(h * box.width() / w))
                                      : QSize(int(w * box.height() / h), box.height());
}

QRect Fit::centred(QSize picture, QSize box)
{
    return QRect((picture.width() - box.width()) / 2, (picture.height() - box.height()) / 2,
                 box.width(), box.height());
}
