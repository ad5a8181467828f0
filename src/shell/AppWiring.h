#pragma once

// The program's composition root: what start-up publishes to QML. Shared by the entry point and
// by the tools and tests that drive the real window (screenshots, journeys).

#include "images/ImageProvider.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectImageProvider.h"
#include "project/SavedProjectsPres.h"
#include "project/SlidesListModel.h"
#include "render/RenderPres.h"
#include "shell/AppSettingsPres.h"
#include "shell/CommonError.h"
#include "shell/SettingsPres.h"
#include "templates/TemplatesPres.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>

namespace AppWiring {

inline void publish(QQmlContext* context, const char* name, QObject* object)
{
    context->setContextProperty(QString::fromLatin1(name), object);
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
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
    publish(context, "savedProjects", SavedProjectsPres::instance());
    publish(context, "project", ProjectPres::instance());
    publish(context, "slides", SlidesListModel::instance());
    publish(context, "templates", TemplatesPres::instance());
    publish(context, "settings", SettingsPres::instance());
    publish(context, "render", RenderPres::instance());
    context->setContextProperty(QStringLiteral("debug"), QVariant::fromValue<QObject*>(nullptr));
}

} // namespace AppWiring
