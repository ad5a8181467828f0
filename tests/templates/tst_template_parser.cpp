#include "templates/ImgScene.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include <QBuffer>
#include <QtTest>

namespace {

QSharedPointer<TemplateDescription> parse(const QByteArray& xml, int id = 5)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return TemplateParser::parse(&buffer, id);
}

QString number(double v)
{
    return QString::number(v);
}

QString point(QPointF p)
{
    return number(p.x()) + ',' + number(p.y());
}

QString rect(QRectF r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

template <typename Map> QString keys(const Map& map)
{
    QStringList ids;
    for (int key : map.keys())
        ids << QString::number(key);
    return ids.join(',');
}

// What a slot of either kind holds, under "<scene>/<object> <field>".
void slotFields(QMap<QString, QString>& f, const QString& at, const SlotObject& o)
{
    f[at + " slot"] = QStringLiteral("%1 %2,%3 %4,%5")
                          .arg(number(o.aspect), number(o.maxWidth), number(o.maxHeight))
                          .arg(o.vPos)
                          .arg(o.hPos);
    f[at + " shadow"] = point({o.shadow.x, o.shadow.y}) + ' ' + number(o.shadow.blur) + ' ' +
                        o.shadow.color.name(QColor::HexArgb);
    f[at + " frames"] = keys(o.keyframes);
    for (auto k = o.keyframes.begin(); k != o.keyframes.end(); ++k)
        f[at + " frame " + QString::number(k.key())] =
            QStringLiteral("%1 %2 %3 %4 %5")
                .arg(point(k->topLeft), point(k->topRight), point(k->bottomRight),
                     point(k->bottomLeft), number(k->opacity));
}

// Every field the parser fills, by name ("fade", "7 bg", "1/2 shadow"), as text, so that each
// case below states only the fields it is about.
QMap<QString, QString> fields(const TemplateDescription& t)
{
    QMap<QString, QString> f;
    f["id"] = QString::number(t.id);
    f["fade"] = QStringLiteral("%1,%2").arg(t.fadeIn).arg(t.fadeOut);
    f["overflow"] = QString::number(t.sceneOverflow);
    f["text-max"] = QString::number(t.textMaxSize);
    f["orientation-aware"] = QString::number(t.orientationAware);
    f["scenes"] = keys(*t.scenes);
    for (auto s = t.scenes->begin(); s != t.scenes->end(); ++s) {
        const QString at = QString::number(s.key());
        const Scene& scene = **s;
        f[at + " type"] = QString::number(scene.type) +
                          (dynamic_cast<const ImgScene*>(&scene) ? " photos" : " texts");
        f[at + " bg"] =
            QStringLiteral("%1 %2 %3").arg(scene.bgType).arg(scene.bgFileName, scene.bgHdFileName);
        f[at + " frames"] = QStringLiteral("%1 %2/%3")
                                .arg(scene.frames)
                                .arg(scene.frameDurationNum)
                                .arg(scene.frameDurationDen);
        f[at + " hold"] = QStringLiteral("%1,%2 %3..%4")
                              .arg(scene.holdStart)
                              .arg(scene.holdEnd)
                              .arg(number(scene.holdMin), number(scene.holdMax));
        f[at + " loop"] = QStringLiteral("%1,%2").arg(scene.loopStart).arg(scene.loopEnd);
        if (const auto* photos = dynamic_cast<const ImgScene*>(&scene)) {
            f[at + " objects"] = keys(*photos->objects);
            for (auto o = photos->objects->begin(); o != photos->objects->end(); ++o) {
                const QString object = at + '/' + QString::number(o.key());
                const ImgObject& slot = **o;
                slotFields(f, object, slot);
                f[object + " border"] =
                    slot.borderColor.name(QColor::HexArgb) + ' ' + number(slot.borderWidth);
                const PanZoomSpec& p = slot.panZoom;
                f[object + " pan"] =
                    QStringLiteral("%1 %2,%3 %4 %5 %6")
                        .arg(int(p.enabled))
                        .arg(p.zoomFrom)
                        .arg(p.zoomTo)
                        .arg(p.centred ? point(p.centreFrom) + ' ' + point(p.centreTo) : "-")
                        .arg(p.rectFrom.isEmpty() ? "-" : rect(p.rectFrom) + ' ' + rect(p.rectTo))
                        .arg(p.linear ? "linear" : "eased");
            }
        } else if (const auto* texts = dynamic_cast<const TextScene*>(&scene)) {
            f[at + " objects"] = keys(*texts->objects);
            for (auto o = texts->objects->begin(); o != texts->objects->end(); ++o) {
                const QString object = at + '/' + QString::number(o.key());
                const TextObject& slot = **o;
                slotFields(f, object, slot);
                const QFont& font = slot.font;
                f[object + " font"] =
                    QStringLiteral("%1 %2 %3%4 %5")
                        .arg(font.family())
                        .arg(font.styleHint() == QFont::Serif ? "serif"
                             : font.styleHint() == QFont::SansSerif
                                 ? "sans"
                                 : QString::number(font.styleHint()))
                        .arg(font.pointSize())
                        .arg(font.styleStrategy() & QFont::PreferAntialias ? " smooth" : "")
                        .arg(slot.color.name());
                // The background's path is the installed theme's; its folder and name are what
                // the description said.
                const QStringList background = slot.slideBackground.split('/');
                f[object + " files"] =
                    background.mid(background.size() - 2).join('/') + '|' + slot.texture;
            }
        }
    }
    return f;
}

} // namespace

class TestTemplateParser : public QObject
{
    Q_OBJECT

private slots:
    // Each case: a description, and what the named fields read from it ("field=value; ...").
    void fieldsAreRead_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("read");
        const auto row = [](const char* name, const QByteArray& xml, const QString& read) {
            QTest::newRow(name) << xml << read;
        };
        const auto scene = [](const QByteArray& attributes) {
            return "<template><scene id='1' frames='120' " + attributes + "/></template>";
        };
        const auto photo = [](const QByteArray& attributes) {
            return "<template orientation-aware='1'><scene id='1'><object id='0' " + attributes +
                   "><transform/></object></scene></template>";
        };
        const auto text = [](const QByteArray& font) {
            return "<template><scene id='4' type='2'><object id='0' font='" + font +
                   "'><transform/></object></scene></template>";
        };
        row("template defaults", "<template/>",
            "id=12; fade=0,0; overflow=0; text-max=70; orientation-aware=0; scenes=");
        row("template",
            "<template fade-in='10' fade-out='12' scene-overflow='15' text-max-size='x'/>",
            "fade=10,12; overflow=15; text-max=0"); // unparsable numbers read as 0
        // Any type other than 1 is a text scene; a name leaving the folder is dropped.
        row("scenes",
            "<template><scene id='7' frames='150' bg-hd-file-name='7-hd.mp4'/>"
            "<scene id='8' type='2' frames='90' bg-type='2' bg-file-name='still.jpg'/>"
            "<scene id='9' type='3' bg-hd-file-name='../../9.mp4'/></template>",
            "scenes=7,8,9; 7 type=1 photos; 7 bg=1 7.mp4 7-hd.mp4; 7 frames=150 1/30; "
            "8 type=2 texts; 8 bg=2 still.jpg; 8 frames=90 1/30; 9 type=2 texts; 9 bg=1 9.mp4");
        // The last two points are swapped: the file lists bottom-left before bottom-right. A
        // later duplicate wins; a frame without an id or eight numbers is left out.
        row("keyframes",
            "<template><scene id='1'><object id='0'><transform>"
            "<frame id='3' opacity='50'>1,2,3,4,5,6,7,8</frame>"
            "<frame id='4'>0.1,0.2,0.9,0.2,0.1,0.8,0.9,0.8</frame>"
            "<frame id='4' opacity='99.5'>0,0,1,0,0,1,1,1</frame>"
            "<frame>0,0,1,0,0,1</frame></transform></object></scene></template>",
            "1/0 frames=3,4; 1/0 frame 3=1,2 3,4 7,8 5,6 0.5; 1/0 frame 4=0,0 1,0 1,1 0,1 0.995");
        // Missing parts keep their defaults; too few parts of a colour give the default.
        row("photo slots",
            "<template><scene id='1'>"
            "<object id='2' aspect='1.5' max-size='0.5,0.6' shadow='1.5,2 4' v-pos='1' h-pos='2'"
            " border-color='10,20,30' border-width='0.05'><transform/></object>"
            "<object id='3' shadow='0.25,0.25 2 255,0,0,128' max-size='0.4'"
            " border-color='1,2'><transform/></object>"
            "<object id='4'><transform/></object></scene></template>",
            "1 objects=2,3,4; 1/2 slot=1.5 0.5,0.6 1,2; 1/2 shadow=1.5,2 4 #ff000000; "
            "1/2 border=#ff0a141e 0.05; 1/3 slot=1 0.4,1 0,0; 1/3 shadow=0.25,0.25 2 #80ff0000; "
            "1/3 border=#ffffffff 0; 1/4 slot=1 1,1 0,0; 1/4 shadow=0,0 0 #ff000000; "
            "1/4 border=#ffffffff 0; 1/4 pan=0 1,1 - - eased");
        // Without a font attribute: family, size and colour of the built-in default.
        row("text slots",
            "<template><scene id='4' type='2'>"
            "<object id='0' font='Lato,SansSerif,60,#ff0000' slide-bg='bg.png'"
            " texture='gold.jpg'><transform/></object>"
            "<object id='1' font='Lato,Serif,20,#00ff00'><transform/></object>"
            "<object id='2'><transform/></object></scene></template>",
            "4/0 font=Lato sans 60 smooth #ff0000; 4/0 files=12/bg.png|gold.jpg; "
            "4/1 font=Lato serif 20 smooth #00ff00; 4/1 files=|; "
            "4/2 font=Oswald Book sans 84 smooth #204411");
        // Fonts with fields left out keep each field's meaning.
        row("font: family, hint, size", text("Arial,Serif,40"),
            "4/0 font=Arial serif 40 smooth #204411");
        row("font: family, size, colour", text("Arial,40,#ff0000"),
            "4/0 font=Arial sans 40 smooth #ff0000");
        row("font: family, hint, colour", text("Arial,SansSerif,#00ff00"),
            "4/0 font=Arial sans 84 smooth #00ff00");
        row("font: family, colour name", text("Arial,navy"),
            "4/0 font=Arial sans 84 smooth #000080");
        // Holds and loops are optional; only spans inside the scene and ranges around 1 are
        // taken.
        row("no hold", scene(""), "1 hold=0,0 1..1; 1 loop=0,0");
        row("hold and loop", scene("hold='20,100' hold-range='0.5,4' loop='30,90'"),
            "1 hold=20,100 0.5..4; 1 loop=30,90");
        row("hold without range", scene("hold='20,100'"), "1 hold=20,100 1..1");
        row("out of the scene", scene("hold='20,121' loop='-1,50' hold-range='0.5,4'"),
            "1 hold=0,0 1..1; 1 loop=0,0");
        row("backwards or one frame", scene("hold='100,20' loop='5,6'"),
            "1 hold=0,0 1..1; 1 loop=0,0");
        row("ranges bounded", scene("hold='0,120' hold-range='0.01,1e9'"), "1 hold=0,120 0.25..8");
        row("ranges inverted", scene("hold='0,120' hold-range='2,0.5'"), "1 hold=0,120 1..1");
        row("stills do not loop", scene("bg-type='2' loop='10,20'"), "1 loop=0,0");
        // Pan and zoom are optional per photo slot, and bounded like every other number.
        row("open zoom", photo("zoom='1,1.2'"), "orientation-aware=1; 1/0 pan=1 1,1.2 - - eased");
        row("centred zoom, bounded",
            photo("zoom='0.5,9' zoom-centre='0.2,0.3 2,-1' pan-easing='linear'"),
            "1/0 pan=1 1,4 0.2,0.3 1,0 - linear");
        row("pan rectangles", photo("pan='0,0,0.5,0.5 0.9,0.5,0.5,0.01'"),
            "1/0 pan=1 1,1 - 0,0,0.5,0.5 0.5,0.5,0.5,0.05 eased");
        row("malformed pan and zoom", photo("zoom='1' pan='1,2,3'"), "1/0 pan=0 1,1 - - eased");
        // A description from anywhere: every number is brought into its range when it is read,
        // and no file name leads out of the theme's folder.
        row("hostile values",
            "<template fade-in='-7' fade-out='99999999' scene-overflow='1e9' text-max-size='5000'>"
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
            "</scene></template>",
            // "1e9" is no whole number: the default.
            "fade=0,36000; overflow=0; text-max=1000; 1 frames=36000 1/30; "
            "1/0 slot=1 4,0.01 0,0; 1/0 border=#ffff00ff 1; 1/0 shadow=20,-20 20 #ffff0000; "
            "1/0 frames=0,1; 1/0 frame 0=0,0 8,0 1,1 0,1 1; 1/0 frame 1=0,0 1,0 1,1 0,1 0; "
            "2 frames=0 1/30; 2/0 font=Lato sans 1000 smooth #ffffff; 2/0 files=|; 2/1 files=|");
        row("later duplicates win",
            "<template><scene id='1' frames='10'><object id='0' aspect='2'><transform/></object>"
            "<object id='0' aspect='3'><transform/></object></scene><scene id='1' frames='20'/>"
            "<scene id='2'><object id='0' aspect='2'><transform/></object>"
            "<object id='0' aspect='3'><transform/></object></scene></template>",
            "1 frames=20 1/30; 2 objects=0; 2/0 slot=3 1,1 0,0");
        row("an object without transform",
            "<template><scene id='1'><object id='0'/><object id='1'><transform>"
            "<frame id='0'>0,0,1,0,0,1,1,1</frame></transform></object></scene>"
            "<scene id='2'/></template>",
            "scenes=1,2; 1/0 frames=; 1/1 frames=0");
        // A broken document keeps what was complete before the break.
        const QByteArray good = "<template><scene id='1'><object id='0'><transform>"
                                "<frame id='0'>0,0,1,0,0,1,1,1</frame></transform></object>"
                                "</scene>";
        row("ends inside a scene", good + "<scene id='2'><object id='0'>",
            "scenes=1,2; 1/0 frames=0");
        row("ends inside a transform",
            good + "<scene id='3'><object id='0'><transform><frame id='1'>0,0",
            "scenes=1,3; 1/0 frames=0");
        row("malformed later", good + "<scene id='4' <<>>", "scenes=1; 1/0 frames=0");
        row("mismatched tags", good + "<scene id='5'></object>", "scenes=1,5; 1/0 frames=0");
        row("not XML", QByteArray("\x00\x01garbage", 9), "scenes=");
        row("empty", QByteArray(), "scenes=");
    }
    void fieldsAreRead()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QString, read);
        const QMap<QString, QString> all = fields(*parse(xml, 12));
        QStringList named;
        for (const QString& field : read.split("; ")) {
            const QString name = field.section('=', 0, 0);
            QVERIFY2(all.contains(name), qPrintable(name));
            named << name + '=' + all.value(name).trimmed();
        }
        QCOMPARE(named.join("; "), read);
    }
};

QTEST_MAIN(TestTemplateParser)
#include "tst_template_parser.moc"
