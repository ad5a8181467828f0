#include "engine/LibavRender.h"

#include "base/CommonError.h"
#include "engine/EncoderSink.h"
#include "media/AsyncVideoOutput.h"

#include <QFile>
#include <QFileInfo>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A render allocates and frees pictures of megabytes at every scene (photos, shadows, still
// slots). glibc would soon take such blocks from its heaps instead of mapping them, and memory
// given back there stays with the process: the peak crept up by 15 MiB over a 1080p render. A
// fixed threshold keeps every block of a megabyte or more mapped, and returned when freed.
void returnLargeBlocks()
{
#ifdef __GLIBC__
    static const bool once = mallopt(M_MMAP_THRESHOLD, 1 << 20) != 0;
    Q_UNUSED(once);
#endif
}

} // namespace

LibavRender::LibavRender(QSharedPointer<Project> project, QSharedPointer<TemplateDescription> theme,
                         const QString& outputPath)
    : outputSize(project->userData().videoSize()), project(project), theme(theme),
      outputPath(outputPath), player(std::move(project), std::move(theme), outputSize)
{
    connect(&player, &PlanPlayer::progress, this, &LibavRender::progress, Qt::DirectConnection);
}

LibavRender::~LibavRender() = default;

void LibavRender::stop()
{
    player.stop();
}

void LibavRender::onError()
{
    player.abort();
}

int LibavRender::totalFrames(const Project& project, const TemplateDescription& theme)
{
    return PlanPlayer::totalFrames(project, theme);
}

bool LibavRender::render()
{
    returnLargeBlocks();
    if (!player.check())
        return false;
    bool crashed = false;
    try {
        AsyncVideoOutput output;
        connect(&output, &AsyncVideoOutput::error, this, &LibavRender::onError,
                Qt::DirectConnection);
        OutputSettings settings;
        settings.path = outputPath;
        settings.height = outputSize.height();
        settings.width = outputSize.width();
        settings.num = 1;
        settings.den = FrameSink::kFramesPerSecond;
        settings.tracks = project->audio();
        // The music ends, with its fade-out, on the video's last frame.
        settings.totalDuration =
            double(PlanPlayer::videoFrames(*project, *theme)) / FrameSink::kFramesPerSecond;
        output.start(settings);
        EncoderSink sink(output);
        player.play(sink);
        output.finish();
    } catch (...) {
        crashed = true;
        player.abort();
    }
    // On Linux a file whose folder is deleted is still written to, without a name: nothing the
    // user could ever open.
    if (!player.stopped() && !QFileInfo::exists(outputPath)) {
        CommonError::instance()->report(
            tr("The video file disappeared while it was being written: %1").arg(outputPath));
        player.abort();
    }
    if (player.stopped())
        QFile::remove(outputPath);
    return !player.failed() && !crashed;
}
