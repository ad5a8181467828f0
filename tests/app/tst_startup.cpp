#include "TestDirs.h"
#include "app/Translations.h"

#include <QProcess>
#include <QTranslator>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

    TestDirs dirs;

private slots:
    void catalogueFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("loads");
        QTest::newRow("German, Germany") << "de_DE" << true;
        QTest::newRow("German, Austria") << "de_AT" << true;
        QTest::newRow("German") << "de" << true;
        QTest::newRow("Dutch has no catalogue") << "nl_NL" << false;
    }
    void catalogueFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(bool, loads);
        QTranslator translator;
        QCOMPARE(Translations::load(translator, locale), loads);
        if (loads) {
            const QString german = translator.translate(
                "SettingsPres",
                "Please select another Result Directory. Can't create output file in");
            QVERIFY(german.startsWith(QStringLiteral("Bitte")));
        }
    }

    void programShowsItsWindowAndQuitsCleanly()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LUMAVIVE_AUTOQUIT_MS", "1500");
        // Under the sanitizer build: full stacks, so that the suppressions for Qt's own platform
        // plugin leaks can match.
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":fast_unwind_on_malloc=0");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dirs.path());
        program.start(QStringLiteral(LUMAVIVE_PROGRAM), QStringList());
        QVERIFY(program.waitForFinished(60000));
        const QByteArray log = program.readAllStandardError();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, log.constData());
        // QML problems are logged with the document's URL.
        QVERIFY2(!log.contains("qrc:/"), log.constData());
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
