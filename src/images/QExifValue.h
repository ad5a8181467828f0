#pragma once

#include <QByteArray>
#include <QExplicitlySharedDataPointer>
#include <QPair>
#include <QString>
#include <QVector>

class QExifValuePrivate;

// One typed EXIF value: a cheap handle to shared, reference-counted data. A default-constructed
// value is the absent value (all absent values share one null instance).
class QExifValue
{
public:
    enum Type : quint16
    {
        Byte = 1,
        Ascii = 2,
        Short = 3,
        Long = 4,
        Rational = 5,
        Undefined = 7,
        SignedLong = 9,
        SignedRational = 10
    };
    using URational = QPair<quint32, quint32>;
    using SRational = QPair<qint32, qint32>;

    QExifValue();
    static QExifValue bytes(const QVector<quint8>& values);
    static QExifValue ascii(const QString& text, quint32 count);
    static QExifValue shorts(const QVector<quint16>& values);
    static QExifValue longs(const QVector<quint32>& values);
    static QExifValue rationals(const QVector<URational>& values);
    static QExifValue undefined(const QByteArray& data);
    static QExifValue signedLongs(const QVector<qint32>& values);
    static QExifValue signedRationals(const QVector<SRational>& values);

    QExifValue(const QExifValue& other);
    QExifValue& operator=(const QExifValue& other);
    ~QExifValue();

    bool isNull() const;
    quint16 type() const; // 0 for the absent value
    quint32 count() const;

    // For a value of count 1: the Byte, Short, Long or SignedLong number; 0 otherwise.
    qint32 toLong() const;
    QVector<quint8> toByteVector() const;
    QString toString() const; // Ascii
    QVector<quint16> toShortVector() const;
    QVector<quint32> toLongVector() const;
    QVector<URational> toRationalVector() const;
    QByteArray toByteArray() const; // Undefined
    QVector<qint32> toSignedLongVector() const;
    QVector<SRational> toSignedRationalVector() const;

private:
    explicit QExifValue(QExifValuePrivate* data);
    QExplicitlySharedDataPointer<QExifValuePrivate> d;
};
