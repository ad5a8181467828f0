#include "TestDirs.h"
#include "app/AppSettingsPres.h"
#include "app/SettingsPres.h"
#include "base/CommonError.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT

    TestDirs dirs;

    static int probe(const QString& operation, const QString& name)
    {
        return QProcess::execute(QStringLiteral(SETTINGS_PROBE), {operation, name});
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
        QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    }

    void startsFromTheDefaults()
    {
        SettingsPres* settings = SettingsPres::instance();
        QCOMPARE(settings->fullHd(), false);
        const QString movies = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
        QCOMPARE(settings->saveDir(), QDir::toNativeSeparators(movies) + "/Lumavive");
        const UserData data = settings->renderSettings();
        QCOMPARE(data.quality, 0);
        QCOMPARE(data.saveDir, settings->saveDir());
    }

    void notificationsFollowTheirRules()
    {
        SettingsPres* settings = SettingsPres::instance();
        QSignalSpy fullHdSpy(settings, &SettingsPres::fullHdChanged);
        QSignalSpy saveDirSpy(settings, &SettingsPres::saveDirChanged);
        settings->setFullHd(false);
        QCOMPARE(fullHdSpy.count(), 0);
        settings->setFullHd(true);
        QCOMPARE(fullHdSpy.count(), 1);
        QCOMPARE(settings->renderSettings().quality, 1);
        settings->setFullHd(false);

        const QString same = settings->saveDir();
        settings->setSaveDir(same);
        QCOMPARE(saveDirSpy.count(), 1);
    }

    void existingFolderReadsCanonical()
    {
        SettingsPres* settings = SettingsPres::instance();
        QDir().mkpath(dirs.file("real/videos"));
        QVERIFY(QFile::link(dirs.file("real/videos"), dirs.file("link")));
        settings->setSaveDir(dirs.file("link"));
        QCOMPARE(settings->saveDir(), QDir(dirs.file("real/videos")).canonicalPath());
        // The render takes the folder as the user chose it, not its canonical form.
        QCOMPARE(settings->renderSettings().saveDir, dirs.file("link"));

        settings->setSaveDir(dirs.file("not/there"));
        QCOMPARE(settings->saveDir(), dirs.file("not/there"));
    }

    void mkSaveDirCreatesOneLevel()
    {
        SettingsPres* settings = SettingsPres::instance();
        settings->setSaveDir(dirs.file("results"));
        settings->mkSaveDir();
        QVERIFY(QDir(dirs.file("results")).exists());
        settings->setSaveDir(dirs.file("deep/er/results"));
        settings->mkSaveDir();
        QVERIFY(!QDir(dirs.file("deep")).exists());
    }

    void writableFolderPassesAndStaysClean()
    {
        QDir().mkpath(dirs.file("writable"));
        QSignalSpy errors(CommonError::instance(), &CommonError::problem);
        QVERIFY(SettingsPres::instance()->checkSaveDirPermission(dirs.file("writable")));
        QCOMPARE(errors.count(), 0);
        QCOMPARE(QDir(dirs.file("writable"))
                     .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }

    void unwritableFolderFailsWithTheMessage()
    {
        const QString folder = unwritablePath(dirs);
        QSignalSpy errors(CommonError::instance(), &CommonError::problem);
        QVERIFY(!SettingsPres::instance()->checkSaveDirPermission(folder));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("The result folder cannot be used"));
        QCOMPARE(errors.at(0).at(1).toString(),
                 QStringLiteral("Please select another Result Directory. Can't create output "
                                "file in \"") +
                     folder + "\".");
        QVERIFY(!QFileInfo::exists(folder));
    }

    void flagsSurviveARestart()
    {
        QCOMPARE(probe("contains", "x"), 1);
        QCOMPARE(probe("set", "x"), 0);
        QCOMPARE(probe("contains", "x"), 0);
        QVERIFY(AppSettingsPres::instance()->contains("x"));
        QCOMPARE(probe("remove", "x"), 0);
        QCOMPARE(probe("contains", "x"), 1);

        AppSettingsPres::instance()->set("dontShowPopupLeave");
        QCOMPARE(probe("contains", "dontShowPopupLeave"), 0);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
