#pragma once

#include "engine/PlanPlayer.h"
#include "project/Project.h"
#include "templates/TemplateDescription.h"

#include <QImage>
#include <QObject>
#include <QSharedPointer>
#include <QString>

// Renders one project into one MP4: the plan played by a PlanPlayer at the video's size into
// the encoder, which runs on its own thread (AsyncVideoOutput) and writes the music up to each
// frame's time. stop() and encoder errors may arrive from any thread at any time.
class LibavRender : public QObject
{
    Q_OBJECT
public:
    LibavRender(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                const QString& outputPath);
    ~LibavRender() override;

    // Renders to the end, or until stopped or failed. After a stop or a failure the partial file
    // is deleted. True unless an error occurred (a stop is not an error).
    virtual bool render();
    virtual void stop();

    // Frames the plan will write (overlaps counted once).
    static int totalFrames(const Project& project, const TemplateDescription& theme);

signals:
    // Once per output frame, on the render thread, with the picture just composed and the
    // percentage done. The receiver must be done with the picture when it returns.
    void progress(QSharedPointer<QImage> img, double percent);

public slots:
    void onError();

private:
    QSize outputSize;
    QSharedPointer<Project> project;
    QSharedPointer<TemplateDescription> theme;
    QString outputPath;
    PlanPlayer player;
};
