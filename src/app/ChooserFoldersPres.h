#pragma once

#include <QObject>
#include <QSettings>
#include <QUrl>
#include <QVariant>

// Where the file choosers open ("chooserFolders" in QML): photos in the Pictures folder and
// music in the Music folder at first, then wherever the person last took files from, across
// restarts (kept in the settings store under "choosers/").
class ChooserFoldersPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl photos READ photos NOTIFY changed)
    Q_PROPERTY(QUrl music READ music NOTIFY changed)
public:
    static ChooserFoldersPres* instance();

    QUrl photos() const { return folder(QStringLiteral("photos")); }
    QUrl music() const { return folder(QStringLiteral("music")); }
    // A chooser of `kind` ("photos" or "music") gave `urls` (files, or one folder chosen whole):
    // the folder they lie in is where it opens next.
    Q_INVOKABLE void chosen(const QString& kind, const QVariant& urls);

signals:
    void changed();

private:
    explicit ChooserFoldersPres(QObject* parent = nullptr);
    QUrl folder(const QString& kind) const;

    QSettings settings;
};
