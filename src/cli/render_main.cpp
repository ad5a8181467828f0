// lumavive-render: the headless renderer (see HeadlessRenderer).
#include "cli/HeadlessRenderer.h"
#include "images/SharedTypes.h"
#include "media/LibavInit.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    // No window is ever shown; fonts and pictures still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    initLibav();
    registerSharedMetaTypes();
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMAVIVE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    HeadlessRenderer renderer(out, err);
    return renderer.run(app.arguments().mid(1));
}
