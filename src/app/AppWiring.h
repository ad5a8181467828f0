#pragma once

// The program's composition root: what start-up publishes to QML. Shared by the entry point and
// by the tools and tests that drive the real window (screenshots, journeys).

#include "app/AppSettingsPres.h"
#include "app/ImageProvider.h"
#include "app/PreviewPres.h"
#include "app/PreviewView.h"
#include "app/ProjectPres.h"
#include "app/RenderPres.h"
#include "app/SavedProjectImageProvider.h"
#include "app/SavedProjectsPres.h"
#include "app/SettingsPres.h"
#include "app/SlidesListModel.h"
#include "app/TemplatesPres.h"
#include "base/CommonError.h"

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
    publish(context, "preview", PreviewPres::instance());
    qmlRegisterType<PreviewView>("Lumavive", 1, 0, "PreviewView");
    context->setContextProperty(QStringLiteral("debug"), QVariant::fromValue<QObject*>(nullptr));
}

} // namespace AppWiring
