#pragma once

#include <QString>
#include <QUrl>

// Where the vendor's web services are. Hosts are configuration: the environment
// (LUMAVIVE_THEME_SERVER, LUMAVIVE_ERROR_ENDPOINT) first, then the settings store
// ("themeServer", "errorEndpoint"). Each value is a base URL such as "http://127.0.0.1:8080";
// the fixed paths are appended here.
class ServiceConfig
{
public:
    // Base URL + "/nativeerror"; empty when no endpoint is configured (reports are then
    // shown but not posted).
    static QUrl errorEndpoint();
    // Base URL + "/app/1.2.0/themes/", ending in a slash; empty when no server is configured.
    static QString themeServer();

private:
    static QString configured(const char* environmentName, const QString& settingsKey);
};
