#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure a person is told about, thrown where the work cannot go on and caught where it ends:
// what failed and what to do, in one or two translated sentences that name the file; the file
// itself; and the library's own words for the cause (FFmpeg's av_strerror, Qt's errorString).
// A failure deep inside an encoder knows no file and no sentence yet, only its reason and the
// step that failed (for the error report, never shown): whoever catches it and knows which file
// was being written gives it both (withMessage()).
class Failure : public std::exception
{
public:
    explicit Failure(QString message, QString file = QString(), QString reason = QString(),
                     QString step = QString());

    const QString& message() const { return sentence; }
    const QString& file() const { return path; }
    const QString& reason() const { return cause; }
    const QString& step() const { return where; }
    // What the person reads: the sentences, then the cause when there is one.
    QString text() const;
    // The same cause, told in the catcher's words about its file.
    Failure withMessage(const QString& message, const QString& file) const;

    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString sentence;
    QString path;
    QString cause;
    QString where;
    QByteArray utf8;
};
