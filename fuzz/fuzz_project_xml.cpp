// Saved projects' "prj.xml" and "info.xml" are read back at every start: any bytes must parse
// without crashing or hanging, and never make the reader open anything but regular files.
#include "project/ProjectFile.h"

#include "FuzzApp.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ensureFuzzApp("fuzz_project_xml");

    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    QStringList missing;
    const auto project = ProjectFile::parseProject(&buffer, &missing);
    project->usedSlides();
    buffer.seek(0);
    ProjectFile::parseInfo(&buffer);
    return 0;
}
