#include "TestDirs.h"
#include "app/TemplatesPres.h"
#include "templates/TemplateCatalog.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestTemplateCatalog : public QObject
{
    Q_OBJECT

    TestDirs dirs;

private slots:
    void initTestCase()
    {
        // The program's catalog, of the folder the program chose.
        TemplateCatalog::use(dirs.file("templates/"));
        for (int id : {1, 2, 3}) {
            writeFile(dirs.file(QStringLiteral("templates/%1/info.xml").arg(id)),
                      QStringLiteral("<info><name>Theme %1</name><preview>http://p/%1</preview>"
                                     "</info>")
                          .arg(id)
                          .toUtf8());
            writeFile(dirs.file(QStringLiteral("templates/%1/template.xml").arg(id)),
                      "<template><scene id='1' bg-type='2' bg-file-name='bg.jpg' frames='30'/>"
                      "</template>");
        }
    }

    void foldersBecomeEntries()
    {
        const QList<TemplateInfo> entries = TemplateCatalog::instance()->entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].id, 1);
        QCOMPARE(entries[2].id, 3);
        QCOMPARE(entries[1].name, QStringLiteral("Theme 2"));
        QCOMPARE(entries[1].preview, QStringLiteral("http://p/2"));
        QCOMPARE(entries[1].thumbPath, dirs.file("templates/2/thumb.jpg"));
        QCOMPARE(entries[1].prjThumbPath, dirs.file("templates/2/thumb-prj.jpg"));
    }

    void oddFolders()
    {
        const QString root = dirs.file("odd/");
        writeFile(root + "extra/info.xml", "<info><name>Extra</name></info>");
        writeFile(root + "4/info.xml", "<info><name>Four</name></info>");
        writeFile(root + "04/info.xml", "<info><name>Also four</name></info>");
        writeFile(root + "5/info.xml", "not xml at all <<<");
        QDir().mkpath(root + "6"); // no info.xml
        writeFile(root + "7/info.xml",
                  "<info><name>First</name><group><name>Later <b>wins</b></name></group></info>");
        TemplateCatalog catalog(root);
        QCOMPARE(catalog.entries().size(), 5);
        QCOMPARE(catalog.entry(0).name, QStringLiteral("Extra"));
        QVERIFY(QStringList({"Four", "Also four"}).contains(catalog.entry(4).name));
        QCOMPARE(catalog.entry(5).name, QString());
        QCOMPARE(catalog.entry(6).name, QString());
        QCOMPARE(catalog.entry(7).name, QStringLiteral("Later wins"));
    }

    void presenterListsAndSelects()
    {
        TemplatesPres* presenter = TemplatesPres::instance();
        const QVariantList list = presenter->templates();
        QCOMPARE(list.size(), 3);
        const QVariantMap first = list[0].toMap();
        QCOMPARE(first.value("id").toInt(), 1);
        QCOMPARE(first.value("name").toString(), QStringLiteral("Theme 1"));
        QCOMPARE(first.value("thumbPath").toString(), "file:" + dirs.file("templates/1/thumb.jpg"));
        QCOMPARE(first.value("preview").toString(), QStringLiteral("http://p/1"));
        QCOMPARE(presenter->selectedId(), 3);
        QCOMPARE(presenter->selected().value("name").toString(), QStringLiteral("Theme 3"));
        QCOMPARE(presenter->entry(2).value("name").toString(), QStringLiteral("Theme 2"));
        QVERIFY(presenter->entry(42).isEmpty());

        QSignalSpy selected(presenter, &TemplatesPres::selectedIdChanged);
        presenter->setSelectedId(3);
        QCOMPARE(selected.count(), 0);
        presenter->setSelectedId(2);
        QCOMPARE(selected.count(), 1);
    }

    void progressIsTruncated()
    {
        TemplatesPres* presenter = TemplatesPres::instance();
        QSignalSpy changed(presenter, &TemplatesPres::downloadProgressChanged);
        presenter->onDownloadProgress(42.9f);
        QCOMPARE(presenter->downloadProgress(), 42);
        QCOMPARE(changed.count(), 1);
    }

    void selectionWithEverythingOnDiskDoesNothing()
    {
        TemplatesPres* presenter = TemplatesPres::instance();
        presenter->setSelectedId(1); // still background only
        QSignalSpy progress(presenter, &TemplatesPres::downloadProgressChanged);
        QSignalSpy downloading(presenter, &TemplatesPres::isDownloadingChanged);
        QSignalSpy downloaded(presenter, &TemplatesPres::templateDownloaded);
        presenter->selectionDone();
        QTest::qWait(50);
        QCOMPARE(progress.count(), 0);
        QCOMPARE(downloading.count(), 0);
        QCOMPARE(downloaded.count(), 0);
        QCOMPARE(presenter->isDownloading(), false);
    }
};

QTEST_MAIN(TestTemplateCatalog)
#include "tst_template_catalog.moc"
