#pragma once

#include "base/Worker.h"
#include <QByteArray>

#include <QString>
#include <QUrl>

// Posts one text to the error endpoint on a thread of its own; the run ends once the reply has
// ended, whatever its outcome (the outcome is deliberately ignored).
class ErrorSender : public Worker
{
    Q_OBJECT
public:
    ErrorSender(const QString& text, const QUrl& endpoint);
    ~ErrorSender() override;

    // The form body: field "error" holding the text, fully percent-encoded UTF-8.
    static QByteArray formBody(const QString& text);

    // Senders alive right now, on any thread (each ends after its reply, even a failed one).
    static int inFlight();
    // How long a post may go without an answer before its thread gives up (20 s).
    static void setTransferTimeout(int milliseconds);

protected:
    void run() override;

private:
    QString text;
    QUrl endpoint;
};
