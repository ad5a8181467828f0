#include "shell/CommonError.h"

#include "shell/ErrorSender.h"
#include "shell/ServiceConfig.h"

#include <QCoreApplication>
#include <QThread>

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

void CommonError::report(const QString& message, int code)
{
    report(message + QStringLiteral("\r\nError: ") + QString::number(code));
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
    auto* thread = new QThread;
    auto* sender = new ErrorSender(text, endpoint);
    sender->moveToThread(thread);
    // The caller may be a worker thread without an event loop: let the GUI thread own the
    // QThread object so that its deferred deletion really happens.
    if (auto* app = QCoreApplication::instance())
        thread->moveToThread(app->thread());
    connect(thread, &QThread::started, sender, &ErrorSender::send);
    connect(sender, &ErrorSender::finished, thread, &QThread::quit);
    connect(thread, &QThread::finished, sender, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}
