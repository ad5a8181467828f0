#pragma once

#include <QObject>
#include <QString>

class Failure;

// The one channel through which any part of the program shows a failure to the user.
// Every report is emitted as error(text) (QML listens) and posted in the background to the
// error-collection endpoint, when one is configured. Safe to call from any thread.
class CommonError : public QObject
{
    Q_OBJECT
public:
    static CommonError* instance();

    void report(const QString& message);
    // Shows the failure's sentences with their cause (Failure::text()).
    void report(const Failure& failure);
    // Something the person can put right (a folder that cannot be written, a full disk), titled
    // by what failed: shown as problem(title, message), without the support addresses that a
    // fault of the program's comes with, and posted like every report.
    void reportProblem(const QString& title, const QString& message);

    // User feedback from the leave-feedback popup: posted, never shown.
    Q_INVOKABLE void sendCrashFeedback(const QString& msg);

signals:
    void error(QString msg);
    void problem(QString title, QString message);
    void appHasFailed();

private:
    explicit CommonError(QObject* parent = nullptr);
    void post(const QString& text);
};
