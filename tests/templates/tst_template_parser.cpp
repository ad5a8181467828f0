#include "TestDirs.h"
#include "base/CommonError.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QtTest>

namespace {

QSharedPointer<TemplateDescription> parse(const QByteArray& xml, int id = 5)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return TemplateParser::parse(&buffer, id);
}

QSharedPointer<ImgScene> imageScene(const QSharedPointer<TemplateDescription>& t, int id)
{
    return t->scenes->value(id).dynamicCast<ImgScene>();
}

QSharedPointer<TextScene> textScene(const QSharedPointer<TemplateDescription>& t, int id)
{
    return t->scenes->value(id).dynamicCast<TextScene>();
}

} // namespace

class TestTemplateParser : public QObject
{
    Q_OBJECT

private slots:
    void templateAttributesAndDefaults()
    {
        auto t = parse("<template/>");
        QCOMPARE(t->id, 5);
        QCOMPARE(t->fadeIn, 0);
        QCOMPARE(t->fadeOut, 0);
        QCOMPARE(t->sceneOverflow, 0);
        QCOMPARE(t->textMaxSize, 70);
        QVERIFY(t->scenes->isEmpty());

        t = parse("<template fade-in='10' fade-out='12' scene-overflow='15' text-max-size='x'/>");
        QCOMPARE(t->fadeIn, 10);
        QCOMPARE(t->fadeOut, 12);
        QCOMPARE(t->sceneOverflow, 15);
        QCOMPARE(t->textMaxSize, 0); // unparsable numbers read as 0
    }

    void sceneAttributes()
    {
        auto t = parse("<template>"
                       "<scene id='7' frames='150' bg-hd-file-name='7-hd.mp4'/>"
                       "<scene id='8' type='2' frames='90' bg-type='2' bg-file-name='still.jpg'/>"
                       "<scene id='9' type='3' bg-hd-file-name='../../9.mp4'/>"
                       "</template>");
        QCOMPARE(t->scenes->keys(), QList<int>({7, 8, 9}));
        auto seven = imageScene(t, 7);
        QVERIFY(seven);
        QCOMPARE(seven->type, 1);
        QCOMPARE(seven->bgType, 1);
        QCOMPARE(seven->bgFileName, QStringLiteral("7.mp4"));
        QCOMPARE(seven->bgHdFileName, QStringLiteral("7-hd.mp4"));
        QCOMPARE(seven->frames, 150);
        QCOMPARE(seven->frameDurationNum, 1);
        QCOMPARE(seven->frameDurationDen, 30);
        auto eight = textScene(t, 8);
        QVERIFY(eight);
        QCOMPARE(eight->type, 2);
        QCOMPARE(eight->bgType, 2);
        QCOMPARE(eight->bgFileName, QStringLiteral("still.jpg"));
        QVERIFY(textScene(t, 9)); // any type other than 1 is a text scene
        QCOMPARE(t->scenes->value(9)->type, 2);
        QVERIFY(t->scenes->value(9)->bgHdFileName.isEmpty()); // a name leaving the folder
        QVERIFY(eight->bgHdFileName.isEmpty());
    }

    void keyframesSwapTheLastTwoPoints()
    {
        auto t = parse("<template><scene id='1'><object id='0'><transform>"
                       "<frame id='3' opacity='50'>1,2,3,4,5,6,7,8</frame>"
                       "<frame id='4'>0.1,0.2,0.9,0.2,0.1,0.8,0.9,0.8</frame>"
                       "<frame id='4' opacity='99.5'>0,0,1,0,0,1,1,1</frame>"
                       "<frame>0,0,1,0,0,1</frame>"
                       "</transform></object></scene></template>");
        auto object = imageScene(t, 1)->objects->value(0);
        QVERIFY(object);
        QCOMPARE(object->keyframes.keys(), QList<int>({3, 4}));
        const Keyframe k = object->keyframes.value(3);
        QCOMPARE(k.topLeft, QPointF(1, 2));
        QCOMPARE(k.topRight, QPointF(3, 4));
        QCOMPARE(k.bottomRight, QPointF(7, 8));
        QCOMPARE(k.bottomLeft, QPointF(5, 6));
        QCOMPARE(k.opacity, 0.5f);
        const Keyframe later = object->keyframes.value(4); // the later duplicate wins
        QCOMPARE(later.bottomRight, QPointF(1, 1));
        QCOMPARE(later.opacity, 0.995f);
    }

    void imageObjectAttributes()
    {
        auto t = parse(
            "<template><scene id='1'>"
            "<object id='2' aspect='1.5' max-size='0.5,0.6' shadow='1.5,2 4' v-pos='1' h-pos='2'"
            " border-color='10,20,30' border-width='0.05'><transform/></object>"
            "<object id='3' shadow='0.25,0.25 2 255,0,0,128' max-size='0.4'"
            " border-color='1,2'><transform/></object>"
            "<object id='4'><transform/></object>"
            "</scene></template>");
        auto scene = imageScene(t, 1);
        QCOMPARE(scene->objectCount(), 3);
        auto two = scene->objects->value(2);
        QCOMPARE(two->aspect, 1.5f);
        QCOMPARE(two->maxWidth, 0.5f);
        QCOMPARE(two->maxHeight, 0.6f);
        QCOMPARE(two->shadow.x, 1.5f);
        QCOMPARE(two->shadow.y, 2.0f);
        QCOMPARE(two->shadow.blur, 4.0f);
        QCOMPARE(two->shadow.color, QColor(0, 0, 0, 255));
        QCOMPARE(two->vPos, 1);
        QCOMPARE(two->hPos, 2);
        QCOMPARE(two->borderColor, QColor(10, 20, 30));
        QCOMPARE(two->borderWidth, 0.05f);

        auto three = scene->objects->value(3);
        QCOMPARE(three->shadow.color, QColor(255, 0, 0, 128));
        QCOMPARE(three->maxWidth, 0.4f);
        QCOMPARE(three->maxHeight, 1.0f);                // missing part keeps its default
        QCOMPARE(three->borderColor, QColor(Qt::white)); // too few parts: default

        auto four = scene->objects->value(4);
        QCOMPARE(four->aspect, 1.0f);
        QCOMPARE(four->borderColor, QColor(255, 255, 255));
        QCOMPARE(four->borderWidth, 0.0f);
        QCOMPARE(four->shadow.blur, 0.0f);
        QCOMPARE(four->vPos, 0);
    }

    void textObjectAttributes()
    {
        auto t = parse("<template><scene id='4' type='2'>"
                       "<object id='0' font='Lato,SansSerif,60,#ff0000' slide-bg='bg.png'"
                       " texture='gold.jpg'><transform/></object>"
                       "<object id='1' font='Lato,Serif,20,#00ff00'><transform/></object>"
                       "<object id='2'><transform/></object>"
                       "</scene></template>",
                       12);
        auto scene = textScene(t, 4);
        auto zero = scene->objects->value(0);
        QCOMPARE(zero->font.family(), QStringLiteral("Lato"));
        QCOMPARE(zero->font.styleHint(), QFont::SansSerif);
        QCOMPARE(zero->font.styleStrategy(), QFont::PreferAntialias);
        QCOMPARE(zero->font.pointSize(), 60);
        QCOMPARE(zero->color, QColor(255, 0, 0));
        QVERIFY(zero->slideBackground.endsWith(QLatin1String("/12/bg.png")));
        QCOMPARE(zero->texture, QStringLiteral("gold.jpg"));
        auto one = scene->objects->value(1);
        QCOMPARE(one->font.styleHint(), QFont::Serif);
        QVERIFY(one->slideBackground.isEmpty());
        // Without a font attribute: family, size and colour of the built-in default.
        auto two = scene->objects->value(2);
        QCOMPARE(two->font.family(), QStringLiteral("Oswald Book"));
        QCOMPARE(two->font.pointSize(), 84);
        QCOMPARE(two->color, QColor(0x20, 0x44, 0x11));
    }

    // Holds and loops are optional; only spans inside the scene and ranges around 1 are taken.
    void elasticSpans_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("read"); // hold start,end min..max loop start,end
        QTest::newRow("none") << ""
                              << "0,0 1..1 0,0";
        QTest::newRow("hold and loop") << "hold='20,100' hold-range='0.5,4' loop='30,90'"
                                       << "20,100 0.5..4 30,90";
        QTest::newRow("hold without range") << "hold='20,100'"
                                            << "20,100 1..1 0,0";
        QTest::newRow("out of the scene") << "hold='20,121' loop='-1,50' hold-range='0.5,4'"
                                          << "0,0 1..1 0,0";
        QTest::newRow("backwards or one frame") << "hold='100,20' loop='5,6'"
                                                << "0,0 1..1 0,0";
        QTest::newRow("ranges bounded") << "hold='0,120' hold-range='0.01,1e9'"
                                        << "0,120 0.25..8 0,0";
        QTest::newRow("ranges inverted") << "hold='0,120' hold-range='2,0.5'"
                                         << "0,120 1..1 0,0";
        QTest::newRow("still loops not") << "bg-type='2' loop='10,20'"
                                         << "0,0 1..1 0,0";
    }
    void elasticSpans()
    {
        QFETCH(QString, attributes);
        auto t = parse(
            ("<template><scene id='1' frames='120' " + attributes + "/></template>").toUtf8());
        const Scene& scene = *t->scenes->value(1);
        QTEST(QStringLiteral("%1,%2 %3..%4 %5,%6")
                  .arg(scene.holdStart)
                  .arg(scene.holdEnd)
                  .arg(double(scene.holdMin))
                  .arg(double(scene.holdMax))
                  .arg(scene.loopStart)
                  .arg(scene.loopEnd),
              "read");
    }

    // Pan and zoom are optional per photo slot, and bounded like every other number.
    void panAndZoom_data()
    {
        QTest::addColumn<QString>("attributes");
        QTest::addColumn<QString>("read"); // enabled zooms centred centres rects linear
        QTest::newRow("none") << ""
                              << "0 1,1 0 - - 0";
        QTest::newRow("open zoom") << "zoom='1,1.2'"
                                   << "1 1,1.2 0 - - 0";
        QTest::newRow("centred, bounded")
            << "zoom='0.5,9' zoom-centre='0.2,0.3 2,-1' pan-easing='linear'"
            << "1 1,4 1 0.2,0.3 1,0 - 1";
        QTest::newRow("rectangles") << "pan='0,0,0.5,0.5 0.9,0.5,0.5,0.01'"
                                    << "1 1,1 0 - 0,0,0.5,0.5 0.5,0.5,0.5,0.05 0";
        QTest::newRow("malformed") << "zoom='1' pan='1,2,3'"
                                   << "0 1,1 0 - - 0";
    }
    void panAndZoom()
    {
        QFETCH(QString, attributes);
        auto t = parse(("<template orientation-aware='1'><scene id='1'><object id='0' " +
                        attributes + "><transform/></object></scene></template>")
                           .toUtf8());
        QVERIFY(t->orientationAware);
        const PanZoomSpec& p = imageScene(t, 1)->objects->value(0)->panZoom;
        const auto point = [](QPointF q) { return QStringLiteral("%1,%2").arg(q.x()).arg(q.y()); };
        const auto rect = [](QRectF r) {
            return QStringLiteral("%1,%2,%3,%4")
                .arg(r.x())
                .arg(r.y())
                .arg(r.width())
                .arg(r.height());
        };
        QTEST(QStringLiteral("%1 %2,%3 %4 %5 %6 %7")
                  .arg(int(p.enabled))
                  .arg(p.zoomFrom)
                  .arg(p.zoomTo)
                  .arg(int(p.centred))
                  .arg(p.centred ? point(p.centreFrom) + ' ' + point(p.centreTo) : "-")
                  .arg(p.rectFrom.isEmpty() ? "-" : rect(p.rectFrom) + ' ' + rect(p.rectTo))
                  .arg(int(p.linear)),
              "read");
    }

    // A description from anywhere: every number is brought into its range when it is read.
    void hostileValuesAreBounded()
    {
        auto t =
            parse("<template fade-in='-7' fade-out='99999999' scene-overflow='1e9' "
                  "text-max-size='5000'>"
                  "<scene id='1' frames='2147483647'>"
                  "<object id='0' aspect='nan' max-size='1e30,-5' border-width='1e9' "
                  "border-color='999,-1,300' shadow='1e9,-1e9 1e9 999,-1,0,300' v-pos='7' "
                  "h-pos='-1'><transform>"
                  "<frame id='0' opacity='1e9'>0,0,1e300,0,0,1,1,1</frame>"
                  "<frame id='1' opacity='-50'>0,0,1,0,0,1,1,1</frame>"
                  "<frame id='2'>nan,0,1,0,0,1,1,1</frame>"
                  "<frame id='-3'>0,0,1,0,0,1,1,1</frame>"
                  "<frame id='99999999'>0,0,1,0,0,1,1,1</frame>"
                  "</transform></object></scene>"
                  "<scene id='2' type='2' frames='-5'>"
                  "<object id='0' font='Lato,SansSerif,999999999,#fff' texture='../../etc/passwd' "
                  "slide-bg='/etc/hosts'><transform/></object>"
                  "<object id='1' texture='sub/../../x.jpg' slide-bg='..'><transform/></object>"
                  "</scene></template>");
        QCOMPARE(t->fadeIn, 0);
        QCOMPARE(t->fadeOut, 36000);
        QCOMPARE(t->sceneOverflow, 0); // "1e9" is no whole number: the default
        QCOMPARE(t->textMaxSize, 1000);
        auto photos = imageScene(t, 1);
        QCOMPARE(photos->frames, 36000);
        auto object = photos->objects->value(0);
        QCOMPARE(object->aspect, 1.0f);
        QCOMPARE(object->maxWidth, 4.0f);
        QCOMPARE(object->maxHeight, 0.01f);
        QCOMPARE(object->borderWidth, 1.0f);
        QCOMPARE(object->borderColor, QColor(255, 0, 255));
        QCOMPARE(object->shadow.x, 20.0f);
        QCOMPARE(object->shadow.y, -20.0f);
        QCOMPARE(object->shadow.blur, 20.0f);
        QCOMPARE(object->shadow.color, QColor(255, 0, 0, 255));
        QCOMPARE(object->vPos, 0);
        QCOMPARE(object->hPos, 0);
        QCOMPARE(object->keyframes.keys(), QList<int>({0, 1}));
        QCOMPARE(object->keyframes[0].opacity, 1.0f);
        QCOMPARE(object->keyframes[0].topRight.x(), 8.0);
        QCOMPARE(object->keyframes[1].opacity, 0.0f);
        auto texts = textScene(t, 2);
        QCOMPARE(texts->frames, 0);
        QCOMPARE(texts->objects->value(0)->font.pointSize(), 1000);
        for (int id : {0, 1}) {
            QVERIFY(texts->objects->value(id)->texture.isEmpty());
            QVERIFY(texts->objects->value(id)->slideBackground.isEmpty());
        }
    }

    void shortFontValuesKeepEachFieldsMeaning_data()
    {
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("hint");
        QTest::addColumn<int>("size");
        QTest::addColumn<QColor>("color");
        const QColor fallback(0x20, 0x44, 0x11);
        QTest::newRow("family, hint, size")
            << "Arial,Serif,40" << int(QFont::Serif) << 40 << fallback;
        QTest::newRow("family, size, colour")
            << "Arial,40,#ff0000" << int(QFont::SansSerif) << 40 << QColor(255, 0, 0);
        QTest::newRow("family, hint, colour")
            << "Arial,SansSerif,#00ff00" << int(QFont::SansSerif) << 84 << QColor(0, 255, 0);
        QTest::newRow("family, colour name")
            << "Arial,navy" << int(QFont::SansSerif) << 84 << QColor("navy");
    }

    void shortFontValuesKeepEachFieldsMeaning()
    {
        QFETCH(QString, font);
        QFETCH(int, hint);
        QFETCH(int, size);
        QFETCH(QColor, color);
        auto t = parse(("<template><scene id='4' type='2'><object id='0' font='" + font +
                        "'><transform/></object></scene></template>")
                           .toUtf8(),
                       12);
        auto object = textScene(t, 4)->objects->value(0);
        QCOMPARE(object->font.family(), QStringLiteral("Arial"));
        QCOMPARE(int(object->font.styleHint()), hint);
        QCOMPARE(object->font.pointSize(), size);
        QCOMPARE(object->color, color);
    }

    void laterDuplicatesWin()
    {
        auto t = parse("<template>"
                       "<scene id='1' frames='10'><object id='0' aspect='2'><transform/></object>"
                       "<object id='0' aspect='3'><transform/></object></scene>"
                       "<scene id='1' frames='20'/>"
                       "<scene id='2'><object id='0' aspect='2'><transform/></object>"
                       "<object id='0' aspect='3'><transform/></object></scene>"
                       "</template>");
        QCOMPARE(t->scenes->value(1)->frames, 20);
        QCOMPARE(imageScene(t, 2)->objects->size(), 1);
        QCOMPARE(imageScene(t, 2)->objects->value(0)->aspect, 3.0f);
    }

    void brokenDocumentsKeepWhatWasComplete_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QList<int>>("scenes");
        const QByteArray good = "<template><scene id='1'><object id='0'><transform>"
                                "<frame id='0'>0,0,1,0,0,1,1,1</frame></transform></object>"
                                "</scene>";
        QTest::newRow("ends inside a scene")
            << good + "<scene id='2'><object id='0'>" << QList<int>({1, 2});
        QTest::newRow("ends inside a transform")
            << good + "<scene id='3'><object id='0'><transform><frame id='1'>0,0"
            << QList<int>({1, 3});
        QTest::newRow("malformed later") << good + "<scene id='4' <<>>" << QList<int>({1});
        QTest::newRow("mismatched tags") << good + "<scene id='5'></object>" << QList<int>({1, 5});
        QTest::newRow("not XML") << QByteArray("\x00\x01garbage", 9) << QList<int>();
        QTest::newRow("empty") << QByteArray() << QList<int>();
    }
    void brokenDocumentsKeepWhatWasComplete()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QList<int>, scenes);
        auto t = parse(xml);
        QCOMPARE(t->scenes->keys(), scenes);
        QCOMPARE(imageScene(t, 1) ? imageScene(t, 1)->objects->value(0)->keyframes.size() : 1, 1);
    }

    void objectWithoutTransformDoesNotSwallowTheRest()
    {
        auto t = parse("<template><scene id='1'><object id='0'/><object id='1'><transform>"
                       "<frame id='0'>0,0,1,0,0,1,1,1</frame></transform></object></scene>"
                       "<scene id='2'/></template>");
        QCOMPARE(t->scenes->keys(), QList<int>({1, 2}));
        auto scene = imageScene(t, 1);
        QCOMPARE(scene->objects->value(0)->keyframes.size(), 0);
        QCOMPARE(scene->objects->value(1)->keyframes.size(), 1);
    }

    void unreadableFileGivesEmptyDescriptionAndReport()
    {
        TestDirs dirs;
        TemplateCatalog::use(dirs.file("templates/"));
        QSignalSpy errors(CommonError::instance(), &CommonError::error);
        auto t = loadTemplate(42);
        QCOMPARE(t->id, 42);
        QVERIFY(t->scenes->isEmpty());
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().contains(dirs.file("templates/42/template.xml")));
    }
};

QTEST_MAIN(TestTemplateParser)
#include "tst_template_parser.moc"
