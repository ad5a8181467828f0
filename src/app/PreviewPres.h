#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>

class PreviewPlayer;
class Project;

// The editor's preview pane ("preview" in QML): Play opens it and plays the project from the
// selected slide at the pane's size, Play again pauses and resumes, a clicked slide plays from
// there, the scrub bar jumps to the scene under the pointer, Esc closes. An edit of the slide
// list, the music or the theme pauses the preview; the next Play shows every edit (a turned photo
// too) from the scene that was showing. GUI thread only.
class PreviewPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool open READ isOpen NOTIFY stateChanged)
    Q_PROPERTY(bool playing READ isPlaying NOTIFY stateChanged)
    // "0:12 / 1:30": the frame on screen and the whole video.
    Q_PROPERTY(QString timeText READ timeText NOTIFY positionChanged)
    // Where the frame on screen is in the video, 0 to 1.
    Q_PROPERTY(double position READ position NOTIFY positionChanged)
    // Why there is no sound; empty when there is nothing to say.
    Q_PROPERTY(QString note READ note NOTIFY noteChanged)
public:
    static PreviewPres* instance();

    PreviewPlayer* player() const { return engine; }
    bool isOpen() const;
    bool isPlaying() const;
    QString timeText() const;
    double position() const;
    QString note() const;
    QImage frame() const;

    // The pane's picture area in device pixels: the size the next play composes at.
    void setViewSize(QSize pixels);
    QSize playSize() const { return composeSize; }
    // 16:9 within `pixels`, from 640x360 to 1280x720, even sides.
    static QSize sizeFor(QSize pixels);

    // Play and Space: opens and plays from the first selected slide, pauses, resumes.
    Q_INVOKABLE void togglePlay(const QList<int>& selection);
    // A click on a slide's tile: while the pane is open, plays from that slide's scene.
    Q_INVOKABLE void slideClicked(int index);
    // A click on the scrub bar: plays from the scene at that point (0 to 1) of the video.
    Q_INVOKABLE void seekTo(double fraction);
    Q_INVOKABLE void close();
    // Plays a theme from its start with the sample pictures it comes with (its tile picture when
    // it has none) and a title, for the themes screen's Preview. False when the theme cannot be
    // read.
    Q_INVOKABLE bool playTheme(int themeId);

signals:
    void stateChanged();
    void positionChanged();
    void noteChanged();
    void frameChanged();

private:
    explicit PreviewPres(QObject* parent = nullptr);
    void playFrom(int entry);
    void projectEdited();
    // The plan entry showing slide `index` of the project; 0 for a slide the video leaves out.
    int entryOfSlide(int index) const;
    // The plan entry whose scene starts last at or before `frame`.
    int entryAtFrame(int frame) const;

    // What the video is made of: theme, slides (with their turns and texts), music.
    static QStringList contentOf(const Project& project);
    // Whether the project changed since the preview's copy was made.
    bool edited() const;

    PreviewPlayer* engine;
    QSize composeSize{640, 360};
    bool stale = false;        // an edit was announced since the copy was made
    QStringList played;        // contentOf() the copy
    bool showingTheme = false; // a theme's samples play, not the project
};
