#pragma once

// The program's composition root: what start-up publishes to QML. Shared by the entry point and
// by the tools and tests that drive the real window (screenshots, journeys).

#include "app/AppSettingsPres.h"
#include "app/BeatsPres.h"
#include "app/ChooserFoldersPres.h"
#include "app/ImageProvider.h"
#include "app/PreviewPres.h"
#include "app/PreviewView.h"
#include "app/ProjectPres.h"
#include "app/RenderPres.h"
#include "app/SavedProjectImageProvider.h"
#include "app/SavedProjectsPres.h"
#include "app/SessionPres.h"
#include "app/SettingsPres.h"
#include "app/SlideGridPres.h"
#include "app/SlidePres.h"
#include "app/SlidesListModel.h"
#include "app/TemplatesPres.h"
#include "base/CommonError.h"
#include "base/TerminationSignal.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>

namespace AppWiring {

inline void publish(QQmlContext* context, const char* name, QObject* object)
{
    context->setContextProperty(QString::fromLatin1(name), object);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

// A logout or `kill` (SIGTERM, SIGHUP) and every other way out of the event loop save the project
// and stop a render first. Made once, for the program's lifetime.
inline void guardExit()
{
    static TerminationSignal* const termination =
        new TerminationSignal(QCoreApplication::instance());
    QObject::connect(termination, &TerminationSignal::terminationRequested, SessionPres::instance(),
                     &SessionPres::quit, Qt::UniqueConnection);
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                     SessionPres::instance(), &SessionPres::quit, Qt::UniqueConnection);
}

// Image providers, the device pixel ratio and the context properties, in start-up order.
inline void wire(QQmlApplicationEngine& engine, qreal devicePixelRatio)
{
    engine.addImportPath(QStringLiteral("qrc:/")); // the UiStyle module
    engine.addImageProvider(QStringLiteral("ImageProvider"), ImageProvider::instance());
    engine.addImageProvider(QStringLiteral("SavedProjectImageProvider"),
                            SavedProjectImageProvider::instance());
    ProjectPres::instance()->setDevicePixelRatio(devicePixelRatio);

    QQmlContext* context = engine.rootContext();
    publish(context, "commonError", CommonError::instance());
    publish(context, "appSettings", AppSettingsPres::instance());
    publish(context, "chooserFolders", ChooserFoldersPres::instance());
    publish(context, "savedProjects", SavedProjectsPres::instance());
    publish(context, "project", ProjectPres::instance());
    publish(context, "beats", BeatsPres::instance());
    publish(context, "slides", SlidesListModel::instance());
    publish(context, "slideGrid", SlideGridPres::instance());
    publish(context, "templates", TemplatesPres::instance());
    publish(context, "settings", SettingsPres::instance());
    publish(context, "render", RenderPres::instance());
    publish(context, "preview", PreviewPres::instance());
    publish(context, "session", SessionPres::instance());
    qmlRegisterType<PreviewView>("Lumavive", 1, 0, "PreviewView");
    // For the row types' names only: rows come from the slides model.
    qmlRegisterUncreatableType<SlidePres>("Lumavive", 1, 0, "SlideRow",
                                          QStringLiteral("rows come from the slides model"));
    context->setContextProperty(QStringLiteral("debug"), QVariant::fromValue<QObject*>(nullptr));
    guardExit();
}

} // namespace AppWiring
