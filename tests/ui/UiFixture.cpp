#include "UiFixture.h"

#include "app/AppWiring.h"
#include "app/Translations.h"
#include "base/SharedTypes.h"
#include "images/ThumbGeneratorTask.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QQuickStyle>
#include <QTest>

void UiFixture::prepareApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Merrowdale"));
    QCoreApplication::setApplicationName(QStringLiteral("Lumavive"));
    registerSharedMetaTypes();
    registerThumbGeneratorTask();
}

void UiFixture::screenshot(const QString& name) const
{
    const QString folder = qEnvironmentVariable("LUMAVIVE_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    settle(600);
    const QImage shot = window()->grabWindow();
    if (!shot.save(folder + QLatin1Char('/') + name + QStringLiteral(".png")))
        qWarning("screenshot %s failed (%dx%d)", qPrintable(name), shot.width(), shot.height());
}

UiFixture::UiFixture()
{
    QQuickStyle::setStyle(QStringLiteral("qrc:/UiStyle"));
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    AppWiring::wire(engine, 1.0);
}

bool UiFixture::load()
{
    engine.load(QUrl(QStringLiteral("qrc:/main.qml")));
    if (engine.rootObjects().isEmpty())
        return false;
    // The screens load asynchronously behind the splash: ready once the window knows its stack.
    QObject* root = engine.rootObjects().value(0);
    const auto ready = [&] {
        return root->property("stackView").value<QObject*>() != nullptr &&
               find(QStringLiteral("themesScreen")) != nullptr;
    };
    for (int waited = 0; waited < 20000 && !ready(); waited += 50)
        QTest::qWait(50);
    if (!window())
        return false;
    window()->requestActivate();
    const bool exposed = QTest::qWaitForWindowExposed(window());
    settle();
    return exposed && ready();
}

QQuickWindow* UiFixture::window() const
{
    return qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
}

QList<QQuickItem*> UiFixture::shownItems() const
{
    QList<QQuickItem*> all;
    const QQuickWindow* root = window();
    if (!root)
        return all;
    // A screen on its way out stays in the stack until its transition is over: only the
    // current one counts.
    const auto* stack = engine.rootObjects().value(0)->property("stackView").value<QQuickItem*>();
    const auto* current = stack ? stack->property("currentItem").value<QQuickItem*>() : nullptr;
    // From the window's root item: screens and the pop-up overlay both hang below it.
    QQuickItem* top = root->contentItem();
    while (top->parentItem())
        top = top->parentItem();
    QList<QQuickItem*> pending = {top};
    while (!pending.isEmpty()) {
        QQuickItem* item = pending.takeFirst();
        if (current && item->parentItem() == stack && item != current)
            continue;
        all << item;
        pending << item->childItems();
    }
    return all;
}

QList<QQuickItem*> UiFixture::items(const QString& objectName) const
{
    QList<QQuickItem*> found;
    for (QQuickItem* item : shownItems())
        if (item->objectName() == objectName)
            found << item;
    return found;
}

QQuickItem* UiFixture::item(const QString& objectName) const
{
    // Prefer the visible one: a screen on its way out may still hold a namesake.
    const QList<QQuickItem*> all = items(objectName);
    for (QQuickItem* candidate : all)
        if (candidate->isVisible())
            return candidate;
    return all.value(0);
}

QObject* UiFixture::find(const QString& objectName) const
{
    QObject* root = engine.rootObjects().value(0);
    if (!root)
        return nullptr;
    if (QQuickItem* found = item(objectName))
        return found;
    return root->findChild<QObject*>(objectName);
}

QString UiFixture::currentScreen() const
{
    return engine.rootObjects().value(0)->property("currentComponent").toString();
}

void UiFixture::navigate(const QString& screen)
{
    QMetaObject::invokeMethod(engine.rootObjects().value(0), "navigate", Q_ARG(QVariant, screen));
    settle();
    waitForStack();
}

void UiFixture::waitForStack() const
{
    // A screen in transition takes no input, as for a person.
    const QObject* stack = engine.rootObjects().value(0)->property("stackView").value<QObject*>();
    for (int waited = 0; stack && stack->property("busy").toBool() && waited < 5000; waited += 20)
        QTest::qWait(20);
}

void UiFixture::clickItem(QQuickItem* item, Qt::KeyboardModifiers modifiers, QPointF at)
{
    waitForStack();
    const QPointF local = at.x() < 0 ? QPointF(item->width() / 2, item->height() / 2) : at;
    const QPoint point = item->mapToScene(local).toPoint();
    QTest::mouseMove(window(), point);
    QTest::qWait(30);
    QTest::mousePress(window(), Qt::LeftButton, modifiers, point);
    QTest::qWait(30);
    QTest::mouseRelease(window(), Qt::LeftButton, modifiers, point);
}

bool UiFixture::click(const QString& objectName, Qt::KeyboardModifiers modifiers)
{
    QQuickItem* target = item(objectName);
    if (!target || !target->isVisible() || !target->isEnabled())
        return false;
    clickItem(target, modifiers);
    settle();
    return true;
}

QQuickItem* UiFixture::button(const QString& text) const
{
    for (QQuickItem* item : shownItems())
        if (item->isVisible() && item->property("text").toString() == text &&
            item->metaObject()->indexOfSignal("clicked()") >= 0)
            return item;
    return nullptr;
}

bool UiFixture::clickText(const QString& text)
{
    QQuickItem* target = button(text);
    if (!target || !target->isEnabled())
        return false;
    clickItem(target);
    settle();
    return true;
}

void UiFixture::drag(QPoint from, QPoint to, int steps, int holdMs)
{
    QTest::mouseMove(window(), from);
    QTest::mousePress(window(), Qt::LeftButton, Qt::NoModifier, from);
    for (int i = 1; i <= steps; ++i) {
        QTest::mouseMove(window(), from + (to - from) * i / steps);
        QTest::qWait(15);
    }
    if (holdMs > 0)
        QTest::qWait(holdMs);
    QTest::mouseRelease(window(), Qt::LeftButton, Qt::NoModifier, to);
    settle();
}

bool UiFixture::dropFiles(const QList<QUrl>& urls, QPoint at)
{
    QMimeData data;
    data.setUrls(urls); // text/uri-list, as file managers send it
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(window(), &leave);
        settle();
        return false;
    }
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &drop);
    settle();
    return drop.isAccepted();
}

QFileDialog* UiFixture::openChooser()
{
    for (int waited = 0; waited < 10000; waited += 50) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(widget))
                if (dialog->isVisible())
                    return dialog;
        QTest::qWait(50);
    }
    for (QWidget* widget : QApplication::topLevelWidgets())
        qWarning("top-level widget: %s visible %d", widget->metaObject()->className(),
                 widget->isVisible());
    for (QWindow* window : QGuiApplication::topLevelWindows())
        qWarning("top-level window: %s visible %d", window->metaObject()->className(),
                 window->isVisible());
    return nullptr;
}

bool UiFixture::acceptFileChooser(const QStringList& paths)
{
    QFileDialog* dialog = openChooser();
    if (!dialog || paths.isEmpty())
        return false;
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!name)
        return false;
    QString typed;
    if (dialog->fileMode() == QFileDialog::Directory) {
        typed = paths.first();
    } else {
        dialog->setDirectory(QFileInfo(paths.first()).absolutePath());
        QTest::qWait(100);
        for (const QString& path : paths)
            typed += QStringLiteral("\"%1\" ").arg(QFileInfo(path).fileName());
        typed = paths.size() == 1 ? QFileInfo(paths.first()).fileName() : typed.trimmed();
    }
    // A person types into the chooser in front, its name field focused (the chooser keeps what
    // typing selects on the way only while the field has no focus).
    // (Offscreen, and with no window manager, no window becomes active by asking.)
    QApplication::setActiveWindow(dialog);
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, typed);
    QTest::keyClick(name, Qt::Key_Return);
    for (int waited = 0; waited < 5000 && dialog->isVisible(); waited += 50)
        QTest::qWait(50);
    settle();
    return !dialog->isVisible();
}

bool UiFixture::clickFolderInChooser(const QString& folder)
{
    QFileDialog* dialog = openChooser();
    auto* list = dialog ? dialog->findChild<QListView*>(QStringLiteral("listView")) : nullptr;
    auto* files = dialog ? dialog->findChild<QFileSystemModel*>() : nullptr;
    auto* buttons = dialog ? dialog->findChild<QDialogButtonBox*>() : nullptr;
    if (!list || !files || !buttons)
        return false;
    dialog->setDirectory(QFileInfo(folder).absolutePath());
    // The list fills as the folder is read.
    QRect rect;
    for (int waited = 0; waited < 5000 && rect.isEmpty(); waited += 50) {
        QTest::qWait(50);
        QModelIndex row = files->index(folder);
        if (dialog->proxyModel())
            row = dialog->proxyModel()->mapFromSource(row);
        rect = list->visualRect(row);
    }
    if (rect.isEmpty())
        return false;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::qWait(100);
    QPushButton* choose = buttons->button(QDialogButtonBox::Open);
    if (!choose)
        return false;
    QTest::mouseClick(choose, Qt::LeftButton);
    for (int waited = 0; waited < 5000 && dialog->isVisible(); waited += 50)
        QTest::qWait(50);
    settle();
    return !dialog->isVisible();
}

void UiFixture::typeText(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(window(), c.toLatin1());
}

void UiFixture::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // A person types into the window in front; a file chooser that just closed may have left
    // none active (no window manager here), and window shortcuts need one.
    if (QGuiApplication::focusWindow() != window()) {
        window()->requestActivate();
        (void)QTest::qWaitForWindowActive(window(), 2000);
    }
    QTest::keyClick(window(), key, modifiers);
}

bool UiFixture::setLanguage(const QString& locale)
{
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::removeTranslator(&qtTranslator);
    if (locale != QLatin1String("en")) {
        if (!Translations::load(translator, locale))
            return false;
        QCoreApplication::installTranslator(&translator);
        if (Translations::loadQt(qtTranslator, locale))
            QCoreApplication::installTranslator(&qtTranslator);
    }
    engine.retranslate();
    settle();
    return true;
}

// Visible on screen: the item and all its parents, with some opacity.
static bool shown(const QQuickItem* item)
{
    for (; item; item = item->parentItem())
        if (!item->isVisible() || item->opacity() <= 0.01)
            return false;
    return true;
}

QStringList UiFixture::textsThatDoNotFit() const
{
    QStringList problems;
    const double windowWidth = window()->width();
    for (QQuickItem* item : shownItems()) {
        if (!item->inherits("QQuickText") || !shown(item))
            continue;
        const QString text = item->property("text").toString();
        if (text.trimmed().isEmpty())
            continue;
        const bool mayElide =
            item->property("showsFullTextOnHover").toBool() ||
            (item->parentItem() && item->parentItem()->property("showsFullTextOnHover").toBool());
        const double contentWidth = item->property("contentWidth").toDouble();
        const bool wraps = item->property("wrapMode").toInt() != 0;
        QString why;
        if (item->property("truncated").toBool() && !mayElide)
            why = QStringLiteral("cut off");
        else if (!wraps && contentWidth > item->width() + 1 && !mayElide)
            why =
                QStringLiteral("wider than its box (%1 > %2)").arg(contentWidth).arg(item->width());
        const double shownWidth = qMin(contentWidth, item->width());
        const QPointF left = item->mapToScene(QPointF(0, 0));
        if (why.isEmpty() && (left.x() < -1 || left.x() + shownWidth > windowWidth + 1))
            why = QStringLiteral("outside the window (x %1 to %2)")
                      .arg(left.x())
                      .arg(left.x() + shownWidth);
        if (!why.isEmpty())
            problems << QStringLiteral("\"%1\": %2").arg(text.left(60), why);
    }
    return problems;
}

void UiFixture::settle(int ms)
{
    QTest::qWait(ms);
}
