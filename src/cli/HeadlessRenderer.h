#pragma once

#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

class Project;

// lumavive-render: renders a project without the window, from the command line:
//   lumavive-render --theme ID [--photo FILE]... [--folder DIR]... [--text TEXT]...
//                   [--music FILE]... [--pace S] [--no-fit] [--no-beat] [--full-hd] -o OUT.mp4
//   lumavive-render PROJECT_FOLDER_OR_PRJ_XML [--beat | --no-beat] [--full-hd] -o OUT.mp4
//   lumavive-render (--theme ID ... | PROJECT) --frame N [--size WxH] -o FRAME.png
//   lumavive-render --list-themes | --help | --version
// Slides follow the order of the --photo, --folder and --text arguments; tracks the --music
// order; the scene plan decides which slides fit. Themes come from "./templates/". Ctrl-C stops
// the render and deletes the partial file.
class HeadlessRenderer
{
public:
    enum ExitCode
    {
        Success = 0,
        RenderFailed = 1,
        BadUsage = 2
    };

    HeadlessRenderer(QTextStream& out, QTextStream& err);
    // `arguments` without the program name.
    int run(const QStringList& arguments);

    static QString usage();

private:
    struct Request;
    bool parse(const QStringList& arguments, Request* request);
    bool buildProject(const Request& request, Project* project);
    bool loadSavedProject(const Request& request, Project* project);
    // The beats of the project's tracks, for its cuts.
    void findBeats(Project* project);
    bool checkTheme(int id);
    bool checkFits(const Project& project, int slides);
    bool checkOutput(const QString& output);
    int listThemes();
    int render(const QSharedPointer<Project>& project, const QString& output);
    int writeFrame(const QSharedPointer<Project>& project, const Request& request);
    // Prints the engine's error messages while connected.
    QMetaObject::Connection reportErrors();
    void fail(const QString& message);

    QTextStream& out;
    QTextStream& err;
};
