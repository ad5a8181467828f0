#include "app/SettingsPres.h"

#include "base/CommonError.h"

#include <QDir>
#include <QFile>
#include <QUrl>
#include <QUuid>

SettingsPres::SettingsPres(QObject* parent) : QObject(parent), saveDirValue(UserData().saveDir) {}

SettingsPres* SettingsPres::instance()
{
    static SettingsPres* const object = new SettingsPres;
    return object;
}

void SettingsPres::setFullHd(bool value)
{
    if (fullHdValue == value)
        return;
    fullHdValue = value;
    emit fullHdChanged();
}

QString SettingsPres::saveDir() const
{
    const QDir dir(saveDirValue);
    if (!dir.exists())
        return saveDirValue;
    // canonicalPath can come back empty on a busy network share; it is worth a few tries.
    QString canonical;
    for (int attempt = 0; attempt < 50 && canonical.isEmpty(); ++attempt)
        canonical = dir.canonicalPath();
    return canonical.isEmpty() ? saveDirValue : canonical;
}

void SettingsPres::setSaveDir(const QString& value)
{
    saveDirValue = value;
    emit saveDirChanged();
}

bool SettingsPres::checkSaveDirPermission(const QString& saveDir)
{
    if (!saveDir.isEmpty()) {
        QFile probe(QDir(saveDir).filePath(QUuid::createUuid().toString()));
        if (probe.open(QIODevice::ReadWrite)) {
            probe.close();
            probe.remove();
            return true;
        }
    }
    CommonError::instance()->reportProblem(
        tr("The result folder cannot be used"),
        tr("Please select another Result Directory. Can't create output file in") +
            QStringLiteral(" \"") + saveDir + QStringLiteral("\"."));
    return false;
}

bool SettingsPres::chooseSaveDir(const QUrl& folder)
{
    const QString path = folder.isLocalFile() ? folder.toLocalFile() : folder.toString();
    if (!checkSaveDirPermission(QDir::cleanPath(path)))
        return false;
    setSaveDir(QDir::toNativeSeparators(QDir::cleanPath(path)));
    return true;
}

void SettingsPres::mkSaveDir()
{
    QDir().mkdir(saveDirValue);
}

UserData SettingsPres::renderSettings() const
{
    UserData data;
    data.quality = fullHdValue ? 1 : 0;
    data.saveDir = saveDirValue;
    return data;
}
