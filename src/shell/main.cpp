// Entry point: prepares the media libraries, the application object, fonts, translation and
// style, publishes the presenters to QML and loads the root window.

#include "images/ImageProvider.h"
#include "images/ThumbGeneratorTask.h"
#include "media/LibavInit.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectImageProvider.h"
#include "project/SavedProjectsPres.h"
#include "project/SlidesListModel.h"
#include "render/RenderPres.h"
#include "shell/AppSettingsPres.h"
#include "shell/CommonError.h"
#include "shell/SettingsPres.h"
#include "shell/SharedTypes.h"
#include "shell/Translations.h"
#include "templates/TemplatesPres.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QOpenGLContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimer>
#include <QTranslator>

namespace {

void publish(QQmlContext* context, const char* name, QObject* object)
{
    context->setContextProperty(QString::fromLatin1(name), object);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

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

    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QQuickStyle::setStyle(QStringLiteral("qrc:/UiStyle"));
    chooseSceneGraphBackend();

    QQmlApplicationEngine engine;
    QGuiApplication::setFont(QFont(QStringLiteral("Segoe UI"), 12, QFont::Normal, false));
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));

    engine.addImageProvider(QStringLiteral("ImageProvider"), ImageProvider::instance());
    engine.addImageProvider(QStringLiteral("SavedProjectImageProvider"),
                            SavedProjectImageProvider::instance());
    ProjectPres::instance()->setDevicePixelRatio(app.devicePixelRatio());

    QQmlContext* context = engine.rootContext();
    publish(context, "commonError", CommonError::instance());
    publish(context, "appSettings", AppSettingsPres::instance());
    publish(context, "savedProjects", SavedProjectsPres::instance());
    publish(context, "project", ProjectPres::instance());
    publish(context, "slides", SlidesListModel::instance());
    publish(context, "templates", TemplatesPres::instance());
    publish(context, "settings", SettingsPres::instance());
    publish(context, "render", RenderPres::instance());
    context->setContextProperty(QStringLiteral("debug"), QVariant::fromValue<QObject*>(nullptr));

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
