// lumavive-render: the headless renderer (see HeadlessRenderer).
#include "base/SharedTypes.h"
#include "cli/HeadlessRenderer.h"
#include "media/LibavInit.h"
#include "templates/TemplateCatalog.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

QtMessageHandler qtHandler = nullptr;

// On a server without a login session Qt says that XDG_RUNTIME_DIR is not set, makes a folder of
// its own and works on. A command-line tool prints only its own lines: that note is dropped,
// every other message goes where it always went.
void withoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context,
                           const QString& message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    qtHandler(type, context, message);
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; fonts and pictures still need a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(withoutRuntimeDirNote);
    initLibav();
    registerSharedMetaTypes();
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMAVIVE_VERSION));
    // The themes of the folder the program was started from, else the installed ones.
    TemplateCatalog::use(TemplateCatalog::themesFolder());
    QTextStream out(stdout);
    QTextStream err(stderr);
    HeadlessRenderer renderer(out, err);
    return renderer.run(app.arguments().mid(1));
}
