#include "base/CommonError.h"

#include "base/ErrorSender.h"
#include "base/Failure.h"
#include "base/ServiceConfig.h"
#include "base/WorkerThread.h"

#include <QCoreApplication>

CommonError::CommonError(QObject* parent) : QObject(parent) {}

CommonError* CommonError::instance()
{
    static CommonError* const object = [] {
        auto* created = new CommonError;
        // Reports arrive from worker threads; the object must live with the GUI.
        if (auto* app = QCoreApplication::instance())
            created->moveToThread(app->thread());
        return created;
    }();
    return object;
}

void CommonError::report(const QString& message)
{
    emit error(message);
    post(message);
}

void CommonError::report(const Failure& failure)
{
    emit error(failure.text());
    // Support also learns which step failed.
    post(failure.step().isEmpty() ? failure.text()
                                  : failure.text() + QStringLiteral("\r\n") + failure.step());
}

void CommonError::reportProblem(const QString& title, const QString& message)
{
    emit problem(title, message);
    post(title + QStringLiteral(": ") + message);
}

void CommonError::sendCrashFeedback(const QString& msg)
{
    post(QStringLiteral("APP_CRASH_FEEDBACK\r\n") + msg);
}

void CommonError::post(const QString& text)
{
    const QUrl endpoint = ServiceConfig::errorEndpoint();
    if (endpoint.isEmpty())
        return;

    // One short-lived thread per report, so a slow or dead endpoint never blocks the caller.
    WorkerThread::detach(new ErrorSender(text, endpoint));
}
