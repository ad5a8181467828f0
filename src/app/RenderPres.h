#pragma once

#include "base/SharedTypes.h"

#include <QObject>
#include <QString>

class RenderController;

// The render as QML sees it ("render"): starts and stops renders of the current project, names
// the output file, and shows the progress and a preview; plays the result and opens its folder.
// GUI thread.
class RenderPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRendering READ isRendering WRITE setIsRendering NOTIFY isRenderingChanged)
    Q_PROPERTY(int progress READ progress WRITE setProgress NOTIFY progressChanged)
    Q_PROPERTY(QString preview READ preview WRITE setPreview NOTIFY previewChanged)
    // Why the last render failed, as the rendering screen shows it; empty while none did.
    Q_PROPERTY(QString failure READ failure NOTIFY failureChanged)
public:
    static RenderPres* instance();

    bool isRendering() const { return rendering; }
    void setIsRendering(bool value);
    int progress() const { return percent; }
    void setProgress(int value);
    QString preview() const { return previewId; }
    void setPreview(const QString& value);
    QString resultPath() const { return result; }
    QString failure() const { return failureText; }

    // "slideshow_yyyy.MM.dd_hh.mm.mp4" in `folder`; when that file exists already (two renders in
    // one minute), a counter goes before ".mp4" so that nothing is overwritten.
    // A titled project names its videos itself ("Summer in Rome.mp4"), as far as file names allow.
    static QString outputPathIn(const QString& folder, const QDateTime& when,
                                const QString& title = QString());
    // The title as a file name: separators and reserved characters made "_", at most 100.
    static QString fileNameOf(const QString& title);

    // True when the render thread started. False when the result folder cannot be written (after
    // a message), when photos of the project are missing (after photosMissing), or when a render
    // is already running: the caller stays where it is.
    Q_INVOKABLE bool start();
    // The steps from the settings screen to a video, each answering the screen the window shows
    // next, or nothing to stay where it is (the reason was told):
    // "Make Movie": the downloading screen while the theme's videos are still on their way (their
    // arrival starts the render), else the rendering screen once the render started.
    Q_INVOKABLE QString makeVideo();
    // "Remove and Make Video": the missing photos go; back to the editor when no slide is left.
    Q_INVOKABLE QString makeVideoWithoutMissing();
    // The theme's videos arrived while the screen named `shownScreen` (an object name) was shown:
    // the render starts only for a person waiting on the downloading screen, and a render that
    // cannot start sends them to the settings screen, which says why.
    Q_INVOKABLE QString downloadArrived(const QString& shownScreen);
    Q_INVOKABLE void stop();
    // Stops a running render and waits for its thread: the partial file is gone on return.
    // For leaving the program; announces nothing but isRenderingChanged.
    void stopAndWait();
    Q_INVOKABLE void play();
    Q_INVOKABLE void openFolder();

signals:
    void isRenderingChanged();
    void progressChanged();
    void previewChanged();
    void done();
    void error();
    void stopped();
    void failureChanged();
    // Photos that can no longer be read, found when a render was asked for; nothing started.
    void photosMissing(QStringList paths);

public slots:
    void onProgress(float value);
    void onPreview(QSharedPointer<QImage> image);
    void onDone();
    void onError();
    void onStopped();
    // A message of the program's while a render runs: the failure, should the render fail.
    void onReported(const QString& message);

private:
    explicit RenderPres(QObject* parent = nullptr);
    void finishRendering();
    void clearProgress();

    bool rendering = false;
    int percent = 0;
    QString previewId;
    QString result;
    QStringList reported;
    QString failureText;
    RenderController* controller = nullptr;
};
