#include "base/ServiceConfig.h"

#include <QSettings>

QString ServiceConfig::configured(const char* environmentName, const QString& settingsKey)
{
    QString value = qEnvironmentVariable(environmentName).trimmed();
    if (value.isEmpty())
        value = QSettings().value(settingsKey).toString().trimmed();
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    return value;
}

QUrl ServiceConfig::errorEndpoint()
{
    const QString base = configured("LUMAVIVE_ERROR_ENDPOINT", QStringLiteral("errorEndpoint"));
    if (base.isEmpty())
        return {};
    return QUrl(base + QStringLiteral("/nativeerror"));
}

QString ServiceConfig::themeServer()
{
    const QString base = configured("LUMAVIVE_THEME_SERVER", QStringLiteral("themeServer"));
    if (base.isEmpty())
        return {};
    return base + QStringLiteral("/app/1.2.0/themes/");
}
