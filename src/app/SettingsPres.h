#pragma once

#include "project/UserData.h"

#include <QObject>
#include <QString>
#include <QUrl>

// The render options of the current run ("settings" in QML): resolution and result folder.
// Not stored between runs; every start begins from the defaults.
class SettingsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool fullHd READ fullHd WRITE setFullHd NOTIFY fullHdChanged)
    Q_PROPERTY(QString saveDir READ saveDir WRITE setSaveDir NOTIFY saveDirChanged)
    // The folder as a URL, where the folder chooser opens.
    Q_PROPERTY(QUrl saveDirUrl READ saveDirUrl NOTIFY saveDirChanged)
public:
    static SettingsPres* instance();

    bool fullHd() const { return fullHdValue; }
    void setFullHd(bool value);

    // The canonical path when the folder exists, otherwise the stored text unchanged.
    QString saveDir() const;
    void setSaveDir(const QString& value);
    QUrl saveDirUrl() const { return QUrl::fromLocalFile(saveDir()); }

    // Proves that a file can be created in the folder; reports through CommonError when not.
    Q_INVOKABLE bool checkSaveDirPermission(const QString& saveDir);
    // Creates the stored folder (one level; the parent must exist). Failures are silent.
    Q_INVOKABLE void mkSaveDir();
    // The folder a chooser gave (a URL as QML hands it over, or a typed path): stored when a file
    // can be made there, otherwise refused with a message. True when stored.
    Q_INVOKABLE bool chooseSaveDir(const QUrl& folder);

    UserData renderSettings() const;

signals:
    void fullHdChanged();
    void saveDirChanged();

private:
    explicit SettingsPres(QObject* parent = nullptr);

    bool fullHdValue = false;
    QString saveDirValue;
};
