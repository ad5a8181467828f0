#include "app/AppSettingsPres.h"

AppSettingsPres::AppSettingsPres(QObject* parent) : QObject(parent) {}

AppSettingsPres* AppSettingsPres::instance()
{
    static AppSettingsPres* const object = new AppSettingsPres;
    return object;
}

bool AppSettingsPres::contains(const QString& name) const
{
    return settings.contains(name);
}

void AppSettingsPres::set(const QString& name)
{
    settings.setValue(name, true);
    settings.sync();
}

void AppSettingsPres::remove(const QString& name)
{
    settings.remove(name);
    settings.sync();
}
