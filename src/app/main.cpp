// Entry point: prepares the media libraries, the application object, fonts, translation and
// style, publishes the presenters to QML and loads the root window.

#include "app/AppWiring.h"
#include "app/Translations.h"
#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"
#include "media/LibavInit.h"
#include "templates/TemplateCatalog.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QOpenGLContext>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>
#include <QTranslator>

namespace {

// Machines without OpenGL (virtual machines, remote sessions, headless runs) still get a window:
// Qt Quick then draws with its software renderer.
void chooseSceneGraphBackend()
{
    QOpenGLContext probe;
    if (!probe.create())
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
}

} // namespace

int main(int argc, char* argv[])
{
    initLibav();
    registerSharedMetaTypes();
    registerThumbGeneratorTask();

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Times New Roman"));

    QTranslator translator;
    if (Translations::load(translator, QLocale::system().name()))
        QApplication::installTranslator(&translator);
    QTranslator qtTranslator;
    if (Translations::loadQt(qtTranslator, QLocale::system().name()))
        QApplication::installTranslator(&qtTranslator);

    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QQuickStyle::setStyle(QStringLiteral("qrc:/UiStyle"));
    chooseSceneGraphBackend();

    QQmlApplicationEngine engine;
    QGuiApplication::setFont(QFont(QStringLiteral("Segoe UI"), 12, QFont::Normal, false));
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    // The themes of the folder the program was started from, else the installed ones; named in
    // full, so that the window's pictures of them load wherever QML resolves file URLs from.
    TemplateCatalog::use(QDir(TemplateCatalog::themesFolder()).absolutePath() + QLatin1Char('/'));
    // Docks and task switchers match the window to its menu entry by this name, and show the
    // installed icon (the built-in drawing when none is installed).
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Lumavive"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.lumavive.Lumavive"));
    QGuiApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("example.lumavive.Lumavive"),
                         QIcon(QStringLiteral(":/assets/images/app_icon_64@2x.png"))));

    AppWiring::wire(engine, app.devicePixelRatio());

    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty()) {
        // Without a window the program would run invisibly until killed.
        qCritical("Lumavive could not load its main window (qrc:/main.qml).");
        return 1;
    }

    // Smoke checks and screenshots close the program on their own after a while.
    bool autoQuit = false;
    const int autoQuitMs = qEnvironmentVariableIntValue("LUMAVIVE_AUTOQUIT_MS", &autoQuit);
    if (autoQuit && autoQuitMs > 0)
        QTimer::singleShot(autoQuitMs, &app, &QCoreApplication::quit);

    return QApplication::exec();
}
