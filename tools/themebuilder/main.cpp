// lumavive-themebuilder: writes Lumavive's own themes from their recipes.
//   lumavive-themebuilder --out DIR [--only ID] [--server-tree DIR] [--without-videos]
//   lumavive-themebuilder --contact-sheet FILE --from DIR
// --server-tree also lays the files out as the theme server serves them
// (DIR/app/1.2.0/themes/<id>/<file>); --without-videos then leaves the installed themes without
// their background videos, so that the program downloads them.
#include "ContactSheet.h"
#include "ThemeBook.h"
#include "ThemeWriter.h"
#include "media/LibavInit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    initLibav();
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();
    const auto value = [&](const QString& option) {
        const int at = args.indexOf(option);
        return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
    };
    if (args.contains("--contact-sheet")) {
        const bool written = writeContactSheet(value("--from"), value("--contact-sheet"));
        out << (written ? "contact sheet written\n" : "no themes to show\n");
        return written ? 0 : 1;
    }
    const QString target = value("--out");
    const QString serverTree = value("--server-tree");
    const int only = value("--only").toInt();
    if (target.isEmpty()) {
        out << "usage: lumavive-themebuilder --out DIR [--only ID] [--server-tree DIR] "
               "[--without-videos]\n";
        return 2;
    }
    QElapsedTimer timer;
    timer.start();
    ThemeWriter writer(target);
    for (const ThemeRecipe& theme : themeBook()) {
        if (only && theme.id != only)
            continue;
        if (!writer.write(theme)) {
            out << "theme " << theme.id << " failed: " << writer.lastError() << "\n";
            return 1;
        }
        const QString folder = target + "/" + QString::number(theme.id);
        if (!serverTree.isEmpty()) {
            const QString served = serverTree + "/app/1.2.0/themes/" + QString::number(theme.id);
            QDir().mkpath(served);
            for (const QString& file : QDir(folder).entryList(QDir::Files)) {
                QFile::remove(served + "/" + file);
                QFile::copy(folder + "/" + file, served + "/" + file);
            }
        }
        if (args.contains("--without-videos"))
            for (const QString& video : QDir(folder).entryList({"*.mp4"}, QDir::Files))
                QFile::remove(folder + "/" + video);
        out << "theme " << theme.id << " \"" << theme.name << "\" "
            << (writer.skipped() ? "unchanged" : "written") << "\n";
        out.flush();
    }
    out << "done in " << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s\n";
    return 0;
}
