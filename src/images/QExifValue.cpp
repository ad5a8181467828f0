#include "images/QExifValue.h"

#include "images/QExifValue_p.h"

namespace {

QExifValuePrivate* nullInstance()
{
    // Never freed: every absent value shares it for the life of the process.
    static QExifValuePrivate* const instance = [] {
        auto* created = new QExifValuePrivate(0, 0);
        created->ref.ref();
        return created;
    }();
    return instance;
}

template <typename Private>
const Private* as(const QExplicitlySharedDataPointer<QExifValuePrivate>& d, quint16 type)
{
    return d->type == type ? static_cast<const Private*>(d.data()) : nullptr;
}

template <typename Private, typename Payload>
Payload payloadOf(const QExplicitlySharedDataPointer<QExifValuePrivate>& d, quint16 type)
{
    const Private* typed = as<Private>(d, type);
    return typed ? typed->payload : Payload();
}

} // namespace

QExifValue::QExifValue() : d(nullInstance()) {}
QExifValue::QExifValue(QExifValuePrivate* data) : d(data) {}
QExifValue::QExifValue(const QExifValue& other) = default;
QExifValue& QExifValue::operator=(const QExifValue& other) = default;
QExifValue::~QExifValue() = default;

QExifValue QExifValue::bytes(const QVector<quint8>& values)
{
    return QExifValue(new QExifByteValuePrivate(values, quint32(values.size())));
}

QExifValue QExifValue::ascii(const QString& text, quint32 count)
{
    return QExifValue(new QExifAsciiValuePrivate(text, count));
}

QExifValue QExifValue::shorts(const QVector<quint16>& values)
{
    return QExifValue(new QExifShortValuePrivate(values, quint32(values.size())));
}

QExifValue QExifValue::longs(const QVector<quint32>& values)
{
    return QExifValue(new QExifLongValuePrivate(values, quint32(values.size())));
}

QExifValue QExifValue::rationals(const QVector<URational>& values)
{
    return QExifValue(new QExifRationalValuePrivate(values, quint32(values.size())));
}

QExifValue QExifValue::undefined(const QByteArray& data)
{
    return QExifValue(new QExifUndefinedValuePrivate(data, quint32(data.size())));
}

QExifValue QExifValue::signedLongs(const QVector<qint32>& values)
{
    return QExifValue(new QExifSignedLongValuePrivate(values, quint32(values.size())));
}

QExifValue QExifValue::signedRationals(const QVector<SRational>& values)
{
    return QExifValue(new QExifSignedRationalValuePrivate(values, quint32(values.size())));
}

bool QExifValue::isNull() const
{
    return d.data() == nullInstance();
}

quint16 QExifValue::type() const
{
    return d->type;
}

quint32 QExifValue::count() const
{
    return d->count;
}

qint32 QExifValue::toLong() const
{
    if (d->count != 1)
        return 0;
    switch (d->type) {
    case Byte:
        return toByteVector().value(0);
    case Short:
        return toShortVector().value(0);
    case Long:
        return qint32(toLongVector().value(0));
    case SignedLong:
        return toSignedLongVector().value(0);
    default:
        return 0;
    }
}

QVector<quint8> QExifValue::toByteVector() const
{
    return payloadOf<QExifByteValuePrivate, QVector<quint8>>(d, Byte);
}

QString QExifValue::toString() const
{
    return payloadOf<QExifAsciiValuePrivate, QString>(d, Ascii);
}

QVector<quint16> QExifValue::toShortVector() const
{
    return payloadOf<QExifShortValuePrivate, QVector<quint16>>(d, Short);
}

QVector<quint32> QExifValue::toLongVector() const
{
    return payloadOf<QExifLongValuePrivate, QVector<quint32>>(d, Long);
}

QVector<QExifValue::URational> QExifValue::toRationalVector() const
{
    return payloadOf<QExifRationalValuePrivate, QVector<URational>>(d, Rational);
}

QByteArray QExifValue::toByteArray() const
{
    return payloadOf<QExifUndefinedValuePrivate, QByteArray>(d, Undefined);
}

QVector<qint32> QExifValue::toSignedLongVector() const
{
    return payloadOf<QExifSignedLongValuePrivate, QVector<qint32>>(d, SignedLong);
}

QVector<QExifValue::SRational> QExifValue::toSignedRationalVector() const
{
    return payloadOf<QExifSignedRationalValuePrivate, QVector<SRational>>(d, SignedRational);
}
