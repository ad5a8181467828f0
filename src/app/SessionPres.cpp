#include "app/SessionPres.h"

#include "app/ProjectPres.h"
#include "app/RenderPres.h"

#include <QCoreApplication>

SessionPres* SessionPres::instance()
{
    static SessionPres* const presenter = new SessionPres;
    return presenter;
}

SessionPres::SessionPres(QObject* parent) : QObject(parent) {}

bool SessionPres::mayClose()
{
    ProjectPres::instance()->save();
    return !RenderPres::instance()->isRendering();
}

void SessionPres::stopRenderAndQuit()
{
    quit();
}

void SessionPres::saveAndStop()
{
    ProjectPres::instance()->save();
    RenderPres::instance()->stopAndWait();
}

void SessionPres::quit()
{
    saveAndStop();
    QCoreApplication::quit();
}
