// Runs one AppSettingsPres operation in a process of its own, so that tests can prove that flags
// survive from one run of the program to the next. Exit code 0 = true, 1 = false, 2 = bad usage.
#include "app/AppSettingsPres.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString operation = args[1];
    const QString name = args[2];
    AppSettingsPres* settings = AppSettingsPres::instance();
    if (operation == QLatin1String("set"))
        settings->set(name);
    else if (operation == QLatin1String("remove"))
        settings->remove(name);
    else if (operation == QLatin1String("contains"))
        return settings->contains(name) ? 0 : 1;
    else
        return 2;
    return 0;
}
