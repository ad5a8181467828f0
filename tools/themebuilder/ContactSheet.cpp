#include "ContactSheet.h"

#include "ScenePreview.h"
#include "templates/TemplateCatalog.h"
#include "templates/TemplateParser.h"

#include <QFile>
#include <QImage>
#include <QPainter>

bool writeContactSheet(const QString& templatesDir, const QString& output)
{
    constexpr int kCellWidth = 320;
    constexpr int kCellHeight = 180;
    constexpr int kLabel = 36;
    const TemplateCatalog catalog(templatesDir + QLatin1Char('/'));
    const QList<TemplateInfo> themes = catalog.entries();
    if (themes.isEmpty())
        return false;
    // A row per theme, a column per scene.
    QList<QSharedPointer<TemplateDescription>> descriptions;
    int columns = 1;
    for (const TemplateInfo& theme : themes) {
        QFile file(catalog.dirPath(theme.id) + QStringLiteral("template.xml"));
        descriptions << (file.open(QIODevice::ReadOnly) ? TemplateParser::parse(&file, theme.id)
                                                        : nullptr);
        if (descriptions.last())
            columns = qMax(columns, descriptions.last()->scenes->size());
    }
    QImage sheet(columns * kCellWidth, themes.size() * (kCellHeight + kLabel),
                 QImage::Format_RGB32);
    sheet.fill(QColor(0x19, 0x29, 0x36));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(QColor(0xE9, 0xE9, 0xE9));
    QFont font(QStringLiteral("Lato"));
    font.setPixelSize(20);
    painter.setFont(font);
    for (int row = 0; row < themes.size(); ++row) {
        const TemplateInfo& theme = themes[row];
        const QString folder = catalog.dirPath(theme.id);
        const auto& description = descriptions[row];
        if (!description)
            continue;
        const int top = row * (kCellHeight + kLabel);
        painter.drawText(QRect(12, top, sheet.width(), kLabel), Qt::AlignVCenter,
                         QStringLiteral("%1  %2").arg(theme.id).arg(theme.name));
        int column = 0;
        for (auto it = description->scenes->cbegin(); it != description->scenes->cend();
             ++it, ++column) {
            const QImage cell =
                ScenePreview::compose(folder, theme.id, it.key(), (*it)->frames * 2 / 3);
            painter.drawImage(QRect(column * kCellWidth, top + kLabel, kCellWidth, kCellHeight),
                              cell);
        }
    }
    painter.end();
    return sheet.save(output, nullptr, 85);
}
