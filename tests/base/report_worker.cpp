// Reports an error to the configured endpoint and quits a moment later, while the post may still
// be waiting for an answer: the error test checks that such a program still ends at once.
#include "base/CommonError.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    CommonError::instance()->report(QStringLiteral("a report nobody answers"));
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    return app.exec();
}
