#include "templates/TemplateParser.h"

#include "base/CommonError.h"
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TextScene.h"

#include <QFile>
#include <QObject>
#include <QXmlStreamReader>

#include <cmath>

namespace {

// Every number a description gives is bounded here, when it is read, so that no size, offset,
// count or index computed from it later can overflow or ask for absurd memory. The ranges are
// wide enough for any real theme:
//   frames, keyframe numbers, fades and scene overlap  0 .. 36000 (20 minutes at 30 fps)
//   keyframe coordinates                               -8 .. 8 (fractions of the frame)
//   opacity                                            0 .. 1 (from 0 .. 100 %)
//   aspect                                             0.01 .. 100
//   max-size                                           0.01 .. 4 (shares of the frame)
//   border width                                       0 .. 1 (share of the photo's side)
//   shadow offsets / blur                              -20 .. 20 / 0 .. 20 (units)
//   colour components                                  0 .. 255
//   font size / text-max-size                          1 .. 1000 / 0 .. 1000
//   v-pos, h-pos                                       0, 1, 2 (anything else: 0, centred)
//   hold, loop                                         frames inside the scene, start before end
//   hold-range                                         0.25 .. 1 (shortest), 1 .. 8 (longest)
//   zoom / pan windows and centres                     1 .. 4 / fractions of the photo
// Numbers that are not finite take the default.
constexpr int kMaxFrames = 36000;

float bounded(float value, float low, float high, float fallback)
{
    return std::isfinite(value) ? qBound(low, value, high) : fallback;
}

int colourPart(const QString& text)
{
    return qBound(0, text.toInt(), 255);
}

// Lists are split at every separator with empty parts kept; a missing part reads as `fallback`.
float floatAt(const QStringList& parts, int index, float fallback)
{
    return index < parts.size() ? parts[index].toFloat() : fallback;
}

int intAttribute(const QXmlStreamAttributes& attributes, const char* name, int fallback)
{
    const QString key = QString::fromLatin1(name);
    return attributes.hasAttribute(key) ? attributes.value(key).toInt() : fallback;
}

float floatAttribute(const QXmlStreamAttributes& attributes, const char* name, float fallback)
{
    const QString key = QString::fromLatin1(name);
    return attributes.hasAttribute(key) ? attributes.value(key).toFloat() : fallback;
}

QString textAttribute(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QString::fromLatin1(name)).toString();
}

// "x,y blur [r,g,b,a]": offsets and blur in per-object units; the colour is optional and
// needs all four components, else the shadow stays opaque black.
ShadowSpec parseShadow(const QString& value)
{
    ShadowSpec shadow;
    const QStringList parts = value.split(QLatin1Char(' '));
    const QStringList offsets = parts.value(0).split(QLatin1Char(','));
    shadow.x = bounded(floatAt(offsets, 0, 0.0f), -20.0f, 20.0f, 0.0f);
    shadow.y = bounded(floatAt(offsets, 1, 0.0f), -20.0f, 20.0f, 0.0f);
    shadow.blur = bounded(parts.size() > 1 ? parts[1].toFloat() : 0.0f, 0.0f, 20.0f, 0.0f);
    if (parts.size() > 2) {
        const QStringList rgba = parts[2].split(QLatin1Char(','));
        if (rgba.size() >= 4)
            shadow.color = QColor(colourPart(rgba[0]), colourPart(rgba[1]), colourPart(rgba[2]),
                                  colourPart(rgba[3]));
    }
    return shadow;
}

// "family,hint,size,colour". Shorter values (the built-in default is "family,size,colour") are
// read field by field by what each one is: a whole number is the size, "#..." or a colour name
// is the colour, anything else is the hint. Missing parts keep the defaults: a sans-serif hint,
// size 84, colour #204411.
void parseFont(const QString& value, TextObject& object)
{
    const QStringList fields = value.split(QLatin1Char(','));
    QString hint = QStringLiteral("SansSerif");
    int size = 84;
    QString colour = QStringLiteral("#204411");
    if (fields.size() >= 4) {
        hint = fields[1];
        size = fields[2].toInt();
        colour = fields[3];
    } else {
        for (int i = 1; i < fields.size(); ++i) {
            bool number = false;
            const int n = fields[i].toInt(&number);
            if (number)
                size = n;
            else if (fields[i].startsWith(QLatin1Char('#')) || QColor::isValidColor(fields[i]))
                colour = fields[i];
            else
                hint = fields[i];
        }
    }
    QFont font(fields.value(0));
    const bool sans = hint.contains(QLatin1String("SansSerif"));
    font.setStyleHint(sans ? QFont::SansSerif : QFont::Serif, QFont::PreferAntialias);
    if (size > 0)
        font.setPointSize(qMin(size, 1000));
    object.font = font;
    object.color.setNamedColor(colour);
}

const QString kDefaultFont = QStringLiteral("Oswald Book,84,#204411");

} // namespace

TemplateParser::TemplateParser(QXmlStreamReader& reader, int templateId)
    : reader(reader), templateId(templateId)
{
}

QSharedPointer<TemplateDescription> TemplateParser::parse(QIODevice* device, int templateId)
{
    auto description = QSharedPointer<TemplateDescription>::create();
    description->id = templateId;
    QXmlStreamReader reader(device);
    TemplateParser parser(reader, templateId);
    while (!parser.stopped()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("template"))
            parser.readTemplateAttributes(*description);
        else if (reader.name() == QLatin1String("scene"))
            parser.parseScene(*description);
    }
    // A scene hands over to the next one `sceneOverflow` frames before its end, after one frame
    // of its own at least: a longer overlap would end scenes before they begin, and the video's
    // length, its progress and the frames it can show would no longer agree.
    for (const QSharedPointer<Scene>& scene : *description->scenes)
        description->sceneOverflow = qMin(description->sceneOverflow, qMax(0, scene->frames - 2));
    return description;
}

bool TemplateParser::stopped() const
{
    return reader.atEnd() || reader.hasError();
}

void TemplateParser::readTemplateAttributes(TemplateDescription& description) const
{
    const QXmlStreamAttributes attributes = reader.attributes();
    description.fadeIn =
        qBound(0, intAttribute(attributes, "fade-in", description.fadeIn), kMaxFrames);
    description.fadeOut =
        qBound(0, intAttribute(attributes, "fade-out", description.fadeOut), kMaxFrames);
    description.sceneOverflow = qBound(
        0, intAttribute(attributes, "scene-overflow", description.sceneOverflow), kMaxFrames);
    description.textMaxSize =
        qBound(0, intAttribute(attributes, "text-max-size", description.textMaxSize), 1000);
    description.orientationAware = intAttribute(attributes, "orientation-aware", 0) == 1;
}

namespace {

// "A,B": frames A to B (B excluded) inside a scene of `frames` frames; false for anything else.
bool spanAttribute(const QXmlStreamAttributes& attributes, const char* name, int frames, int* start,
                   int* end)
{
    const QStringList parts = textAttribute(attributes, name).split(QLatin1Char(','));
    bool startRead = false;
    bool endRead = false;
    const int a = parts.size() == 2 ? parts[0].toInt(&startRead) : 0;
    const int b = parts.size() == 2 ? parts[1].toInt(&endRead) : 0;
    if (!startRead || !endRead || a < 0 || b > frames || b - a < 2)
        return false;
    *start = a;
    *end = b;
    return true;
}

} // namespace

void TemplateParser::readElasticSpans(const QXmlStreamAttributes& attributes, Scene& scene)
{
    if (spanAttribute(attributes, "hold", scene.frames, &scene.holdStart, &scene.holdEnd)) {
        // Without a range the hold plays as designed; a range that is not one keeps it so too.
        const QStringList range = textAttribute(attributes, "hold-range").split(QLatin1Char(','));
        if (range.size() == 2) {
            scene.holdMin = bounded(range[0].toFloat(), 0.25f, 1.0f, 1.0f);
            scene.holdMax = bounded(range[1].toFloat(), 1.0f, 8.0f, 1.0f);
        }
    }
    if (scene.bgType == Scene::VideoBackground)
        spanAttribute(attributes, "loop", scene.frames, &scene.loopStart, &scene.loopEnd);
}

void TemplateParser::parseScene(TemplateDescription& description)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    const int id = intAttribute(attributes, "id", 0);
    const bool imageScene = intAttribute(attributes, "type", 1) == 1;
    const int frames = qBound(0, intAttribute(attributes, "frames", 0), kMaxFrames);
    const int bgType = intAttribute(attributes, "bg-type", Scene::VideoBackground);
    const QString bgFileName = attributes.hasAttribute(QStringLiteral("bg-file-name"))
                                   ? textAttribute(attributes, "bg-file-name")
                                   : QString::number(id) + QStringLiteral(".mp4");

    auto images = QSharedPointer<ImgScene>::create();
    auto texts = QSharedPointer<TextScene>::create();
    // A document that ends or breaks inside the scene stops the loop; the scene as read so far
    // is kept.
    while (!stopped()) {
        if (reader.isEndElement() && reader.name() == QLatin1String("scene"))
            break;
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("object"))
            parseObject(imageScene, *images, *texts);
    }

    QSharedPointer<Scene> scene =
        imageScene ? images.staticCast<Scene>() : texts.staticCast<Scene>();
    scene->bgType = bgType;
    scene->bgFileName = bgFileName;
    const QString hdFileName = textAttribute(attributes, "bg-hd-file-name");
    if (TemplateCatalog::isSafeFileName(hdFileName))
        scene->bgHdFileName = hdFileName;
    scene->bgSha256 = textAttribute(attributes, "sha256").trimmed().toLower().toLatin1();
    bool sized = false;
    const qint64 size = attributes.value(QStringLiteral("size")).toLongLong(&sized);
    scene->bgSize = sized && size >= 0 ? size : -1;
    scene->frames = frames;
    readElasticSpans(attributes, *scene);
    description.scenes->insert(id, scene);
}

void TemplateParser::readSlotAttributes(const QXmlStreamAttributes& attributes,
                                        SlotObject& object) const
{
    object.aspect = bounded(floatAttribute(attributes, "aspect", 1.0f), 0.01f, 100.0f, 1.0f);
    if (attributes.hasAttribute(QStringLiteral("max-size"))) {
        const QStringList parts = textAttribute(attributes, "max-size").split(QLatin1Char(','));
        object.maxWidth = bounded(floatAt(parts, 0, 1.0f), 0.01f, 4.0f, 1.0f);
        object.maxHeight = bounded(floatAt(parts, 1, 1.0f), 0.01f, 4.0f, 1.0f);
    }
    if (attributes.hasAttribute(QStringLiteral("shadow")))
        object.shadow = parseShadow(textAttribute(attributes, "shadow"));
    const int vPos = intAttribute(attributes, "v-pos", 0);
    const int hPos = intAttribute(attributes, "h-pos", 0);
    object.vPos = vPos >= SlotObject::Centre && vPos <= SlotObject::End ? vPos : SlotObject::Centre;
    object.hPos = hPos >= SlotObject::Centre && hPos <= SlotObject::End ? hPos : SlotObject::Centre;
}

namespace {

// "x,y x,y": two points of fractions 0..1; false for anything else.
bool twoPoints(const QString& text, QPointF* from, QPointF* to)
{
    const QStringList ends = text.split(QLatin1Char(' '));
    if (ends.size() != 2)
        return false;
    QPointF points[2];
    for (int i = 0; i < 2; ++i) {
        const QStringList xy = ends[i].split(QLatin1Char(','));
        if (xy.size() != 2)
            return false;
        bool xRead = false;
        bool yRead = false;
        points[i] = QPointF(qBound(0.0, xy[0].toDouble(&xRead), 1.0),
                            qBound(0.0, xy[1].toDouble(&yRead), 1.0));
        if (!xRead || !yRead || !std::isfinite(xy[0].toDouble()) ||
            !std::isfinite(xy[1].toDouble()))
            return false;
    }
    *from = points[0];
    *to = points[1];
    return true;
}

// "x,y,w,h x,y,w,h": two rectangles of fractions of the photo, at least a twentieth wide and
// high, inside it; false for anything else.
bool twoRects(const QString& text, QRectF* from, QRectF* to)
{
    const QStringList ends = text.split(QLatin1Char(' '));
    if (ends.size() != 2)
        return false;
    QRectF rects[2];
    for (int i = 0; i < 2; ++i) {
        const QStringList parts = ends[i].split(QLatin1Char(','));
        if (parts.size() != 4)
            return false;
        double v[4];
        for (int k = 0; k < 4; ++k) {
            bool read = false;
            v[k] = parts[k].toDouble(&read);
            if (!read || !std::isfinite(v[k]))
                return false;
        }
        const double w = qBound(0.05, v[2], 1.0);
        const double h = qBound(0.05, v[3], 1.0);
        rects[i] = QRectF(qBound(0.0, v[0], 1.0 - w), qBound(0.0, v[1], 1.0 - h), w, h);
    }
    *from = rects[0];
    *to = rects[1];
    return true;
}

} // namespace

void TemplateParser::readPanZoom(const QXmlStreamAttributes& attributes, PanZoomSpec& spec)
{
    if (twoRects(textAttribute(attributes, "pan"), &spec.rectFrom, &spec.rectTo)) {
        spec.enabled = true;
    } else if (attributes.hasAttribute(QStringLiteral("zoom"))) {
        const QStringList zooms = textAttribute(attributes, "zoom").split(QLatin1Char(','));
        if (zooms.size() != 2)
            return;
        spec.enabled = true;
        spec.zoomFrom = bounded(zooms[0].toFloat(), 1.0f, 4.0f, 1.0f);
        spec.zoomTo = bounded(zooms[1].toFloat(), 1.0f, 4.0f, 1.0f);
        spec.centred =
            twoPoints(textAttribute(attributes, "zoom-centre"), &spec.centreFrom, &spec.centreTo);
    }
    spec.linear = textAttribute(attributes, "pan-easing") == QLatin1String("linear");
}

void TemplateParser::parseObject(bool imageScene, ImgScene& images, TextScene& texts)
{
    const QXmlStreamAttributes attributes = reader.attributes();
    const int id = intAttribute(attributes, "id", 0);
    if (imageScene) {
        auto object = QSharedPointer<ImgObject>::create();
        readSlotAttributes(attributes, *object);
        parseKeyframes(*object);
        const QStringList rgb = textAttribute(attributes, "border-color").split(QLatin1Char(','));
        if (rgb.size() >= 3)
            object->borderColor =
                QColor(colourPart(rgb[0]), colourPart(rgb[1]), colourPart(rgb[2]));
        object->borderWidth =
            bounded(floatAttribute(attributes, "border-width", 0.0f), 0.0f, 1.0f, 0.0f);
        readPanZoom(attributes, object->panZoom);
        images.objects->insert(id, object);
    } else {
        auto object = QSharedPointer<TextObject>::create();
        readSlotAttributes(attributes, *object);
        parseKeyframes(*object);
        // Files the theme names stay inside its folder, by the rule for background names.
        const QString slideBg = textAttribute(attributes, "slide-bg");
        if (TemplateCatalog::isSafeFileName(slideBg))
            object->slideBackground = TemplateCatalog::instance()->filePath(templateId, slideBg);
        parseFont(attributes.hasAttribute(QStringLiteral("font"))
                      ? textAttribute(attributes, "font")
                      : kDefaultFont,
                  *object);
        const QString texture = textAttribute(attributes, "texture");
        if (TemplateCatalog::isSafeFileName(texture))
            object->texture = texture;
        texts.objects->insert(id, object);
    }
}

void TemplateParser::parseKeyframes(SlotObject& object)
{
    reader.readNext();
    // The transform's end tag ends the list. An object without a transform ends at its own end
    // tag, so that it cannot swallow the objects and scenes after it.
    while (!stopped()) {
        if (reader.isEndElement() && (reader.name() == QLatin1String("transform") ||
                                      reader.name() == QLatin1String("object")))
            return;
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("frame"))
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const int frame = intAttribute(attributes, "id", 0);
        const float opacity =
            attributes.hasAttribute(QStringLiteral("opacity"))
                ? bounded(attributes.value(QStringLiteral("opacity")).toFloat() / 100.0f, 0.0f,
                          1.0f, 1.0f)
                : 1.0f;
        const QStringList numbers = reader.readElementText().split(QLatin1Char(','));
        // A frame without all eight coordinates has no defined quad: it is left out.
        if (numbers.size() < 8 || frame < 0 || frame > kMaxFrames)
            continue;
        double v[8];
        bool finite = true;
        for (int i = 0; i < 8; ++i) {
            v[i] = numbers[i].toDouble();
            finite = finite && std::isfinite(v[i]);
            v[i] = qBound(-8.0, v[i], 8.0);
        }
        if (!finite)
            continue; // no defined quad either
        Keyframe keyframe;
        // The file lists the points row by row (bottom-left third); keyframes hold them clockwise.
        keyframe.topLeft = QPointF(v[0], v[1]);
        keyframe.topRight = QPointF(v[2], v[3]);
        keyframe.bottomLeft = QPointF(v[4], v[5]);
        keyframe.bottomRight = QPointF(v[6], v[7]);
        keyframe.opacity = opacity;
        object.keyframes.insert(frame, keyframe);
    }
}

QSharedPointer<TemplateDescription> loadTemplate(int id)
{
    const QString path = TemplateCatalog::instance()->filePath(id, QStringLiteral("template.xml"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        CommonError::instance()->report(
            QObject::tr("The theme description cannot be read: %1").arg(path));
        auto empty = QSharedPointer<TemplateDescription>::create();
        empty->id = id;
        return empty;
    }
    return TemplateParser::parse(&file, id);
}
