// Edits a project for ever, the way a busy user does, so that automatic saves follow each other
// as fast as they can: the reliability test kills this process at random moments. Arguments: the
// folder whose "templates" hold the themes, and a few photos. Prints "editing" once the first save
// is done.
#include "app/ProjectPres.h"
#include "app/SlidesListModel.h"
#include "templates/TemplateCatalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QUrl>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    TemplateCatalog::use(args[1] + "/templates/");
    QVariantList urls;
    for (const QString& photo : args.mid(2))
        urls << QUrl::fromLocalFile(photo);

    ProjectPres* project = ProjectPres::instance();
    project->addImages(urls);
    project->addImages(urls);
    project->save();
    std::printf("editing\n");
    std::fflush(stdout);
    for (int step = 0;; ++step) {
        const int rows = SlidesListModel::instance()->rowCount();
        switch (step % 4) {
        case 0:
            project->addTextSlide(QStringLiteral("Step %1 & <more>").arg(step));
            break;
        case 1:
            project->rotate(step % rows, true);
            break;
        case 2:
            project->move({0}, rows - 1);
            break;
        default:
            if (rows > 12)
                project->removeSlide(rows - 1);
            break;
        }
        project->save();
        QCoreApplication::processEvents();
    }
}
