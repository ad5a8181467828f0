#pragma once

#include "templates/TemplateDescription.h"

#include <QSharedPointer>
#include <QXmlStreamAttributes>

class QIODevice;
class QXmlStreamReader;
struct SlotObject;

// Reads "template.xml". Element and attribute names are case-sensitive; unparsable numbers read
// as 0 and absent attributes take their defaults. A malformed document ends the parse at the
// first XML error: what was complete by then is returned.
class TemplateParser
{
public:
    static QSharedPointer<TemplateDescription> parse(QIODevice* device, int templateId);

private:
    TemplateParser(QXmlStreamReader& reader, int templateId);

    void readTemplateAttributes(TemplateDescription& description) const;
    void parseScene(TemplateDescription& description);
    // The optional hold ("hold", "hold-range") and background loop ("loop") of a scene.
    static void readElasticSpans(const QXmlStreamAttributes& attributes, class Scene& scene);
    void parseObject(bool imageScene, class ImgScene& images, class TextScene& texts);
    void parseKeyframes(SlotObject& object);
    // A photo slot's optional "pan", or "zoom" with "zoom-centre", and "pan-easing".
    static void readPanZoom(const QXmlStreamAttributes& attributes, struct PanZoomSpec& spec);
    void readSlotAttributes(const QXmlStreamAttributes& attributes, SlotObject& object) const;
    bool stopped() const;

    QXmlStreamReader& reader;
    int templateId;
};

// Parses "template.xml" of installed template `id` anew on every call. A file that cannot be
// opened gives an empty description (no scenes) and a report through CommonError.
QSharedPointer<TemplateDescription> loadTemplate(int id);
