#pragma once

// The shared data behind QExifValue, one class per EXIF type.

#include "images/QExifValue.h"

#include <QSharedData>

class QExifValuePrivate : public QSharedData
{
public:
    QExifValuePrivate(quint16 type, quint32 count) : type(type), count(count) {}
    virtual ~QExifValuePrivate() = default;

    quint16 type;
    quint32 count;
};

template <quint16 TypeCode, typename Payload>
class QExifTypedValuePrivate : public QExifValuePrivate
{
public:
    QExifTypedValuePrivate(const Payload& payload, quint32 count)
        : QExifValuePrivate(TypeCode, count), payload(payload)
    {
    }
    Payload payload;
};

using QExifByteValuePrivate = QExifTypedValuePrivate<QExifValue::Byte, QVector<quint8>>;
using QExifAsciiValuePrivate = QExifTypedValuePrivate<QExifValue::Ascii, QString>;
using QExifShortValuePrivate = QExifTypedValuePrivate<QExifValue::Short, QVector<quint16>>;
using QExifLongValuePrivate = QExifTypedValuePrivate<QExifValue::Long, QVector<quint32>>;
using QExifRationalValuePrivate =
    QExifTypedValuePrivate<QExifValue::Rational, QVector<QExifValue::URational>>;
using QExifUndefinedValuePrivate = QExifTypedValuePrivate<QExifValue::Undefined, QByteArray>;
using QExifSignedLongValuePrivate = QExifTypedValuePrivate<QExifValue::SignedLong, QVector<qint32>>;
using QExifSignedRationalValuePrivate =
    QExifTypedValuePrivate<QExifValue::SignedRational, QVector<QExifValue::SRational>>;
