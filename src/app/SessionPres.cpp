#include "app/SessionPres.h"

#include "app/ProjectPres.h"
#include "app/RenderPres.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

SessionPres* SessionPres::instance()
{
    static SessionPres* const presenter = new SessionPres;
    return presenter;
}

SessionPres::SessionPres(QObject* parent) : QObject(parent) {}

bool SessionPres::mayClose(QWindow* window)
{
    ProjectPres::instance()->save();
    if (window) {
        const bool maximised = window->windowStates() & Qt::WindowMaximized;
        settings.setValue(QStringLiteral("window/maximised"), maximised);
        // A maximised window's own size is the screen's: the size to come back to stays.
        if (!maximised)
            settings.setValue(QStringLiteral("window/geometry"), window->geometry());
    }
    return !RenderPres::instance()->isRendering();
}

bool SessionPres::placeWindow(QWindow* window)
{
    const QRect stored = settings.value(QStringLiteral("window/geometry")).toRect();
    if (!window || !stored.isValid())
        return false;
    // Not where no screen is any more (a second monitor unplugged): its title bar must be seen.
    if (!QGuiApplication::screenAt(stored.topLeft() + QPoint(40, 10)))
        return false;
    window->setGeometry(stored);
    if (settings.value(QStringLiteral("window/maximised")).toBool())
        window->showMaximized();
    return true;
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
