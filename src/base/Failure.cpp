#include "base/Failure.h"

#include <QCoreApplication>

Failure::Failure(QString message, QString file, QString reason, QString step)
    : sentence(std::move(message)), path(std::move(file)), cause(std::move(reason)),
      where(std::move(step)), utf8(text().toUtf8())
{
}

QString Failure::text() const
{
    if (cause.isEmpty())
        return sentence;
    return QCoreApplication::translate("Failure", "%1\nThe system said: %2.").arg(sentence, cause);
}

Failure Failure::withMessage(const QString& message, const QString& file) const
{
    return Failure(message, file, cause, where);
}
