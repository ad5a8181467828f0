#pragma once

#include <QObject>
#include <QSettings>

// Named yes-flags that survive a restart ("appSettings" in QML), such as "dontShowPopupLeave".
// Stored in the platform settings store under the organisation and application names.
class AppSettingsPres : public QObject
{
    Q_OBJECT
public:
    static AppSettingsPres* instance();

    Q_INVOKABLE bool contains(const QString& name) const;
    Q_INVOKABLE void set(const QString& name);
    Q_INVOKABLE void remove(const QString& name);

private:
    explicit AppSettingsPres(QObject* parent = nullptr);

    QSettings settings;
};
