#include "TestDirs.h"
#include "app/ImageProvider.h"
#include "app/ImgSlidePres.h"
#include "app/SlideGridPres.h"
#include "app/SlidesListModel.h"
#include "app/TextSlidePres.h"
#include "images/ThumbGenerator.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class TestSlidesModel : public QObject
{
    Q_OBJECT

    TestDirs dirs;
    SlidesListModel* model = SlidesListModel::instance();

    void fill(const QStringList& texts)
    {
        while (model->rowCount() > 0)
            model->remove(0);
        for (const QString& text : texts)
            model->append(new TextSlidePres(QSharedPointer<TextSlide>::create(text)));
    }

    QStringList texts() const
    {
        QStringList result;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QVariant text = model->data(model->index(row), SlidesListModel::TextRole);
            result << (model->data(model->index(row), SlidesListModel::TypeRole).toInt() == 1
                           ? QStringLiteral("|")
                           : text.toString());
        }
        return result;
    }

private slots:
    void initTestCase()
    {
        new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest,
                                     this);
        QCOMPARE(model->roleNames().value(257), QByteArray("type"));
        QCOMPARE(model->roleNames().value(258), QByteArray("imgId"));
        QCOMPARE(model->roleNames().value(259), QByteArray("text"));
    }

    // The grid's selection: clicks with and without Ctrl and Shift, and keys, from nothing
    // selected, over "a b c d | e f" (4 tiles to a line). Steps: c<row> click, C ctrl+click,
    // S shift+click, or a key name with S+ / C+ for Shift and Ctrl.
    void selectionFollowsClicksAndKeys_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("selected");
        QTest::addColumn<QString>("current");
        QTest::newRow("click") << QStringList{"c1", "c2"} << QStringList{"c"} << "c";
        QTest::newRow("ctrl toggles")
            << QStringList{"c0", "C2", "C3", "C2"} << QStringList{"a", "d"} << "c";
        QTest::newRow("shift range")
            << QStringList{"c1", "S3"} << QStringList{"b", "c", "d"} << "d";
        QTest::newRow("range over the separator")
            << QStringList{"c2", "S6"} << QStringList{"c", "d", "e", "f"} << "f";
        QTest::newRow("separator not clickable")
            << QStringList{"c0", "c4"} << QStringList{"a"} << "a";
        QTest::newRow("first key picks the first")
            << QStringList{"Right"} << QStringList{"a"} << "a";
        QTest::newRow("arrows skip the separator")
            << QStringList{"c3", "Right"} << QStringList{"e"} << "e";
        QTest::newRow("down a line") << QStringList{"c0", "Down"} << QStringList{"e"} << "e";
        QTest::newRow("shift arrows")
            << QStringList{"c1", "S+Right", "S+Right"} << QStringList{"b", "c", "d"} << "d";
        QTest::newRow("ends") << QStringList{"c2", "End", "S+Home"}
                              << QStringList{"a", "b", "c", "d", "e", "f"} << "a";
        QTest::newRow("all") << QStringList{"c2", "C+A"}
                             << QStringList{"a", "b", "c", "d", "e", "f"} << "c";
        QTest::newRow("escape") << QStringList{"c2", "Escape"} << QStringList{} << QString();
    }

    void selectionFollowsClicksAndKeys()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, selected);
        QFETCH(QString, current);
        fill({"a", "b", "c", "d", "e", "f"});
        model->placeSeparator(4, 6);
        SlideGridPres grid(model);
        const QMap<QString, int> keys{{"Right", Qt::Key_Right}, {"Down", Qt::Key_Down},
                                      {"Home", Qt::Key_Home},   {"End", Qt::Key_End},
                                      {"A", Qt::Key_A},         {"Escape", Qt::Key_Escape}};
        for (QString step : steps) {
            const QChar kind = step[0];
            if (step.size() <= 2 && step[1].isDigit()) {
                const int row = step.mid(1).toInt();
                const int modifiers = kind == 'C'   ? Qt::ControlModifier
                                      : kind == 'S' ? Qt::ShiftModifier
                                                    : Qt::NoModifier;
                grid.press(row, modifiers);
                grid.click(row, modifiers);
                continue;
            }
            int modifiers = Qt::NoModifier;
            if (step.startsWith("S+"))
                modifiers = Qt::ShiftModifier;
            if (step.startsWith("C+"))
                modifiers = Qt::ControlModifier;
            step = step.section('+', -1);
            QVERIFY2(grid.key(keys.value(step), modifiers, 4), qPrintable(step));
        }
        QStringList shown;
        for (int row : grid.selectedRows())
            shown << texts()[row];
        QCOMPARE(shown, selected);
        QCOMPARE(grid.currentRow() < 0 ? QString() : texts()[grid.currentRow()], current);
    }

    void moveKeepsTheSelectionsOrder_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("before a row")
            << QList<int>{4, 1} << 3 << QStringList{"a", "c", "b", "e", "d"};
        QTest::newRow("onto a moved row")
            << QList<int>{0, 2} << 2 << QStringList{"b", "a", "c", "d", "e"};
        QTest::newRow("past the end")
            << QList<int>{0, 2} << 6 << QStringList{"b", "d", "e", "a", "c"};
        QTest::newRow("to the top") << QList<int>{3} << 0 << QStringList{"d", "a", "b", "c", "e"};
    }
    void moveKeepsTheSelectionsOrder()
    {
        QFETCH(QList<int>, rows);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        fill({"a", "b", "c", "d", "e"});
        model->move(rows, to);
        QCOMPARE(texts(), expected);
    }

    void wrongRowKindsAreLeftAlone()
    {
        fill({"text"});
        model->append(
            new ImgSlidePres(QSharedPointer<ImgSlide>::create(dirs.file("none.jpg")), 1.0));
        model->placeSeparator(1, 2);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        model->setText(2, "x"); // image row
        model->setText(1, "x"); // separator
        model->rotate(0, true); // text row
        model->rotate(1, true); // separator
        model->setText(99, "x");
        QCOMPARE(changed.count(), 0);
        QVERIFY(!model->data(model->index(2), SlidesListModel::TextRole).isValid());
        QVERIFY(!model->data(model->index(7), SlidesListModel::TypeRole).isValid());
        QVERIFY(!model->data(model->index(0), Qt::DisplayRole).isValid());

        // A text row's new text is announced for its role, so that its tile shows it.
        model->setText(0, "  spaced  ");
        QCOMPARE(model->data(model->index(0), SlidesListModel::TextRole).toString(),
                 QStringLiteral("  spaced  "));
        QVector<int> roles;
        for (const QList<QVariant>& signal : changed)
            roles += signal.at(2).value<QVector<int>>();
        QVERIFY(roles.contains(SlidesListModel::TextRole));
    }

    void sharedPhotosTakeTheSameResult()
    {
        fill({});
        ThumbGenerator::instance()->pause();
        const QString path = dirs.file("shared.jpg");
        auto* first = new ImgSlidePres(QSharedPointer<ImgSlide>::create(path), 1.0);
        auto* second = new ImgSlidePres(QSharedPointer<ImgSlide>::create(path), 1.0);
        auto* other = new ImgSlidePres(QSharedPointer<ImgSlide>::create(path), 2.0);
        model->append(first);
        model->append(second);
        model->append(other);
        QImage picture(150, 150, QImage::Format_RGB32);
        picture.fill(Qt::red);
        emit ThumbGenerator::instance()->generated({path, 150, 150},
                                                   QSharedPointer<QImage>::create(picture));
        QVERIFY(first->imgId() != ImageProvider::kStubId);
        QVERIFY(second->imgId() != ImageProvider::kStubId);
        QVERIFY(first->imgId() != second->imgId());
        QCOMPARE(other->imgId(), ImageProvider::kStubId); // another size: not its result
        QSize size;
        QCOMPARE(
            ImageProvider::instance()->requestImage(first->imgId(), &size, {}).pixelColor(5, 5),
            QColor(Qt::red));
        // A better thumbnail replaces the first one, which is released: a project's grid keeps
        // one picture per row however often thumbnails arrive.
        const QString replaced = first->imgId();
        picture.fill(Qt::green);
        emit ThumbGenerator::instance()->generated({path, 150, 150},
                                                   QSharedPointer<QImage>::create(picture));
        QVERIFY(first->imgId() != replaced);
        QVERIFY(ImageProvider::instance()->requestImage(replaced, &size, {}).isNull());
        QCOMPARE(
            ImageProvider::instance()->requestImage(first->imgId(), &size, {}).pixelColor(5, 5),
            QColor(Qt::green));
        fill({}); // the rows go, their queued requests are cancelled
        ThumbGenerator::instance()->resume();
    }

    void turningBeforeTheThumbnailArrives()
    {
        fill({});
        ThumbGenerator::instance()->pause();
        const QString path = dirs.file("late.png");
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        auto slide = QSharedPointer<ImgSlide>::create(path);
        auto* row = new ImgSlidePres(slide, 1.0);
        model->append(row);
        model->rotate(0, true);
        QCOMPARE(slide->rotation(), 1);
        QCOMPARE(row->imgId(), ImageProvider::kStubId);
        emit ThumbGenerator::instance()->generated(row->task(),
                                                   QSharedPointer<QImage>::create(picture));
        QSize size;
        QCOMPARE(ImageProvider::instance()->requestImage(row->imgId(), &size, {}).size(),
                 QSize(20, 40));
        const QString before = row->imgId();
        model->rotate(0, false);
        QCOMPARE(slide->rotation(), 0);
        QVERIFY(row->imgId() != before);
        QCOMPARE(ImageProvider::instance()->requestImage(row->imgId(), &size, {}).size(),
                 QSize(40, 20));
        fill({});
        ThumbGenerator::instance()->resume();
    }

    void themeLookChangesTextThumbnails()
    {
        fill({});
        auto slide = QSharedPointer<TextSlide>::create("Hello");
        auto* row = new TextSlidePres(slide);
        model->append(row);
        const QString plain = row->imgId();
        auto look = QSharedPointer<TextObject>::create();
        look->font = QFont("Serif");
        look->color = Qt::red;
        slide->setMedia(look); // no slide background: nothing changes
        QCOMPARE(row->imgId(), plain);

        QImage background(200, 100, QImage::Format_RGB32);
        background.fill(Qt::darkGreen);
        QVERIFY(background.save(dirs.file("slide-bg.png")));
        look->slideBackground = dirs.file("slide-bg.png");
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        slide->setMedia(look);
        QVERIFY(row->imgId() != plain);
        QCOMPARE(changed.count(), 1);
        QSize size;
        QCOMPARE(ImageProvider::instance()->requestImage(row->imgId(), &size, {}).size(),
                 QSize(200, 100));
        QVERIFY(ImageProvider::instance()->requestImage(plain, &size, {}).isNull()); // released
    }
};

QTEST_MAIN(TestSlidesModel)
#include "tst_slides_model.moc"
