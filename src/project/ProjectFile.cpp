#include "project/ProjectFile.h"

#include "base/AtomicFile.h"
#include "base/Failure.h"
#include "project/ImgSlide.h"
#include "project/TextSlide.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

int intAttribute(const QXmlStreamReader& reader, const char* name)
{
    return reader.attributes().value(QString::fromLatin1(name)).toInt();
}

QString textAttribute(const QXmlStreamReader& reader, const char* name)
{
    return reader.attributes().value(QString::fromLatin1(name)).toString();
}

bool atEnd(const QXmlStreamReader& reader)
{
    return reader.atEnd() || reader.hasError();
}

// The tracks up to the end of "audio"; `closed` tells whether that end was reached.
TrackList readTracks(QXmlStreamReader& reader, QStringList* missing, bool* closed)
{
    TrackList tracks;
    *closed = false;
    while (!atEnd(reader)) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("audio")) {
            *closed = true;
            break;
        }
        if (!reader.isStartElement() || reader.name() != QLatin1String("track"))
            continue;
        const QString src = textAttribute(reader, "src");
        // Only regular files: a device or a pipe named in a project file would block the reader.
        bool readable = QFileInfo(src).isFile();
        if (readable) {
            try {
                tracks << MediaFileInfo::fromFile(src);
            } catch (const Failure&) {
                readable = false; // there, but no longer music: treated as missing
            }
        }
        if (!readable)
            missing->append(src);
    }
    return tracks;
}

QVector<QSharedPointer<Slide>> readSlides(QXmlStreamReader& reader, QStringList* missing,
                                          bool* closed)
{
    QVector<QSharedPointer<Slide>> slides;
    *closed = false;
    while (!atEnd(reader)) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("slides")) {
            *closed = true;
            break;
        }
        if (!reader.isStartElement() || reader.name() != QLatin1String("object"))
            continue;
        const int type = intAttribute(reader, "type");
        if (type == Slide::Image) {
            const QString src = textAttribute(reader, "src");
            if (QFileInfo(src).isFile())
                slides << QSharedPointer<ImgSlide>::create(src, intAttribute(reader, "rotation"));
            else
                missing->append(src);
        } else if (type == Slide::Text) {
            slides << QSharedPointer<TextSlide>::create(textAttribute(reader, "text"));
        }
    }
    return slides;
}

} // namespace

QByteArray ProjectFile::projectXml(const Project& project)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(false);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("userdata"));
    writer.writeAttribute(QStringLiteral("template"), QString::number(project.themeId()));
    writer.writeAttribute(QStringLiteral("quality"), QString::number(project.userData().quality));
    writer.writeAttribute(QStringLiteral("save-dir"), project.userData().saveDir);
    // Only what differs from the defaults: other projects keep the file as it always was.
    if (project.pace() > 0)
        writer.writeAttribute(QStringLiteral("pace"), QString::number(project.pace()));
    if (!project.fitsMusic())
        writer.writeAttribute(QStringLiteral("fit"), QStringLiteral("0"));
    if (!project.cutsOnBeat())
        writer.writeAttribute(QStringLiteral("beat"), QStringLiteral("0"));
    writer.writeStartElement(QStringLiteral("audio"));
    for (const QSharedPointer<MediaFileInfo>& track : project.audio()) {
        writer.writeEmptyElement(QStringLiteral("track"));
        writer.writeAttribute(QStringLiteral("src"), track->path());
    }
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("slides"));
    for (const QSharedPointer<Slide>& slide : project.slides()) {
        writer.writeEmptyElement(QStringLiteral("object"));
        writer.writeAttribute(QStringLiteral("type"), QString::number(slide->type()));
        if (const auto image = slide.objectCast<ImgSlide>()) {
            writer.writeAttribute(QStringLiteral("rotation"), QString::number(image->rotation()));
            writer.writeAttribute(QStringLiteral("src"), image->path());
        } else if (const auto text = slide.objectCast<TextSlide>()) {
            writer.writeAttribute(QStringLiteral("text"), text->text());
        }
    }
    writer.writeEndElement();
    writer.writeEndElement();
    // No writeEndDocument(): it would add a line break after the root.
    return bytes;
}

QByteArray ProjectFile::infoXml(const ProjectInfo& info)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(false);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("project"));
    writer.writeTextElement(QStringLiteral("name"), info.name);
    writer.writeTextElement(QStringLiteral("audio"), info.audio);
    writer.writeTextElement(QStringLiteral("slidesnumber"), QString::number(info.slidesnumber));
    // Only when given: projects without a title keep the file as it always was.
    if (!info.title.isEmpty())
        writer.writeTextElement(QStringLiteral("title"), info.title);
    writer.writeEndElement();
    return bytes;
}

bool ProjectFile::writeProject(const QString& path, const Project& project)
{
    return AtomicFile::write(path, projectXml(project));
}

bool ProjectFile::writeInfo(const QString& path, const ProjectInfo& info)
{
    return AtomicFile::write(path, infoXml(info));
}

QSharedPointer<Project> ProjectFile::parseProject(QIODevice* device, QStringList* missing,
                                                  bool* damaged)
{
    auto project = QSharedPointer<Project>::create();
    QXmlStreamReader reader(device);
    bool whole = false; // a root element, both lists closed, no error
    while (!atEnd(reader)) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("userdata")) {
            whole = true;
            // Pace and fit first: the theme and later the slides compute the plan with them.
            project->setPace(intAttribute(reader, "pace"));
            project->setFitsMusic(textAttribute(reader, "fit") != QLatin1String("0"));
            project->setCutsOnBeat(textAttribute(reader, "beat") != QLatin1String("0"));
            project->setThemeId(intAttribute(reader, "template"));
            UserData settings;
            settings.quality = intAttribute(reader, "quality");
            settings.saveDir = textAttribute(reader, "save-dir");
            project->setUserData(settings);
        } else if (reader.name() == QLatin1String("audio")) {
            bool closed = false;
            const TrackList tracks = readTracks(reader, missing, &closed);
            if (closed)
                project->setAudio(tracks);
            whole = whole && closed;
        } else if (reader.name() == QLatin1String("slides")) {
            bool closed = false;
            const QVector<QSharedPointer<Slide>> slides = readSlides(reader, missing, &closed);
            if (closed)
                project->setSlides(slides);
            whole = whole && closed;
        }
    }
    if (damaged)
        *damaged = !whole || reader.hasError();
    return project;
}

QSharedPointer<Project> ProjectFile::readProject(const QString& path, QStringList* missing,
                                                 bool* damaged)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (damaged)
            *damaged = true;
        return QSharedPointer<Project>::create();
    }
    return parseProject(&file, missing, damaged);
}

ProjectInfo ProjectFile::parseInfo(QIODevice* device)
{
    ProjectInfo info;
    QXmlStreamReader reader(device);
    while (!atEnd(reader)) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        const auto text = [&] {
            return reader.readElementText(QXmlStreamReader::IncludeChildElements);
        };
        if (reader.name() == QLatin1String("name"))
            info.name = text();
        else if (reader.name() == QLatin1String("audio"))
            info.audio = text();
        else if (reader.name() == QLatin1String("slidesnumber"))
            info.slidesnumber = text().toInt();
        else if (reader.name() == QLatin1String("title"))
            info.title = text();
    }
    return info;
}

ProjectInfo ProjectFile::readInfo(const QString& path, bool* ok)
{
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly | QIODevice::Text);
    if (ok)
        *ok = opened;
    return opened ? parseInfo(&file) : ProjectInfo();
}
