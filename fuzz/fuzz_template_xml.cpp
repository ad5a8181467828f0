// "template.xml" and a theme's "info.xml" come from theme folders and the theme server: any bytes
// must parse without crashing, hanging or reading out of bounds.
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include "FuzzApp.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApp("fuzz_template_xml");

    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    const auto description = TemplateParser::parse(&buffer, 1);
    for (const QSharedPointer<Scene>& scene : *description->scenes) {
        if (scene->type != Scene::ImageSlides && scene->type != Scene::TextSlides)
            std::abort();
        if (scene->objectCount() < 0)
            std::abort();
    }

    buffer.seek(0);
    QString themeName;
    QString preview;
    TemplateCatalog::readInfo(&buffer, &themeName, &preview);
    return 0;
}
