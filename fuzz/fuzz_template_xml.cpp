// "template.xml" and a theme's "info.xml" come from theme folders and the theme server: any bytes
// must parse without crashing, hanging or reading out of bounds.
#include "templates/ImgScene.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"
#include "templates/TextScene.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_template_xml";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(app);

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
