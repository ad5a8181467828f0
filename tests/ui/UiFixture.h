#pragma once

class QFileDialog;

#include <QList>
#include <QObject>
#include <QPoint>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <QTranslator>
#include <QUrl>
#include <QVariant>

// The real window with the real presenters, as the program starts it (offscreen in tests, or in
// a virtual X display), driven as a person drives it: mouse presses, moves and releases, keys,
// drops carrying text/uri-list data, and the file chooser answered by typing into it.
class UiFixture
{
public:
    // What the program sets up before its window: names for settings, queued signal types.
    static void prepareApplication();
    UiFixture();
    bool load();
    // With LUMAVIVE_SCREENSHOTS set, saves the window as <folder>/<name>.png.
    void screenshot(const QString& name) const;

    QQuickWindow* window() const;
    QObject* find(const QString& objectName) const;
    QQuickItem* item(const QString& objectName) const;
    // Every item below the window's root whose object name is `objectName`.
    QList<QQuickItem*> items(const QString& objectName) const;
    QString currentScreen() const;
    void navigate(const QString& screen);
    // Clicks the visible, enabled item of that name with the mouse; false when there is none.
    bool click(const QString& objectName, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks a point of an item, given in the item's own coordinates (its centre by default).
    void clickItem(QQuickItem* item, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   QPointF at = QPointF(-1, -1));
    // The first visible button (any control with `clicked`) whose text is `text`.
    QQuickItem* button(const QString& text) const;
    bool clickText(const QString& text);
    // Presses at `from`, moves there in `steps` steps to `to`, holds `holdMs`, releases.
    void drag(QPoint from, QPoint to, int steps = 12, int holdMs = 0);
    // Drags files in from outside (a file manager): enter, move, drop at `at` (window
    // coordinates). True when the window took the drop.
    bool dropFiles(const QList<QUrl>& urls, QPoint at);
    // Answers the open file chooser as a person would: it goes to the folder of the first
    // path and types the names (or, when choosing a folder, the folder's path), then Return.
    bool acceptFileChooser(const QStringList& paths);
    // The file chooser that is open (waiting a while for it to show); null when none is.
    static QFileDialog* openChooser();
    // Answers the open folder chooser with one click on `folder` in its parent's list, then the
    // chooser's accept button: the folder clicked once, not the one shown.
    bool clickFolderInChooser(const QString& folder);
    void typeText(const QString& text);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Waits until every pending event and animation has run.
    static void settle(int ms = 400);

    void waitForStack() const;
    // Speaks `locale` ("de", "fr", ...; "en" for the source texts) from now on.
    bool setLanguage(const QString& locale);
    // Every visible text of what is shown that is cut off or runs out of its box or the window,
    // described; texts marked `showsFullTextOnHover` may elide.
    QStringList textsThatDoNotFit() const;
    // Every item of the window but those of screens being replaced, parents first.
    QList<QQuickItem*> shownItems() const;

private:
    QQmlApplicationEngine engine;
    QTranslator translator;
    QTranslator qtTranslator;
};
